#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Text helpers that count characters (code points of UTF-8 text), not bytes.
namespace automation::text {

std::size_t length(std::string_view s);

// The first `n` characters (all of them when there are fewer).
std::string left(std::string_view s, std::size_t n);

// The last `n` characters.
std::string right(std::string_view s, std::size_t n);

// Characters from 1-based `start`, at most `n` of them (npos: to the end).
std::string mid(std::string_view s, std::size_t start, std::size_t n = std::string_view::npos);

// Padded with blanks on the right or cut to exactly `width` characters.
std::string fit(std::string_view s, std::size_t width);

// Right-aligned in `width` characters: blanks in front, and only the last `width` characters kept.
std::string alignRight(std::string_view s, std::size_t width);

// Without blanks at both ends.
std::string trim(std::string_view s);

// True when `s` is well-formed UTF-8: no stray, cut, overlong or surrogate sequences.
bool isUtf8(std::string_view s);

// Raises 5 when `s` is not UTF-8, saying which byte is wrong and that `what` must be UTF-8.
void requireUtf8(std::string_view s, std::string_view what);

// Letter case folded to lower case by the Unicode tables ("ÁGUA" -> "água", "İ" -> "i").
// Raises 5 when `s` is not UTF-8.
std::string foldCase(std::string_view s);

// Equal ignoring letter case; text that is not UTF-8 equals only the very same bytes.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

// A name folded as foldCase folds it, without allocating when it is short plain ASCII: keyed
// look-ups of fields and members fold one per access.
class FoldedName {
 public:
  explicit FoldedName(std::string_view name);
  FoldedName(const FoldedName&) = delete;
  FoldedName& operator=(const FoldedName&) = delete;
  std::string_view view() const noexcept { return view_; }

 private:
  char buffer_[64];
  std::string heap_;
  std::string_view view_;
};

// Every occurrence of `from` replaced by `to`.
std::string replaceAll(std::string_view s, std::string_view from, std::string_view to);

// The text in Latin-1 bytes; a character outside Latin-1 becomes "?".
std::string toLatin1(std::string_view s);

// A value to embed between single quotes in SQL text: each quote doubled.
std::string sqlQuoted(std::string_view value);

}  // namespace automation::text
