#pragma once

// Python values as automation variants and back.
#include <pybind11/pybind11.h>

#include "platform/Variant.hpp"

namespace qvdpy {

namespace py = pybind11;

// An automation array as Python sees it: shared with every variant that carries it, so a
// by-reference argument written by the callee is seen through the same Python object.
struct Array {
  automation::VariantArrayRef items;
};

// None is Empty; a list or tuple is an array whose first item has index 0; an int outside the
// 32-bit range travels as a double. Anything else raises 13.
automation::Variant toVariant(py::handle value);

// Empty and Null are None; objects and records become late-bound objects, arrays Array, currency
// decimal.Decimal and dates datetime.datetime.
py::object fromVariant(const automation::Variant& value);

}  // namespace qvdpy
