#include "docbuild/LineIndex.hpp"

#include <limits>

#include "platform/AutomationError.hpp"

namespace qvd::docbuild {

void forEachLine(int32_t upperBound, const std::function<void(int16_t)>& body) {
  constexpr int16_t kLast = std::numeric_limits<int16_t>::max();
  if (upperBound > kLast || upperBound < std::numeric_limits<int16_t>::min())
    automation::raise(automation::errnum::Overflow);
  for (int16_t i = 1; i <= upperBound; ++i) {
    body(i);
    if (i == kLast) automation::raise(automation::errnum::Overflow);
  }
}

}  // namespace qvd::docbuild
