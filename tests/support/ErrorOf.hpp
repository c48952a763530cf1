#pragma once

#include <cstdint>
#include <functional>

#include "platform/AutomationError.hpp"

namespace testing_support {

// The automation error number that `f` raises, 0 when it raises none.
inline int32_t errorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const automation::AutomationError& e) {
    return e.number();
  }
  return 0;
}

}  // namespace testing_support
