#include "import/RefOrder.hpp"

#include <cctype>
#include <string>

#include "platform/Text.hpp"

namespace qvdtool {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The digit run starting at `i`, without its leading zeros; `i` moves past the run.
std::string_view digitRun(std::string_view s, std::size_t& i) {
  std::size_t start = i;
  while (i < s.size() && isDigit(s[i])) ++i;
  std::size_t first = start;
  while (first + 1 < i && s[first] == '0') ++first;
  return s.substr(first, i - first);
}

// Piece by piece: digit runs by value, the rest byte by byte; 0 when they differ only in
// leading zeros.
int naturalOrder(std::string_view a, std::string_view b) {
  std::size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    if (isDigit(a[i]) && isDigit(b[j])) {
      std::string_view x = digitRun(a, i), y = digitRun(b, j);
      if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
      if (int c = x.compare(y)) return c;
      continue;
    }
    if (a[i] != b[j]) return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[j]) ? -1 : 1;
    ++i;
    ++j;
  }
  if (i < a.size() || j < b.size()) return i < a.size() ? 1 : -1;
  return 0;
}

// Letter case folded and blanks dropped: the differences a misspelt REF most often has.
std::string loose(std::string_view ref) {
  std::string folded = automation::text::foldCase(ref), out;
  for (char c : folded)
    if (!std::isspace(static_cast<unsigned char>(c))) out += c;
  return out;
}

}  // namespace

int compareRefs(std::string_view a, std::string_view b) {
  if (a == b) return 0;
  if (int c = naturalOrder(loose(a), loose(b))) return c;
  if (int c = naturalOrder(a, b)) return c;
  return a.compare(b) < 0 ? -1 : 1;
}

}  // namespace qvdtool
