#pragma once

#include <string>

namespace qvd {

// A number as the display patterns "#####" (whole, no grouping) and "########,##" (whole, digits
// grouped in thousands with the host's group separator) show it: rounded half away from zero,
// a leading "-" when negative, and empty text when it rounds to zero.
std::string displayNumber(double value, bool groupThousands);

}  // namespace qvd
