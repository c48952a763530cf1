#include "erpserver/store/DateText.hpp"

#include <vector>

namespace erpserver {

std::string dateText(automation::Date date) { return date.format("dd-mm-yyyy"); }
std::string isoDate(automation::Date date) { return date.format("yyyy-mm-dd"); }

std::optional<automation::Date> parseDateText(std::string_view text) {
  std::vector<int> numbers;
  std::vector<std::size_t> widths;
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  while (i < text.size() && numbers.size() < 3) {
    std::size_t start = i;
    int value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9' && i - start < 4) value = value * 10 + (text[i++] - '0');
    if (i == start) return std::nullopt;
    numbers.push_back(value);
    widths.push_back(i - start);
    if (numbers.size() < 3) {
      if (i >= text.size() || (text[i] != '-' && text[i] != '/' && text[i] != '.')) return std::nullopt;
      ++i;
    }
  }
  if (numbers.size() != 3) return std::nullopt;
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
