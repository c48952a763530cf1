// Conversions between Python values and automation variants.
#include "Values.hpp"

#include <cstdint>
#include <limits>
#include <memory>
#include <string>

#include "LateObject.hpp"
#include "platform/AutomationError.hpp"

namespace qvdpy {
namespace {

using automation::Variant;

// Kept for the life of the process: a static py::object would be released after the
// interpreter is gone.
py::handle decimalType() {
  static py::handle type = py::object(py::module_::import("decimal").attr("Decimal")).release();
  return type;
}

py::handle datetimeModule() {
  static py::handle module = py::module_::import("datetime").release();
  return module;
}

Variant fromSequence(py::handle sequence) {
  auto items = py::reinterpret_borrow<py::sequence>(sequence);
  auto array = std::make_shared<automation::VariantArray>(0, static_cast<int32_t>(py::len(items)) - 1);
  int32_t i = 0;
  for (py::handle item : items) (*array)(i++) = toVariant(item);
  return Variant(array);
}

Variant fromDate(py::handle value) {
  py::handle datetime = datetimeModule();
  if (!py::isinstance(value, datetime.attr("datetime")))
    return Variant(automation::Date::fromParts(value.attr("year").cast<int>(), value.attr("month").cast<int>(),
                                               value.attr("day").cast<int>()));
  return Variant(automation::Date::fromParts(value.attr("year").cast<int>(), value.attr("month").cast<int>(),
                                             value.attr("day").cast<int>(), value.attr("hour").cast<int>(),
                                             value.attr("minute").cast<int>(), value.attr("second").cast<int>()));
}

// Four decimals, rounded half to even as decimal.Decimal does by default.
Variant fromDecimal(py::handle value) {
  py::int_ scaled = value.attr("scaleb")(4).attr("to_integral_value")();
  if (scaled < py::int_(std::numeric_limits<int64_t>::min()) || scaled > py::int_(std::numeric_limits<int64_t>::max()))
    automation::raise(automation::errnum::Overflow);
  return Variant(automation::Currency{scaled.cast<int64_t>()});
}

}  // namespace

Variant toVariant(py::handle value) {
  if (value.is_none()) return Variant();
  if (py::isinstance<py::bool_>(value)) return Variant(value.cast<bool>());
  if (py::isinstance<py::int_>(value)) {
    auto wide = value.cast<long long>();
    if (wide >= std::numeric_limits<int32_t>::min() && wide <= std::numeric_limits<int32_t>::max())
      return Variant(static_cast<int32_t>(wide));
    return Variant(static_cast<double>(wide));
  }
  if (py::isinstance<py::float_>(value)) return Variant(value.cast<double>());
  if (py::isinstance<py::str>(value)) return Variant(value.cast<std::string>());
  if (py::isinstance<LateObject>(value)) return Variant(value.cast<const LateObject&>().object);
  if (py::isinstance<Array>(value)) return Variant(value.cast<const Array&>().items);
  if (py::isinstance<py::list>(value) || py::isinstance<py::tuple>(value)) return fromSequence(value);
  if (py::isinstance(value, decimalType())) return fromDecimal(value);
  if (py::isinstance(value, datetimeModule().attr("date"))) return fromDate(value);
  automation::raise(automation::errnum::TypeMismatch,
                    "Type mismatch: a Python " + py::str(value.get_type().attr("__name__")).cast<std::string>() +
                        " has no automation value; pass a number, text, bool, list, Array or object");
}

py::object fromVariant(const Variant& value) {
  switch (value.type()) {
    case automation::VarType::Empty:
    case automation::VarType::Null:
      return py::none();
    case automation::VarType::Boolean:
      return py::bool_(value.toBool());
    case automation::VarType::Integer:
    case automation::VarType::Long:
      return py::int_(value.toLong());
    case automation::VarType::Double:
      return py::float_(value.toDouble());
    case automation::VarType::Currency:
      return decimalType()(py::int_(value.toCurrency().scaled)).attr("scaleb")(-4);
    case automation::VarType::Date: {
      auto p = value.toDate().parts();
      return datetimeModule().attr("datetime")(p.year, p.month, p.day, p.hour, p.minute, p.second);
    }
    case automation::VarType::String:
      return py::str(value.toString());
    case automation::VarType::Object: {
      automation::ObjectRef object = value.toObject();
      if (!object) return py::none();
      return py::cast(LateObject{std::move(object)});
    }
    case automation::VarType::Array:
      return py::cast(Array{value.toArray()});
  }
  return py::none();
}

}  // namespace qvdpy
