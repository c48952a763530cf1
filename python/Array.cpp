// The automation array class for Python: explicit bounds, indexed from its lower bound.
#include <pybind11/stl.h>

#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "Bindings.hpp"
#include "Errors.hpp"
#include "Values.hpp"
#include "platform/AutomationError.hpp"

namespace qvdpy {
namespace {

using automation::Variant;
using automation::VariantArray;
namespace errnum = automation::errnum;

// Errors name the module and the member: "quarvelvarodav: Array.dim".
constexpr const char* kModule = "quarvelvarodav";
// Deeper arrays are shown as Array(...) and not compared: the walk would use the stack.
constexpr int kDeepestShown = 64;

int32_t bound(py::handle value, const char* member, int32_t position) {
  return takingArgument(kModule, member, position, [&] {
    int64_t whole = wholeOf(value);
    if (whole < std::numeric_limits<int32_t>::min() || whole > std::numeric_limits<int32_t>::max())
      automation::raise(errnum::Overflow, "Overflow: a bound is a 32-bit number");
    return static_cast<int32_t>(whole);
  });
}

Array fromItems(py::handle items, py::handle lowerBound) {
  int32_t lower = bound(lowerBound, "Array", 2);
  Variant converted = takingArgument(kModule, "Array", 1, [&] {
    if (!PyList_Check(items.ptr()) && !PyTuple_Check(items.ptr())) {
      // Any other iterable is read once into a list; reading it may fail like any Python code.
      py::object list = py::reinterpret_steal<py::object>(PySequence_List(items.ptr()));
      if (!list) {
        py::error_already_set raised;
        automation::raise(errnum::TypeMismatch,
                          std::string("Type mismatch: the items are to be a list, tuple or other iterable (") +
                              raised.what() + ")");
      }
      return toVariant(list);
    }
    return toVariant(items);
  });
  automation::VariantArrayRef read = converted.toArray();
  int64_t upper = int64_t{lower} + static_cast<int64_t>(read->size()) - 1;
  if (upper > std::numeric_limits<int32_t>::max() || upper < std::numeric_limits<int32_t>::min())
    throw automation::argumentError(
        automation::AutomationError(errnum::Overflow, {}, "the bounds would lie beyond the 32-bit range"), kModule,
        "Array", 2);
  if (lower == 0) return Array{read};
  auto array = std::make_shared<VariantArray>(lower, static_cast<int32_t>(upper));
  for (int64_t i = 0; i < static_cast<int64_t>(read->size()); ++i) (*array)(lower + i) = (*read)(i);
  return Array{array};
}

Array dimensioned(py::handle lowerBound, py::handle upperBound) {
  int32_t lower = bound(lowerBound, "Array.dim", 1);
  int32_t upper = bound(upperBound, "Array.dim", 2);
  return takingArgument(kModule, "Array.dim", 2, [&] { return Array{std::make_shared<VariantArray>(lower, upper)}; });
}

// Whether `target` is `from` or an array inside it, however deep.
bool reaches(const Variant& from, const VariantArray* target) {
  if (!from.isArray()) return false;
  std::vector<automation::VariantArrayRef> pending{from.toArray()};
  std::unordered_set<const VariantArray*> seen;
  while (!pending.empty()) {
    automation::VariantArrayRef array = std::move(pending.back());
    pending.pop_back();
    if (array.get() == target) return true;
    if (!array->isDimensioned() || !seen.insert(array.get()).second) continue;
    for (int64_t i = array->lbound(); i <= array->ubound(); ++i)
      if ((*array)(i).isArray()) pending.push_back((*array)(i).toArray());
  }
  return false;
}

void setItem(const Array& self, py::handle index, py::handle value) {
  int64_t at = takingArgument(kModule, "Array.__setitem__", 1, [&] { return wholeOf(index); });
  // Converting may run Python code; the element is reached only after.
  Variant converted = takingArgument(kModule, "Array.__setitem__", 2, [&] { return toVariant(value); });
  if (reaches(converted, self.items.get()))
    throw automation::argumentError(
        automation::AutomationError(errnum::InvalidArgument, {}, "an array cannot hold itself"), kModule,
        "Array.__setitem__", 2);
  takingArgument(kModule, "Array.__setitem__", 1, [&] { (*self.items)(at) = std::move(converted); });
}

py::list items(const Array& self) {
  py::list out;
  if (!self.items->isDimensioned()) return out;
  for (int64_t i = self.items->lbound(); i <= self.items->ubound(); ++i) out.append(fromVariant((*self.items)(i)));
  return out;
}

// How deep the repr or comparison under way has gone.
class Nesting {
 public:
  Nesting() { ++depth_; }
  ~Nesting() { --depth_; }
  Nesting(const Nesting&) = delete;
  Nesting& operator=(const Nesting&) = delete;
  bool tooDeep() const { return depth_ > kDeepestShown; }

 private:
  static inline int depth_ = 0;
};

std::string describe(const Array& self) {
  Nesting nesting;
  if (nesting.tooDeep()) return "Array(...)";
  if (!self.items->isDimensioned()) return "Array()";
  return "Array(" + py::repr(items(self)).cast<std::string>() + ", lower=" + std::to_string(self.items->lbound()) + ")";
}

bool equal(const Array& self, const Array& other) {
  Nesting nesting;
  if (nesting.tooDeep())
    automation::raise(errnum::InvalidArgument,
                      "Invalid procedure call or argument: arrays nested deeper than " + std::to_string(kDeepestShown) +
                          " levels are not compared",
                      automation::memberSource(kModule, "Array.__eq__"));
  return self.items->isDimensioned() == other.items->isDimensioned() &&
         (!self.items->isDimensioned() || self.items->lbound() == other.items->lbound()) &&
         items(self).equal(items(other));
}

}  // namespace

void bindArray(py::module_& module) {
  py::class_<Array>(module, "Array",
                    "An automation array with its own bounds: Array(items, lower=0) puts the first item at `lower`; "
                    "Array.dim(lower, upper) makes one of empty elements. A plain list passed to a call is an array "
                    "whose first item has index 0.")
      .def(py::init(&fromItems), py::arg("items") = py::list(), py::arg("lower") = 0)
      .def_static("dim", &dimensioned, py::arg("lower"), py::arg("upper"))
      .def_property_readonly("lower", [](const Array& self) { return self.items->lbound(); })
      .def_property_readonly("upper", [](const Array& self) { return self.items->ubound(); })
      .def("__len__", [](const Array& self) { return self.items->size(); })
      .def("__getitem__",
           [](const Array& self, py::handle index) {
             Variant item = takingArgument(kModule, "Array.__getitem__", 1, [&] { return (*self.items)(wholeOf(index)); });
             return fromVariant(item);
           })
      .def("__setitem__", &setItem)
      .def("__iter__", [](const Array& self) { return py::iter(items(self)); })
      .def("__eq__", &equal, py::is_operator())
      .def("__repr__", &describe)
      .def("tolist", &items, "The elements from the lower bound up, as a list.");
}

}  // namespace qvdpy
