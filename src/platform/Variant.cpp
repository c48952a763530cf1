#include "platform/Variant.hpp"

#include <cmath>
#include <cstdio>
#include <vector>

#include "platform/HostSettings.hpp"
#include "platform/Text.hpp"

namespace automation {
namespace {

template <class Int>
Int roundToInteger(double v) {
  double r = std::nearbyint(v);  // half to even, the runtime's rule
  if (!(r >= static_cast<double>(std::numeric_limits<Int>::min()) &&
        r <= static_cast<double>(std::numeric_limits<Int>::max())))
    raise(errnum::Overflow);
  return static_cast<Int>(r);
}

std::string currencyText(Currency c) {
  int64_t whole = c.scaled / 10000;
  int64_t frac = c.scaled % 10000;
  std::string out = (c.scaled < 0 && whole == 0 ? "-" : "") + std::to_string(whole);
  if (frac != 0) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%04lld", static_cast<long long>(frac < 0 ? -frac : frac));
    std::string digits = buf;
    digits.erase(digits.find_last_not_of('0') + 1);
    out += hostSettings()->decimalSeparator + digits;
  }
  return out;
}

Date dateOfSerial(double serial) {
  Date d{serial};
  if (!d.inRange()) raise(errnum::Overflow);
  return d;
}

}  // namespace

Variant Variant::null() {
  Variant v;
  v.value_.emplace<kNull>();
  return v;
}

Variant Variant::nothing() { return Variant(ObjectRef()); }

VarType Variant::type() const noexcept {
  switch (value_.index()) {
    case kNull: return VarType::Null;
    case kBoolean: return VarType::Boolean;
    case kInteger: return VarType::Integer;
    case kLong: return VarType::Long;
    case kDouble: return VarType::Double;
    case kCurrency: return VarType::Currency;
    case kDate: return VarType::Date;
    case kString: return VarType::String;
    case kObject: return VarType::Object;
    case kArray: return VarType::Array;
    default: return VarType::Empty;
  }
}

std::string Variant::typeName() const {
  switch (value_.index()) {
    case kNull: return "Null";
    case kBoolean: return "Boolean";
    case kInteger: return "Integer";
    case kLong: return "Long";
    case kDouble: return "Double";
    case kCurrency: return "Currency";
    case kDate: return "Date";
    case kString: return "String";
    case kObject: return std::get<kObject>(value_) ? std::get<kObject>(value_)->className() : "Nothing";
    case kArray: return "Variant()";
    default: return "Empty";
  }
}

bool Variant::isNumeric() const noexcept {
  auto i = value_.index();
  return i == kBoolean || i == kInteger || i == kLong || i == kDouble || i == kCurrency || i == kDate;
}

double Variant::numberOrRaise() const {
  switch (value_.index()) {
    case kEmpty: return 0;
    case kNull: raise(errnum::InvalidUseOfNull);
    case kBoolean: return std::get<kBoolean>(value_) ? -1 : 0;
    case kInteger: return std::get<kInteger>(value_);
    case kLong: return std::get<kLong>(value_);
    case kDouble: return std::get<kDouble>(value_);
    case kCurrency: return std::get<kCurrency>(value_).toDouble();
    case kDate: return std::get<kDate>(value_).serial;
    case kString: {
      auto n = parseNumber(std::get<kString>(value_));
      if (!n) raise(errnum::TypeMismatch);
      return *n;
    }
    default: raise(errnum::TypeMismatch);
  }
}

bool Variant::toBool() const {
  if (const auto* s = std::get_if<kString>(&value_)) {
    // Text that is not UTF-8 is no truth value either: a type mismatch, like any other word.
    std::string trimmed = text::trim(*s);
    if (text::equalsIgnoringCase(trimmed, "true")) return true;
    if (text::equalsIgnoringCase(trimmed, "false")) return false;
  }
  return numberOrRaise() != 0;
}

