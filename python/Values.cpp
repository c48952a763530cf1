// Conversions between Python values and automation variants. Every failure is an automation error
// (never a Python or pybind11 one) and the conversion of nested lists is bounded: no input may end
// the process.
#include "Values.hpp"

#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "LateObject.hpp"
#include "platform/AutomationError.hpp"

namespace qvdpy {
namespace {

using automation::Variant;
namespace errnum = automation::errnum;

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

std::string typeName(py::handle value) { return Py_TYPE(value.ptr())->tp_name; }

[[noreturn]] void refuse(int32_t number, const std::string& detail) {
  automation::raise(number, automation::standardDescription(number) + ": " + detail);
}

// Runs `body`, which calls into Python: an exception raised there is an automation error.
// What is not an Exception (KeyboardInterrupt, SystemExit) is left to stop the script.
template <class Body>
auto callingPython(const std::string& what, Body&& body) {
  try {
    return body();
  } catch (py::error_already_set& e) {
    if (!e.matches(PyExc_Exception)) throw;
    int32_t number = e.matches(PyExc_MemoryError) ? errnum::OutOfMemory : errnum::TypeMismatch;
    refuse(number, what + " raised " + e.what());
  } catch (const py::cast_error& e) {
    refuse(errnum::TypeMismatch, what + ": " + e.what());
  }
}

// A Python int travels as a Long when it fits, else as a Double when the Double holds it exactly.
Variant fromInt(py::handle value) {
  int overflow = 0;
  long long whole = PyLong_AsLongLongAndOverflow(value.ptr(), &overflow);
  if (whole == -1 && PyErr_Occurred()) throw py::error_already_set();
  if (overflow != 0) refuse(errnum::Overflow, "an int beyond 64 bits has no automation value");
  if (whole >= std::numeric_limits<int32_t>::min() && whole <= std::numeric_limits<int32_t>::max())
    return Variant(static_cast<int32_t>(whole));
  constexpr long long kExact = 1LL << 53;  // every whole number up to here is a Double
  auto asDouble = static_cast<double>(whole);
  bool exact = (whole >= -kExact && whole <= kExact) ||
               (asDouble < 9223372036854775808.0 && static_cast<long long>(asDouble) == whole);
  if (!exact)
    refuse(errnum::Overflow, "the int " + std::to_string(whole) +
                                 " has no exact automation value (a Double holds whole numbers exactly up to 2**53); "
                                 "pass float(n) to accept its rounding");
  return Variant(asDouble);
}

// Four decimals, rounded half to even as decimal.Decimal does by default.
Variant fromDecimal(py::handle value) {
  return callingPython("the Decimal", [&] {
    if (value.attr("is_nan")().cast<bool>()) refuse(errnum::TypeMismatch, "a Decimal NaN has no currency value");
    // A currency holds about 9.2e14 with its four decimals; bigger values are refused before
    // they are scaled, which for an exponent in the millions would take long.
    bool small = value.attr("is_finite")().cast<bool>() &&
                 (value.attr("is_zero")().cast<bool>() || value.attr("adjusted")().cast<long long>() < 16);
    if (small) {
      py::int_ scaled = value.attr("scaleb")(4).attr("to_integral_value")();
      int overflow = 0;
      long long whole = PyLong_AsLongLongAndOverflow(scaled.ptr(), &overflow);
      if (overflow == 0 && !(whole == -1 && PyErr_Occurred())) return Variant(automation::Currency{whole});
      PyErr_Clear();
    }
    refuse(errnum::Overflow, "the Decimal is beyond the currency range (about 9.2e14, four decimals)");
  });
}

Variant fromDate(py::handle value) {
  automation::Date date = callingPython("the date", [&] {
    auto part = [&](const char* name) { return value.attr(name).cast<int>(); };
    if (!py::isinstance(value, datetimeModule().attr("datetime")))
      return automation::Date::fromParts(part("year"), part("month"), part("day"));
    return automation::Date::fromParts(part("year"), part("month"), part("day"), part("hour"), part("minute"),
                                       part("second"));
  });
  if (!date.inRange()) refuse(errnum::Overflow, "dates run from the year 100 to the year 9999");
  return Variant(date);
}

// Lists and tuples become arrays, nested at most kDeepest levels. A list met again while it is
// being converted contains itself and is refused; one met again after, as in [row, row], is
// converted once and shared, so that shared rows cost nothing more.
class Converter {
 public:
  Variant convert(py::handle value) {
    if (value.is_none()) return Variant();
    if (PyBool_Check(value.ptr())) return Variant(value.ptr() == Py_True);
    if (PyLong_Check(value.ptr())) return fromInt(value);
    if (PyFloat_Check(value.ptr())) return Variant(PyFloat_AS_DOUBLE(value.ptr()));
    if (PyUnicode_Check(value.ptr())) return Variant(textOf(value));
    if (py::isinstance<LateObject>(value)) return Variant(value.cast<const LateObject&>().object);
    if (py::isinstance<Array>(value)) return Variant(value.cast<const Array&>().items);
    if (PyList_Check(value.ptr()) || PyTuple_Check(value.ptr())) return fromSequence(value);
    if (callingPython("isinstance", [&] { return py::isinstance(value, decimalType()); })) return fromDecimal(value);
    if (callingPython("isinstance", [&] { return py::isinstance(value, datetimeModule().attr("date")); }))
      return fromDate(value);
    refuse(errnum::TypeMismatch, "a " + typeName(value) +
                                     ", which has no automation value; pass a number, text, bool, None, "
                                     "list, tuple, Array, Decimal, date or object");
  }

