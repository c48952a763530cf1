#pragma once
// The automation currency value type. A plain value: copy it freely, on any thread.

#include <cstdint>
#include <compare>

namespace automation {

// A currency amount: a 64-bit integer scaled by 10 000 (four decimals).
struct Currency {
  int64_t scaled = 0;

  static Currency fromDouble(double value);  // rounds half to even; raises 6 out of range
  double toDouble() const { return static_cast<double>(scaled) / 10000.0; }
  auto operator<=>(const Currency&) const = default;
};

}  // namespace automation
