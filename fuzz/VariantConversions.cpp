#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "Check.hpp"
#include "platform/AutomationError.hpp"
#include "platform/HostSettings.hpp"
#include "platform/Variant.hpp"

// Every conversion of an automation value, from any value, under either decimal separator:
// a conversion either gives a value or raises overflow, type mismatch or invalid use of Null;
// the integer conversions agree with each other, and numbers survive the trip through text.
namespace {

using automation::Variant;
using automation::VarType;

template <class T>
std::optional<T> attempt(const std::function<T()>& convert) {
  try {
    return convert();
  } catch (const automation::AutomationError& e) {
    require(e.number() == automation::errnum::Overflow || e.number() == automation::errnum::TypeMismatch ||
                e.number() == automation::errnum::InvalidUseOfNull,
            "a conversion raised an error other than 6, 13 or 94");
    return std::nullopt;
  }
}

Variant valueFrom(FuzzedDataProvider& in) {
  switch (in.ConsumeIntegralInRange(0, 8)) {
    case 0:
      return Variant(in.ConsumeRandomLengthString(64));
    case 1:
      return Variant(in.ConsumeIntegral<int16_t>());
    case 2:
      return Variant(in.ConsumeIntegral<int32_t>());
    case 3:
      return Variant(in.ConsumeFloatingPoint<double>());
    case 4:
      return Variant(in.ConsumeBool());
    case 5:
      return Variant(automation::Currency{in.ConsumeIntegral<int64_t>()});
    case 6:
      return Variant(automation::Date{in.ConsumeFloatingPoint<double>()});
    case 7:
      return Variant::null();
    default:
      return Variant();
  }
}

void checkRoundTrips(const Variant& v) {
  auto asLong = attempt<int32_t>([&] { return v.toLong(); });
  auto asInteger = attempt<int16_t>([&] { return v.toInteger(); });
  if (asInteger) require(asLong && *asLong == *asInteger, "toInteger succeeded where toLong disagrees");
  if (asLong && *asLong >= INT16_MIN && *asLong <= INT16_MAX)
    require(asInteger && *asInteger == *asLong, "a Long in 16-bit range is no Integer");

  auto asDouble = attempt<double>([&] { return v.toDouble(); });
  // Beyond 1E300 the 15 digits of the text may round past the largest double.
  if (asDouble && std::fabs(*asDouble) < 1e300) {
    auto back = attempt<double>([&] { return Variant(Variant(*asDouble).toString()).toDouble(); });
    require(back.has_value(), "a number's own text is not read back");
    double scale = std::max(1.0, std::fabs(*asDouble));
    require(std::fabs(*back - *asDouble) <= scale * 1e-14, "a number changed on its way through text");
  }
  if (asLong) {
    auto back = attempt<int32_t>([&] { return Variant(Variant(*asLong).toString()).toLong(); });
    require(back && *back == *asLong, "a Long changed on its way through text");
  }

  attempt<bool>([&] { return v.toBool(); });
  attempt<automation::Currency>([&] { return v.toCurrency(); });
  attempt<automation::Date>([&] { return v.toDate(); });
  attempt<std::string>([&] { return v.toString(); });
  for (VarType type : {VarType::Integer, VarType::Long, VarType::Double, VarType::Currency, VarType::Date,
                       VarType::String, VarType::Boolean}) {
    auto coerced = attempt<Variant>([&] { return v.coerce(type); });
    if (coerced && !v.isNull() && !v.isEmpty()) require(coerced->type() == type, "coerce gave another type");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  bool commas = in.ConsumeBool();
  automation::ScopedHostSettings host(commas ? automation::HostSettings{",", ".", "dd/mm/yyyy"}
                                             : automation::HostSettings{});
  checkRoundTrips(valueFrom(in));
  return 0;
}
