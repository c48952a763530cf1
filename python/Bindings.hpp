#pragma once

// The Python classes of the module, each bound by its own file.
#include <pybind11/pybind11.h>

namespace qvdpy {

void bindObjects(pybind11::module_& module);  // Object and Member
void bindArray(pybind11::module_& module);    // Array
void bindEnumerations(pybind11::module_& module);  // the enumerations' values

}  // namespace qvdpy
