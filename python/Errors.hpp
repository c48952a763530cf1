#pragma once

// Automation errors as Python exceptions.
#include <pybind11/pybind11.h>

#include <string>

namespace qvdpy {

// Defines Error (number, source, description) and UnknownMember (438, also an AttributeError)
// in `module`, and turns every automation error that reaches Python into one of them.
void bindErrors(pybind11::module_& module);

// Raises UnknownMember for `member` of `className`, naming both.
[[noreturn]] void raiseUnknownMember(const std::string& className, const std::string& member);

}  // namespace qvdpy
