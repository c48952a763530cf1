#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/AutomationError.hpp"

namespace testing_support {

struct RaisedError {
  int32_t number = 0;  // 0 when nothing was raised
  std::string description;
  std::string source;
  int32_t argument = 0;  // the position of the argument at fault, 0 for none

  // "<number> <source>", and that followed by ": <description>", to compare them at once.
  std::string numberAndSource() const { return std::to_string(number) + " " + source; }
  std::string text() const { return numberAndSource() + ": " + description; }
};

// The number, description and source of the automation error that `f` raises.
inline RaisedError raisedBy(const std::function<void()>& f) {
  try {
    f();
  } catch (const automation::AutomationError& e) {
    return RaisedError{e.number(), e.description(), e.source(), e.argument()};
  }
  return {};
}

// The automation error number that `f` raises, 0 when it raises none.
inline int32_t errorOf(const std::function<void()>& f) { return raisedBy(f).number; }

}  // namespace testing_support
