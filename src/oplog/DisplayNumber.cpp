#include "oplog/DisplayNumber.hpp"

#include <cmath>
#include <cstdio>

#include "platform/HostSettings.hpp"

namespace qvd {

std::string displayNumber(double value, bool groupThousands) {
  double whole = std::round(value);
  if (whole == 0) return {};
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%.0f", std::fabs(whole));
  std::string digits = buffer;
  if (groupThousands) {
    const std::string& separator = automation::hostSettings().groupSeparator;
    for (std::size_t end = digits.size(); end > 3; end -= 3) digits.insert(end - 3, separator);
  }
  return whole < 0 ? "-" + digits : digits;
}

}  // namespace qvd
