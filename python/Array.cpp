// The automation array class for Python: explicit bounds, indexed from its lower bound.
#include <pybind11/stl.h>

#include <memory>
#include <string>

#include "Bindings.hpp"
#include "Values.hpp"
#include "platform/AutomationError.hpp"

namespace qvdpy {
namespace {

using automation::VariantArray;

Array fromItems(const py::iterable& items, int32_t lower) {
  py::list list(items);
  auto array = std::make_shared<VariantArray>(lower, static_cast<int32_t>(lower + py::len(list) - 1));
  int32_t i = lower;
  for (py::handle item : list) (*array)(i++) = toVariant(item);
  return Array{array};
}

py::list items(const Array& self) {
  py::list out;
  if (!self.items->isDimensioned()) return out;
  for (int32_t i = self.items->lbound(); i <= self.items->ubound(); ++i) out.append(fromVariant((*self.items)(i)));
  return out;
}

std::string describe(const Array& self) {
  if (!self.items->isDimensioned()) return "Array()";
  return "Array(" + py::repr(items(self)).cast<std::string>() + ", lower=" + std::to_string(self.items->lbound()) + ")";
}

}  // namespace

void bindArray(py::module_& module) {
  py::class_<Array>(module, "Array",
                    "An automation array with its own bounds: Array(items, lower=0) puts the first item at `lower`; "
                    "Array.dim(lower, upper) makes one of empty elements. A plain list passed to a call is an array "
                    "whose first item has index 0.")
      .def(py::init(&fromItems), py::arg("items") = py::list(), py::arg("lower") = 0)
      .def_static(
          "dim", [](int32_t lower, int32_t upper) { return Array{std::make_shared<VariantArray>(lower, upper)}; },
          py::arg("lower"), py::arg("upper"))
      .def_property_readonly("lower", [](const Array& self) { return self.items->lbound(); })
      .def_property_readonly("upper", [](const Array& self) { return self.items->ubound(); })
      .def("__len__", [](const Array& self) { return self.items->size(); })
      .def("__getitem__", [](const Array& self, int64_t index) { return fromVariant((*self.items)(index)); })
      .def("__setitem__",
           [](const Array& self, int64_t index, py::handle value) { (*self.items)(index) = toVariant(value); })
      .def("__iter__", [](const Array& self) { return py::iter(items(self)); })
      .def("__eq__",
           [](const Array& self, const Array& other) {
             return self.items->isDimensioned() == other.items->isDimensioned() &&
                    (!self.items->isDimensioned() || self.items->lbound() == other.items->lbound()) &&
                    items(self).equal(items(other));
           })
      .def("__repr__", &describe)
      .def("tolist", &items, "The elements from the lower bound up, as a list.");
}

}  // namespace qvdpy
