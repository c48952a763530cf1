#pragma once

// Automation errors as Python exceptions.
#include <pybind11/pybind11.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/AutomationError.hpp"
#include "platform/LateBindingErrors.hpp"

namespace qvdpy {

// Defines Error (number, source, description, argument) and UnknownMember (438, also an
// AttributeError) in `module`, and turns every automation error that reaches Python into one of
// them.
void bindErrors(pybind11::module_& module);

// Raises UnknownMember for `member` of `className`, naming both.
[[noreturn]] void raiseUnknownMember(const std::string& className, const std::string& member);

// Runs `convert`, which takes argument `position` of `member` (the value assigned when
// `position` is 0); an automation error it raises leaves placed at that argument.
template <class Convert>
decltype(auto) takingArgument(std::string_view className, std::string_view member, int32_t position,
                              Convert&& convert) {
  try {
    return convert();
  } catch (const automation::AutomationError& e) {
    if (position == 0) throw automation::assignedValueError(e, className, member);
    throw automation::argumentError(e, className, member, position);
  }
}

}  // namespace qvdpy
