#pragma once

// The errors late binding itself raises (438, 450, and an argument the member cannot take), placed
// at the class and member called so that every host reports where the call went wrong.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/AutomationError.hpp"

namespace automation {

// "BAL_Next: CF_DocGenInserir": the source of every error below.
std::string memberSource(std::string_view className, std::string_view member);

[[noreturn]] void raiseUnknownMember(std::string_view className, std::string_view member);
// 438 for a property that has no put, or that has nothing but a put.
[[noreturn]] void raiseNotAssignable(std::string_view className, std::string_view member);
[[noreturn]] void raiseNotReadable(std::string_view className, std::string_view member);
// 450: `given` arguments to a member that takes `least` to `most`.
[[noreturn]] void raiseArgumentCount(std::string_view className, std::string_view member, std::size_t given,
                                     std::size_t least, std::size_t most);

// Arguments given by name: 448 for a name the member has no parameter of, 450 for a parameter
// given twice, 449 for one left out before another given.
[[noreturn]] void raiseNamedArgumentNotFound(std::string_view className, std::string_view member,
                                             std::string_view name);
[[noreturn]] void raiseArgumentGivenTwice(std::string_view className, std::string_view member,
                                          std::string_view parameter);
[[noreturn]] void raiseArgumentNotOptional(std::string_view className, std::string_view member,
                                           std::string_view parameter);

// "a String where a Long is wanted", from the runtime's type names.
std::string mismatch(std::string_view given, std::string_view wanted);

// `cause`, raised while taking argument `position` (from 1) of `member`, as the caller sees it:
// the same number, the member's source, the argument's position, and a description naming the
// argument followed by what was wrong with it (cause's own text, unless it is only the runtime's
// standard text).
AutomationError argumentError(const AutomationError& cause, std::string_view className, std::string_view member,
                              int32_t position);
// The same for the value of a property put, which is the put's one argument.
AutomationError assignedValueError(const AutomationError& cause, std::string_view className, std::string_view member);

}  // namespace automation
