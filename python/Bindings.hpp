#pragma once

// The Python classes of the module, each bound by its own file.
#include <pybind11/pybind11.h>

namespace qvdpy {

void bindObjects(pybind11::module_& module);  // Object and Member
void bindArray(pybind11::module_& module);    // Array
void bindEnumerations(pybind11::module_& module);  // the enumerations' values

// Everything the module quarvelvarodav holds, defined in `module`: by the extension module's entry
// point, and by programs that embed the interpreter (the fuzz target).
void defineModule(pybind11::module_& module);

}  // namespace qvdpy
