#include "platform/Text.hpp"

#include <cstdint>

#include "platform/AutomationError.hpp"
#include "platform/System.hpp"

namespace automation::text {
namespace {

bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Byte offset of the character after `count` characters from the start.
std::size_t offsetOf(std::string_view s, std::size_t count) {
  std::size_t i = 0;
  while (i < s.size() && count > 0) {
    ++i;
    while (i < s.size() && isContinuation(static_cast<unsigned char>(s[i]))) ++i;
    --count;
  }
  return i;
}

// The code point at `i`, advancing past it; -1 (past one byte) when the bytes there are no UTF-8:
// a bad lead or continuation byte, a cut sequence, an overlong form, a surrogate or past U+10FFFF.
int32_t decode(std::string_view s, std::size_t& i) {
  auto lead = static_cast<unsigned char>(s[i]);
  std::size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead < 0xE0 ? 2 : lead >= 0xE0 && lead < 0xF0 ? 3
                                         : lead >= 0xF0 && lead < 0xF5 ? 4 : 0;
  if (length == 0 || s.size() - i < length) {
    ++i;
    return -1;
  }
  int32_t cp = length == 1 ? lead : lead & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) {
    auto next = static_cast<unsigned char>(s[i + k]);
    if (!isContinuation(next)) {
      ++i;
      return -1;
    }
    cp = (cp << 6) | (next & 0x3F);
  }
  static constexpr int32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < kSmallest[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp < 0xE000)) {
    ++i;
    return -1;
  }
  i += length;
  return cp;
}

void encode(char32_t cp, std::string& out) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

char asciiLower(unsigned char b) { return static_cast<char>(b >= 'A' && b <= 'Z' ? b + 32 : b); }

// Byte offset of the first byte that is no UTF-8, or npos.
std::size_t firstInvalid(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    if (static_cast<unsigned char>(s[i]) < 0x80) {
      ++i;
      continue;
    }
    std::size_t at = i;
    if (decode(s, i) < 0) return at;
  }
  return std::string_view::npos;
}

}  // namespace

std::size_t length(std::string_view s) {
  std::size_t n = 0;
  for (char c : s)
    if (!isContinuation(static_cast<unsigned char>(c))) ++n;
  return n;
}

std::string left(std::string_view s, std::size_t n) { return std::string(s.substr(0, offsetOf(s, n))); }

std::string right(std::string_view s, std::size_t n) {
  std::size_t len = length(s);
  return len <= n ? std::string(s) : std::string(s.substr(offsetOf(s, len - n)));
}

std::string mid(std::string_view s, std::size_t start, std::size_t n) {
  if (start == 0) start = 1;
  std::size_t from = offsetOf(s, start - 1);
  std::string_view rest = s.substr(from);
  return n == std::string_view::npos ? std::string(rest) : std::string(rest.substr(0, offsetOf(rest, n)));
}

std::string fit(std::string_view s, std::size_t width) {
  std::string out = left(s, width);
  out.append(width - length(out), ' ');
  return out;
}

std::string alignRight(std::string_view s, std::size_t width) {
  return right(std::string(width, ' ') + std::string(s), width);
}

std::string trim(std::string_view s) {
  std::size_t b = s.find_first_not_of(' ');
  if (b == std::string_view::npos) return {};
  std::size_t e = s.find_last_not_of(' ');
  return std::string(s.substr(b, e - b + 1));
}

bool isUtf8(std::string_view s) { return firstInvalid(s) == std::string_view::npos; }

void requireUtf8(std::string_view s, std::string_view what) {
  std::size_t at = firstInvalid(s);
  if (at == std::string_view::npos) return;
  static const char* digits = "0123456789ABCDEF";
  auto byte = static_cast<unsigned char>(s[at]);
  raise(errnum::InvalidArgument, std::string(what) + " is not UTF-8: byte " + std::to_string(at + 1) + " (0x" +
                                     digits[byte >> 4] + digits[byte & 15] + ") after '" +
                                     std::string(s.substr(0, at)) + "' starts no character; pass the text as UTF-8.");
}

std::string foldCase(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    // Names and keys are mostly ASCII, which needs no table: every object created by name and
    // every keyed look-up folds one.
    auto b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) {
      out += asciiLower(b);
      ++i;
      continue;
    }
    int32_t cp = decode(s, i);
    if (cp < 0) requireUtf8(s, "Text compared ignoring case");
    encode(system::lowerCase(static_cast<char32_t>(cp)), out);
  }
  return out;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  if (a == b) return true;
  if (!isUtf8(a) || !isUtf8(b)) return false;
  return foldCase(a) == foldCase(b);
}

FoldedName::FoldedName(std::string_view name) {
  if (name.size() <= sizeof buffer_) {
    bool ascii = true;
    for (std::size_t i = 0; i < name.size() && ascii; ++i) {
      auto c = static_cast<unsigned char>(name[i]);
      ascii = c < 0x80;
      buffer_[i] = asciiLower(c);
    }
    if (ascii) {
      view_ = std::string_view(buffer_, name.size());
      return;
    }
  }
  heap_ = foldCase(name);
  view_ = heap_;
}

std::string replaceAll(std::string_view s, std::string_view from, std::string_view to) {
  if (from.empty()) return std::string(s);
  std::string out;
  std::size_t pos = 0;
  for (std::size_t hit; (hit = s.find(from, pos)) != std::string_view::npos; pos = hit + from.size()) {
    out.append(s.substr(pos, hit - pos));
    out.append(to);
  }
  out.append(s.substr(pos));
  return out;
}

std::string toLatin1(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    int32_t cp = decode(s, i);
    out += cp >= 0 && cp <= 0xFF ? static_cast<char>(cp) : '?';
  }
  return out;
}

std::string sqlQuoted(std::string_view value) { return replaceAll(value, "'", "''"); }

}  // namespace automation::text
