// The texts of the errors late binding raises.
#include "platform/LateBindingErrors.hpp"

#include <cassert>

namespace automation {
namespace {

std::string withArticle(std::string_view noun) {
  bool vowel = !noun.empty() && std::string_view("AEIOUaeiou").find(noun.front()) != std::string_view::npos;
  return (vowel ? "an " : "a ") + std::string(noun);
}

// What `cause` says beyond the runtime's standard text for its number.
std::string detailOf(const AutomationError& cause) {
  const std::string standard = standardDescription(cause.number());
  std::string_view text = cause.description();
  if (text.starts_with(standard)) text.remove_prefix(standard.size());
  if (text.starts_with(": ")) text.remove_prefix(2);
  return std::string(text);
}

AutomationError placed(const AutomationError& cause, std::string_view className, std::string_view member,
                       int32_t position, const std::string& where) {
  std::string detail = detailOf(cause);
  return AutomationError(cause.number(), memberSource(className, member),
                         standardDescription(cause.number()) + " in " + where + (detail.empty() ? "" : ": " + detail),
                         position);
}

// Raises `number` at the member with the runtime's standard text followed by `detail`.
[[noreturn]] void raiseAt(int32_t number, std::string_view className, std::string_view member,
                          const std::string& detail) {
  raise(number, standardDescription(number) + ": " + detail, memberSource(className, member));
}

}  // namespace

std::string memberSource(std::string_view className, std::string_view member) {
  return std::string(className) + ": " + std::string(member);
}

void raiseUnknownMember(std::string_view className, std::string_view member) {
  raiseAt(errnum::MemberNotSupported, className, member,
          std::string(className) + " has no member '" + std::string(member) + "'");
}

void raiseNotAssignable(std::string_view className, std::string_view member) {
  raiseAt(errnum::MemberNotSupported, className, member,
          std::string(member) + " of " + std::string(className) + " can be read but not assigned");
}

void raiseNotReadable(std::string_view className, std::string_view member) {
  raiseAt(errnum::MemberNotSupported, className, member,
          std::string(member) + " of " + std::string(className) + " can be assigned but not read");
}

void raiseArgumentCount(std::string_view className, std::string_view member, std::size_t given, std::size_t least,
                        std::size_t most) {
  assert(least <= most);
  std::string takes = least == most ? std::to_string(most) : std::to_string(least) + " to " + std::to_string(most);
  raiseAt(errnum::WrongArgumentCount, className, member,
          std::string(member) + " takes " + takes + (most == 1 ? " argument, " : " arguments, ") +
              std::to_string(given) + " given");
}

void raiseNamedArgumentNotFound(std::string_view className, std::string_view member, std::string_view name) {
  raiseAt(errnum::NamedArgumentNotFound, className, member,
          std::string(member) + " has no parameter '" + std::string(name) + "'");
}

void raiseArgumentGivenTwice(std::string_view className, std::string_view member, std::string_view parameter) {
  raiseAt(errnum::WrongArgumentCount, className, member,
          std::string(parameter) + " of " + std::string(member) + " is given twice");
}

void raiseArgumentNotOptional(std::string_view className, std::string_view member, std::string_view parameter) {
  raiseAt(errnum::ArgumentNotOptional, className, member,
          std::string(parameter) + " of " + std::string(member) + " is left out");
}

std::string mismatch(std::string_view given, std::string_view wanted) {
  return withArticle(given == "Variant()" ? "array" : given) + " where " + withArticle(wanted) + " is wanted";
}

AutomationError argumentError(const AutomationError& cause, std::string_view className, std::string_view member,
                              int32_t position) {
  assert(position >= 1);
  return placed(cause, className, member, position,
                "argument " + std::to_string(position) + " of " + std::string(member));
}

AutomationError assignedValueError(const AutomationError& cause, std::string_view className, std::string_view member) {
  return placed(cause, className, member, 1, "the value assigned to " + std::string(member));
}

}  // namespace automation
