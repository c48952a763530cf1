#include "platform/db/PostgresValues.hpp"

#include <charconv>
#include <cmath>

#include "platform/AutomationError.hpp"
#include "platform/Date.hpp"

namespace automation::db::postgres {
namespace {

// Type numbers fixed by the server's catalog.
enum : unsigned {
  kBool = 16,
  kInt8 = 20,
  kInt2 = 21,
  kInt4 = 23,
  kText = 25,
  kOid = 26,
  kFloat4 = 700,
  kFloat8 = 701,
  kBpChar = 1042,
  kVarChar = 1043,
  kDate = 1082,
  kTimestamp = 1114,
  kTimestampTz = 1184,
  kNumeric = 1700,
};

inline constexpr int32_t kLongTextSize = 1073741823;

// A currency amount as exact decimal text ("-12.3456"), never through a double.
std::string currencyText(Currency amount) {
  uint64_t magnitude = amount.scaled < 0 ? uint64_t{0} - static_cast<uint64_t>(amount.scaled)
                                         : static_cast<uint64_t>(amount.scaled);
  std::string fraction = std::to_string(magnitude % 10000);
  return (amount.scaled < 0 ? "-" : "") + std::to_string(magnitude / 10000) + "." +
         std::string(4 - fraction.size(), '0') + fraction;
}

std::string numberText(double value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value > 0 ? "Infinity" : "-Infinity";
  char buffer[32];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, end);
}

}  // namespace

ParameterText parameterText(const Variant& value) {
  switch (value.type()) {
    case VarType::Empty:
    case VarType::Null: return {};
    case VarType::Boolean: return {value.toBool() ? "1" : "0", kInt8};
    case VarType::Integer:
    case VarType::Long: return {std::to_string(value.toLong()), kInt8};
    case VarType::Double: return {numberText(value.toDouble()), kFloat8};
    case VarType::Currency: return {currencyText(value.toCurrency()), kNumeric};
    case VarType::Date: {
      Date date = value.toDate();
      return {date.format(date.serial == std::floor(date.serial) ? "yyyy-mm-dd" : "yyyy-mm-dd hh:nn:ss"), 0};
    }
    case VarType::String: return {value.toString(), 0};
    default: raise(errnum::TypeMismatch);
  }
}

DeclaredType fieldType(unsigned typeOid, int typeModifier) {
  switch (typeOid) {
    case kBool: return {DataType::Boolean, 2};
    case kInt2: return {DataType::SmallInt, 2};
    case kInt4:
    case kInt8:
    case kOid: return {DataType::Integer, 4};
    case kFloat4:
    case kFloat8:
    case kNumeric: return {DataType::Double, 8};
    case kDate:
    case kTimestamp:
    case kTimestampTz: return {DataType::Date, 8};
    case kBpChar:
    case kVarChar:
      if (typeModifier > 4) return {DataType::VarWChar, typeModifier - 4};
      return {DataType::LongVarWChar, kLongTextSize};
    case kText: return {DataType::LongVarWChar, kLongTextSize};
    default: return {DataType::LongVarWChar, kLongTextSize};
  }
}

Variant fieldValue(std::string_view text, unsigned typeOid, DataType type) {
  switch (typeOid) {
    case kBool: return Variant(text == "t");
    case kInt2:
    case kInt4:
    case kInt8:
    case kOid: {
      int64_t number = 0;
      std::from_chars(text.data(), text.data() + text.size(), number);
      return integerAs(number, type);
    }
    case kFloat4:
    case kFloat8:
    case kNumeric: {
      double number = 0;
      if (text == "NaN") return realAs(std::nan(""), type);
      if (text == "Infinity" || text == "-Infinity") return realAs(text[0] == '-' ? -HUGE_VAL : HUGE_VAL, type);
      std::from_chars(text.data(), text.data() + text.size(), number);
      return realAs(number, type);
    }
    default:
      if (type == DataType::Date || typeOid == kDate || typeOid == kTimestamp || typeOid == kTimestampTz) {
        if (auto date = Date::parse(text)) return Variant(*date);
      }
      return Variant(std::string(text));
  }
}

}  // namespace automation::db::postgres
