// The entry point of the extension module quarvelvarodav.
#include "Bindings.hpp"

PYBIND11_MODULE(quarvelvarodav, module) { qvdpy::defineModule(module); }
