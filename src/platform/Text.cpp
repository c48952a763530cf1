#include "platform/Text.hpp"

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

char32_t decode(std::string_view s, std::size_t& i) {
  auto b = static_cast<unsigned char>(s[i++]);
  int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : 0;
  char32_t cp = extra == 3 ? (b & 0x07) : extra == 2 ? (b & 0x0F) : extra == 1 ? (b & 0x1F) : b;
  for (; extra > 0 && i < s.size() && isContinuation(static_cast<unsigned char>(s[i])); --extra)
    cp = (cp << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
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

char32_t lower(char32_t c) {
  if (c >= 'A' && c <= 'Z') return c + 32;
  if (c < 0xC0) return c;
  if (c <= 0xDE) return c == 0xD7 ? c : c + 32;  // Latin-1 capitals, except the multiplication sign
  if (c == 0x178) return 0xFF;
  if (c >= 0x100 && c <= 0x137) return c | 1;  // capitals are even, small letters odd
  if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c & 1) ? c + 1 : c;
  if (c >= 0x14A && c <= 0x177) return c | 1;
  return c;
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

std::string foldCase(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    // Names and keys are mostly ASCII, which needs no decoding: every object created by name
    // and every keyed look-up folds one.
    if (static_cast<unsigned char>(s[i]) < 0x80)
      out += static_cast<char>(lower(static_cast<unsigned char>(s[i++])));
    else
      encode(lower(decode(s, i)), out);
  }
  return out;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) { return foldCase(a) == foldCase(b); }

FoldedName::FoldedName(std::string_view name) {
  if (name.size() <= sizeof buffer_) {
    bool ascii = true;
    for (std::size_t i = 0; i < name.size() && ascii; ++i) {
      auto c = static_cast<unsigned char>(name[i]);
      ascii = c < 0x80;
      buffer_[i] = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
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
    char32_t cp = decode(s, i);
    out += cp <= 0xFF ? static_cast<char>(cp) : '?';
  }
  return out;
}

std::string sqlQuoted(std::string_view value) { return replaceAll(value, "'", "''"); }

}  // namespace automation::text
