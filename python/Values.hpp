#pragma once

// Python values as automation variants and back. Conversions raise automation errors only.
#include <pybind11/pybind11.h>

#include <cstdint>
#include <string>

#include "platform/Variant.hpp"

namespace qvdpy {

namespace py = pybind11;

// An automation array as Python sees it: shared with every variant that carries it, so a
// by-reference argument written by the callee is seen through the same Python object.
struct Array {
  automation::VariantArrayRef items;
};

// None is Empty; a list or tuple is an array whose first item has index 0; an int outside the
// 32-bit range travels as a Double when one holds it exactly (6 otherwise). A value with no
// automation form raises 13; a list that contains itself, or lists nested too deep, raise 5;
// text with a lone surrogate raises 5. The error names the nested item that failed.
automation::Variant toVariant(py::handle value);

// A str as UTF-8 (13 for anything else, 5 for a lone surrogate).
std::string textOf(py::handle value);
// A Python int (not a bool) as a 64-bit number: 13 for anything else, 6 beyond 64 bits.
int64_t wholeOf(py::handle value);

// Empty and Null are None; objects and records become late-bound objects, arrays Array, currency
// decimal.Decimal and dates datetime.datetime.
py::object fromVariant(const automation::Variant& value);

}  // namespace qvdpy
