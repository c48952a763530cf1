#pragma once

#include <string_view>

namespace qvdtool {

// The order of document references in the import files: piece by piece, runs of digits by their
// numeric value and everything else byte by byte, so that D2 comes before D10 and 9 before 10.
// References that only differ in leading zeros are told apart byte by byte.
// Negative when `a` comes first, 0 only for equal texts, positive when `b` comes first.
int compareRefs(std::string_view a, std::string_view b);

}  // namespace qvdtool
