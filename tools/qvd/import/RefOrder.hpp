#pragma once

#include <string_view>

namespace qvdtool {

// The order of document references in the import files: piece by piece, runs of digits by their
// numeric value and everything else byte by byte, letter case and blanks aside, so that D2 comes
// before D10, 9 before 10 and d2 between D1 and D3. A REF misspelt in one of those ways therefore
// stands where the REF meant would, which leaves the near-miss hint to name it. References that
// tie so (D1, d1, "D 1", D01) are told apart by the same order on their exact text, then byte by byte.
// Negative when `a` comes first, 0 only for equal texts, positive when `b` comes first.
int compareRefs(std::string_view a, std::string_view b);

}  // namespace qvdtool