 private:
  Variant fromSequence(py::handle sequence) {
    auto done = converted_.find(sequence.ptr());
    if (done != converted_.end()) return Variant(done->second);
    if (open_.contains(sequence.ptr())) refuse(errnum::InvalidArgument, "a list that contains itself");
    if (path_.size() >= kDeepest)
      refuse(errnum::InvalidArgument, "lists nested deeper than " + std::to_string(kDeepest) + " levels");
    // A snapshot, so that Python code run by an item's conversion cannot resize what is read.
    py::tuple items = py::reinterpret_steal<py::tuple>(PySequence_Tuple(sequence.ptr()));
    if (!items) {
      PyErr_Clear();
      automation::raise(errnum::OutOfMemory);
    }
    Py_ssize_t count = PyTuple_GET_SIZE(items.ptr());
    if (count > std::numeric_limits<int32_t>::max())
      refuse(errnum::Overflow, "a list longer than an automation array can be");
    auto array = std::make_shared<automation::VariantArray>(0, static_cast<int32_t>(count) - 1);
    open_.insert(sequence.ptr());
    for (Py_ssize_t i = 0; i < count; ++i) {
      path_.push_back(i);
      try {
        (*array)(i) = convert(PyTuple_GET_ITEM(items.ptr(), i));
      } catch (const automation::AutomationError& e) {
        if (placed_) throw;
        placed_ = true;
        throw automation::AutomationError(e.number(), {}, "at " + path() + ", " + detailOf(e));
      }
      path_.pop_back();
    }
    open_.erase(sequence.ptr());
    keep_.push_back(py::reinterpret_borrow<py::object>(sequence));
    converted_.emplace(sequence.ptr(), array);
    return Variant(array);
  }

  // "[2][0]": where the item that failed stands.
  std::string path() const {
    std::string text;
    for (Py_ssize_t i : path_) text += "[" + std::to_string(i) + "]";
    return text;
  }

  static std::string detailOf(const automation::AutomationError& e) {
    std::string standard = automation::standardDescription(e.number()) + ": ";
    return e.description().starts_with(standard) ? e.description().substr(standard.size()) : e.description();
  }

  static constexpr std::size_t kDeepest = 64;
  std::vector<Py_ssize_t> path_;
  bool placed_ = false;  // the failing item's place is already in the error
  std::unordered_set<PyObject*> open_;
  std::unordered_map<PyObject*, automation::VariantArrayRef> converted_;
  std::vector<py::object> keep_;  // the converted lists stay alive while their addresses are keys
};

}  // namespace

std::string textOf(py::handle value) {
  if (!PyUnicode_Check(value.ptr())) refuse(errnum::TypeMismatch, "a " + typeName(value) + " where text is wanted");
  Py_ssize_t size = 0;
  const char* utf8 = PyUnicode_AsUTF8AndSize(value.ptr(), &size);
  if (utf8) return std::string(utf8, static_cast<std::size_t>(size));
  PyErr_Clear();
  Py_ssize_t length = PyUnicode_GET_LENGTH(value.ptr());
  Py_ssize_t at = 0;
  while (at < length && (PyUnicode_READ_CHAR(value.ptr(), at) < 0xD800 || PyUnicode_READ_CHAR(value.ptr(), at) > 0xDFFF))
    ++at;
  refuse(errnum::InvalidArgument, "the text holds a lone surrogate at position " + std::to_string(at) +
                                      ", which is no character; mend the text where it was decoded "
                                      "(errors='surrogateescape' makes them)");
}

int64_t wholeOf(py::handle value) {
  if (!PyLong_Check(value.ptr()) || PyBool_Check(value.ptr()))
    refuse(errnum::TypeMismatch, "a " + typeName(value) + " where a whole number is wanted");
  int overflow = 0;
  long long whole = PyLong_AsLongLongAndOverflow(value.ptr(), &overflow);
  if (overflow != 0) refuse(errnum::Overflow, "the number is beyond 64 bits");
  return whole;
}

Variant toVariant(py::handle value) { return Converter().convert(value); }

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
    case automation::VarType::String: {
      // Text from a file or a database may hold bytes that are not UTF-8: they show as U+FFFD.
      std::string text = value.toString();
      return py::reinterpret_steal<py::str>(
          PyUnicode_DecodeUTF8(text.data(), static_cast<Py_ssize_t>(text.size()), "replace"));
    }
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
