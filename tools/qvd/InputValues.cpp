#include "InputValues.hpp"

#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>

namespace qvdtool {

using automation::Variant;
using automation::db::DataType;

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<int64_t> wholeNumber(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int64_t value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<double> decimalNumber(std::string_view text) {
  std::string plain(text);
  std::size_t start = !plain.empty() && (plain[0] == '+' || plain[0] == '-') ? 1 : 0;
  std::size_t digits = 0, separators = 0;
  for (std::size_t i = start; i < plain.size(); ++i) {
    if (plain[i] == ',') plain[i] = '.';
    if (plain[i] == '.')
      ++separators;
    else if (isDigit(plain[i]))
      ++digits;
    else
      return std::nullopt;
  }
  if (digits == 0 || separators > 1) return std::nullopt;
  if (plain[0] == '+') plain.erase(0, 1);
  double value = 0;
  auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (ec != std::errc() || end != plain.data() + plain.size()) return std::nullopt;
  return value;
}

int daysIn(int year, int month) {
  static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : days[month - 1];
}

// Reads digit groups of the given widths separated by one of "-/." (yyyy-mm-dd takes only '-').
std::optional<automation::Date> date(std::string_view text) {
  auto number = [&](std::size_t from, std::size_t width) -> int {
    int v = 0;
    for (std::size_t i = from; i < from + width; ++i) {
      if (!isDigit(text[i])) return -1;
      v = v * 10 + (text[i] - '0');
    }
    return v;
  };
  if (text.size() != 10) return std::nullopt;
  int year, month, day;
  if (text[4] == '-' && text[7] == '-') {
    year = number(0, 4), month = number(5, 2), day = number(8, 2);
  } else {
    char separator = text[2];
    if ((separator != '-' && separator != '/' && separator != '.') || text[5] != separator) return std::nullopt;
    day = number(0, 2), month = number(3, 2), year = number(6, 4);
  }
  if (year < 1900 || month < 1 || month > 12 || day < 1 || day > daysIn(year, month)) return std::nullopt;
  return automation::Date::fromParts(year, month, day);
}

bool wholeInRange(DataType type, int64_t v) {
  if (type == DataType::SmallInt) return v >= std::numeric_limits<int16_t>::min() && v <= std::numeric_limits<int16_t>::max();
  if (type == DataType::Integer) return v >= std::numeric_limits<int32_t>::min() && v <= std::numeric_limits<int32_t>::max();
  return true;
}

}  // namespace

bool inputValue(DataType type, std::string_view text, Variant& value, std::string& problem) {
  switch (type) {
    case DataType::SmallInt:
    case DataType::Integer:
    case DataType::BigInt: {
      auto v = wholeNumber(text);
      if (!v) problem = "is not a whole number";
      else if (!wholeInRange(type, *v)) problem = "is out of range";
      else value = Variant(static_cast<double>(*v));
      return v && wholeInRange(type, *v);
    }
    case DataType::Double:
    case DataType::Currency: {
      auto v = decimalNumber(text);
      if (!v) problem = "is not a number";
      else value = Variant(*v);
      return v.has_value();
    }
    case DataType::Date: {
      auto v = date(text);
      if (!v) problem = "is not a date (yyyy-mm-dd or dd-mm-yyyy)";
      else value = Variant(*v);
      return v.has_value();
    }
    default:
      value = Variant(std::string(text));
      return true;
  }
}

}  // namespace qvdtool
