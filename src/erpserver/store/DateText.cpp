#include "erpserver/store/DateText.hpp"

#include <cstddef>

namespace erpserver {
namespace {

// Day and month in two digits, the year as it is: what the patterns "dd-mm-yyyy" and
// "yyyy-mm-dd" give, written directly since every date of every document passes here.
void appendTwo(std::string& out, int v) {
  out += static_cast<char>('0' + v / 10);
  out += static_cast<char>('0' + v % 10);
}

}  // namespace

std::string dateText(automation::Date date) {
  auto p = date.parts();
  std::string out;
  appendTwo(out, p.day);
  out += '-';
  appendTwo(out, p.month);
  out += '-';
  return out + std::to_string(p.year);
}

std::string isoDate(automation::Date date) {
  auto p = date.parts();
  std::string out = std::to_string(p.year);
  out += '-';
  appendTwo(out, p.month);
  out += '-';
  appendTwo(out, p.day);
  return out;
}

std::optional<automation::Date> parseDateText(std::string_view text) {
  int numbers[3];
  std::size_t widths[3];
  std::size_t count = 0;
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  while (i < text.size() && count < 3) {
    std::size_t start = i;
    int value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9' && i - start < 4) value = value * 10 + (text[i++] - '0');
    if (i == start) return std::nullopt;
    numbers[count] = value;
    widths[count++] = i - start;
    if (count < 3) {
      if (i >= text.size() || (text[i] != '-' && text[i] != '/' && text[i] != '.')) return std::nullopt;
      ++i;
    }
  }
  if (count != 3) return std::nullopt;
  if (i < text.size() && text[i] != ' ' && text[i] != 'T') return std::nullopt;
  bool isoOrder = widths[0] == 4;
  int y = isoOrder ? numbers[0] : numbers[2];
  int m = numbers[1];
  int d = isoOrder ? numbers[2] : numbers[0];
  if ((isoOrder ? widths[2] : widths[0]) > 2 || (isoOrder ? widths[0] : widths[2]) != 4) return std::nullopt;
  if (m < 1 || m > 12 || d < 1 || d > 31) return std::nullopt;
  auto date = automation::Date::fromParts(y, m, d);
  if (date.parts().day != d) return std::nullopt;
  return date;
}

std::optional<std::string> isoFromText(std::string_view text) {
  if (text.find_first_not_of(' ') == std::string_view::npos) return std::string();
  auto date = parseDateText(text);
  if (!date) return std::nullopt;
  return isoDate(*date);
}

std::string textFromIso(std::string_view iso) {
  auto date = parseDateText(iso);
  return date ? dateText(*date) : std::string(iso);
}

}  // namespace erpserver
