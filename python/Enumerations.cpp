// The public enumerations' values as module constants (qvd.NaoIndicado, qvd.tpDefault, ...).
#include "Bindings.hpp"
#include "foundation/Enumerations.hpp"

namespace qvdpy {

void bindEnumerations(pybind11::module_& module) {
  for (const qvd::EnumerationMember& c : qvd::kEnumerationMembers) module.attr(c.name) = c.value;
}

}  // namespace qvdpy
