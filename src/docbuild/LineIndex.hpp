#pragma once

#include <cstdint>
#include <functional>

namespace qvd::docbuild {

// Runs `body` for the lines 1 to `upperBound` with the 16-bit line index of the array-driven
// operations: a bound outside the 16-bit range overflows (6) before the first line, and a bound
// of exactly 32767 runs every line and then overflows as the index steps past it.
void forEachLine(int32_t upperBound, const std::function<void(int16_t)>& body);

}  // namespace qvd::docbuild
