#include "platform/Currency.hpp"

#include <cmath>

#include "platform/AutomationError.hpp"

namespace automation {

Currency Currency::fromDouble(double value) {
  double scaled = std::nearbyint(value * 10000.0);
  if (!(scaled >= -9.2233720368547758e18 && scaled < 9.2233720368547758e18)) raise(errnum::Overflow);
  return Currency{static_cast<int64_t>(scaled)};
}

}  // namespace automation