int16_t Variant::toInteger() const {
  if (const auto* i = std::get_if<kInteger>(&value_)) return *i;
  return roundToInteger<int16_t>(numberOrRaise());
}

int32_t Variant::toLong() const {
  if (const auto* l = std::get_if<kLong>(&value_)) return *l;
  if (const auto* i = std::get_if<kInteger>(&value_)) return *i;
  return roundToInteger<int32_t>(numberOrRaise());
}

double Variant::toDouble() const { return numberOrRaise(); }

Currency Variant::toCurrency() const {
  if (const auto* c = std::get_if<kCurrency>(&value_)) return *c;
  return Currency::fromDouble(numberOrRaise());
}

Date Variant::toDate() const {
  if (const auto* d = std::get_if<kDate>(&value_)) return *d;
  if (const auto* s = std::get_if<kString>(&value_)) {
    if (auto d = Date::parse(*s)) return *d;
    if (auto n = parseNumber(*s)) return dateOfSerial(*n);
    raise(errnum::TypeMismatch);
  }
  return dateOfSerial(numberOrRaise());
}

std::string Variant::toString() const {
  switch (value_.index()) {
    case kEmpty: return {};
    case kNull: raise(errnum::InvalidUseOfNull);
    case kBoolean: return std::get<kBoolean>(value_) ? "True" : "False";
    case kInteger: return std::to_string(std::get<kInteger>(value_));
    case kLong: return std::to_string(std::get<kLong>(value_));
    case kDouble: return numberToText(std::get<kDouble>(value_));
    case kCurrency: return currencyText(std::get<kCurrency>(value_));
    case kDate: return std::get<kDate>(value_).toText();
    case kString: return std::get<kString>(value_);
    default: raise(errnum::TypeMismatch);
  }
}

ObjectRef Variant::toObject() const {
  if (const auto* o = std::get_if<kObject>(&value_)) return *o;
  raise(errnum::TypeMismatch);
}

VariantArrayRef Variant::toArray() const {
  if (const auto* a = std::get_if<kArray>(&value_)) return *a;
  raise(errnum::TypeMismatch);
}

Variant Variant::coerce(VarType target) const {
  if (isEmpty() || isNull() || type() == target) return *this;
  switch (target) {
    case VarType::Boolean: return Variant(toBool());
    case VarType::Integer: return Variant(toInteger());
    case VarType::Long: return Variant(toLong());
    case VarType::Double: return Variant(toDouble());
    case VarType::Currency: return Variant(toCurrency());
    case VarType::Date: return Variant(toDate());
    case VarType::String: return Variant(toString());
    case VarType::Object: return Variant(toObject());
    case VarType::Array: return Variant(toArray());
    default: return *this;
  }
}

Variant::~Variant() {
  auto* held = std::get_if<kArray>(&value_);
  if (!held || !*held || held->use_count() != 1) return;
  // The last reference: the arrays inside that nothing else holds are taken out first, each
  // released after its own elements were emptied of arrays. Should the list not grow, what was
  // not taken out is released the ordinary way.
  std::vector<VariantArrayRef> pending;
  try {
    pending.push_back(std::move(*held));
    while (!pending.empty()) {
      VariantArrayRef array = std::move(pending.back());
      pending.pop_back();
      if (array.use_count() != 1 || !array->isDimensioned()) continue;
      for (int64_t i = array->lbound(); i <= array->ubound(); ++i) {
        auto* inner = std::get_if<kArray>(&(*array)(i).value_);
        if (inner && *inner && inner->use_count() == 1) pending.push_back(std::move(*inner));
      }
    }
  } catch (...) {
  }
}

bool Variant::operator==(const Variant& other) const {
  if (value_.index() != other.value_.index()) return false;
  if (const auto* a = std::get_if<kArray>(&value_)) {
    const auto& b = std::get<kArray>(other.value_);
    return a->get() == b.get() || (*a && b && **a == *b);
  }
  return value_ == other.value_;
}

}  // namespace automation
