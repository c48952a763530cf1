#include "import/NearMisses.hpp"

#include <cctype>

#include "platform/Excerpt.hpp"
#include "platform/Text.hpp"

namespace qvdtool {

namespace {

// Letter case folded, blanks dropped, leading zeros of each run of digits dropped.
std::string normalised(const std::string& ref) {
  std::string folded = automation::text::foldCase(ref), out;
  bool inDigits = false;
  for (std::size_t i = 0; i < folded.size(); ++i) {
    char c = folded[i];
    if (std::isspace(static_cast<unsigned char>(c))) continue;
    bool digit = std::isdigit(static_cast<unsigned char>(c)) != 0;
    bool nextIsDigit = i + 1 < folded.size() && std::isdigit(static_cast<unsigned char>(folded[i + 1]));
    if (digit && !inDigits && c == '0' && nextIsDigit) continue;
    inDigits = digit;
    out += c;
  }
  return out;
}

std::string other(const std::multimap<std::string, std::string>& refs, const InputDocument& document) {
  auto [first, last] = refs.equal_range(normalised(document.ref));
  for (auto it = first; it != last; ++it)
    if (it->second != document.ref) return it->second;
  return {};
}

}  // namespace

void NearMisses::note(const InputDocument& document) {
  if (!document.header)
    withoutHeader_.emplace(normalised(document.ref), document.ref);
  else if (document.lines.empty())
    headerOnly_.emplace(normalised(document.ref), document.ref);
}

std::string NearMisses::hintFor(const InputDocument& document) const {
  if (!document.header) {
    std::string meant = other(headerOnly_, document);
    return meant.empty() ? ""
                         : " (did you mean REF " + automation::text::quoted(meant) + ", whose header has no lines?)";
  }
  if (!document.lines.empty()) return {};
  std::string meant = other(withoutHeader_, document);
  return meant.empty() ? ""
                       : " (were its lines given as REF " + automation::text::quoted(meant) + ", which has no header?)";
}

}  // namespace qvdtool
