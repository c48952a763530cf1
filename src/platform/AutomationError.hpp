#pragma once
// Run-time errors as the automation platform carries them, and the trap that re-raises them with a
// new source. Values: copy them freely, on any thread.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace automation {

// Error numbers of the automation runtime that the library raises or relies on.
namespace errnum {
inline constexpr int32_t InvalidArgument = 5;
inline constexpr int32_t Overflow = 6;
inline constexpr int32_t OutOfMemory = 7;
inline constexpr int32_t SubscriptOutOfRange = 9;
inline constexpr int32_t TypeMismatch = 13;
inline constexpr int32_t ObjectNotSet = 91;
inline constexpr int32_t InvalidUseOfNull = 94;
inline constexpr int32_t CannotCreateObject = 429;
inline constexpr int32_t MemberNotSupported = 438;
inline constexpr int32_t AutomationFailure = 440;
inline constexpr int32_t NamedArgumentNotFound = 448;
inline constexpr int32_t ArgumentNotOptional = 449;
inline constexpr int32_t WrongArgumentCount = 450;
inline constexpr int32_t DuplicateKey = 457;
inline constexpr int32_t ItemNotFound = 3265;
}  // namespace errnum

// The runtime's text for an error number ("Overflow", "Type mismatch", ...).
std::string standardDescription(int32_t number);

// A run-time error as the automation platform carries it: number, source, description, and for
// an argument the call could not take, that argument's position.
class AutomationError : public std::runtime_error {
 public:
  AutomationError(int32_t number, std::string source, std::string description, int32_t argument = 0);

  int32_t number() const noexcept { return number_; }
  const std::string& source() const noexcept { return source_; }
  const std::string& description() const noexcept { return description_; }
  // 1 for the call's first argument (or the value of a property put), 0 when no argument is at
  // fault. A host whose arguments travel last first reports (argument count - this).
  int32_t argument() const noexcept { return argument_; }

 private:
  int32_t number_;
  std::string source_;
  std::string description_;
  int32_t argument_;
};

// Raises `number`; an empty description takes the runtime's standard text.
[[noreturn]] void raise(int32_t number, std::string description = {}, std::string source = {});

// Any exception in flight as an automation error (other C++ exceptions become 440 or 7).
AutomationError currentError();

// "Trap, clear, raise again with a new source": runs `body`; any error leaves with the same
// number and description and the source `source`.
template <class Body>
decltype(auto) withSource(std::string_view source, Body&& body) {
  try {
    return std::forward<Body>(body)();
  } catch (...) {
    AutomationError e = currentError();
    throw AutomationError(e.number(), std::string(source), e.description());
  }
}

// "Ignore the error of this one statement": returns the error number it swallowed, 0 if none.
template <class Statement>
int32_t ignoreError(Statement&& statement) noexcept {
  try {
    std::forward<Statement>(statement)();
    return 0;
  } catch (...) {
    try {
      return currentError().number();
    } catch (...) {
      return errnum::AutomationFailure;
    }
  }
}

}  // namespace automation
