#include "oplog/DisplayNumber.hpp"

#include <cmath>

#include "platform/HostSettings.hpp"

namespace qvd {

std::string displayNumber(double value, bool groupThousands) {
  double whole = std::round(value);
  if (whole == 0) return {};
  std::string digits = automation::fixedText(std::fabs(whole), 0);
  if (groupThousands) {
    const std::string separator = automation::hostSettings()->groupSeparator;
    for (std::size_t end = digits.size(); end > 3; end -= 3) digits.insert(end - 3, separator);
  }
  return whole < 0 ? "-" + digits : digits;
}

}  // namespace qvd
