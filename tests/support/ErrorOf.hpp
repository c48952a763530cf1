#pragma once

#include <functional>
#include <string>

#include "platform/AutomationError.hpp"

namespace testsupport {

struct RaisedError {
  int32_t number = 0;  // 0 when nothing was raised
  std::string description;
};

// The automation error that `f` raises.
inline RaisedError errorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const automation::AutomationError& e) {
    return RaisedError{e.number(), e.description()};
  }
  return {};
}

}  // namespace testsupport
