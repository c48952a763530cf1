#include "import/InputValues.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace qvdtool {

using automation::Variant;
using automation::db::DataType;

namespace {

// Decimals hold what a currency amount holds: up to about 922 trillion, in steps of 0.0001.
constexpr double kLargestAmount = 922337203685477.5807;
constexpr double kSmallestAmount = 0.0001;
// Dates before it are no dates the ERP keeps.
constexpr int kFirstYear = 1900;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// What reading a number gave: a value, or whether the text is no number or one out of range.
template <class Number>
struct Reading {
  std::optional<Number> value;
  bool outOfRange = false;
};

template <class Number>
Reading<Number> parse(std::string_view text) {
  Number value{};
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (end != text.data() + text.size() || text.empty()) return {};
  if (ec == std::errc::result_out_of_range) return {std::nullopt, true};
  if (ec != std::errc()) return {};
  return {value, false};
}

Reading<int64_t> wholeNumber(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  return parse<int64_t>(text);
}

// Digits with one '.' or ',' before the decimals, and an exponent ("1e-3", "2,5E6") allowed.
Reading<double> decimalNumber(std::string_view text) {
  std::string plain(text);
  std::size_t start = !plain.empty() && (plain[0] == '+' || plain[0] == '-') ? 1 : 0;
  std::size_t exponent = plain.find_first_of("eE", start);
  std::size_t digits = 0, separators = 0;
  for (std::size_t i = start; i < std::min(exponent, plain.size()); ++i) {
    if (plain[i] == ',') plain[i] = '.';
    if (plain[i] == '.')
      ++separators;
    else if (isDigit(plain[i]))
      ++digits;
    else
      return {};
  }
  if (digits == 0 || separators > 1) return {};
  if (plain[0] == '+') plain.erase(0, 1);
  Reading<double> reading = parse<double>(plain);
  if (reading.value && std::isfinite(*reading.value) && *reading.value != 0 &&
      (std::fabs(*reading.value) > kLargestAmount || std::fabs(*reading.value) < kSmallestAmount))
    return {std::nullopt, true};
  return reading;
}

int daysIn(int year, int month) {
  static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : days[month - 1];
}

// Reads digit groups of the given widths separated by one of "-/." (yyyy-mm-dd takes only '-').
Reading<automation::Date> date(std::string_view text) {
  auto number = [&](std::size_t from, std::size_t width) -> int {
    int v = 0;
    for (std::size_t i = from; i < from + width; ++i) {
      if (!isDigit(text[i])) return -1;
      v = v * 10 + (text[i] - '0');
    }
    return v;
  };
  if (text.size() != 10) return {};
  int year, month, day;
  if (text[4] == '-' && text[7] == '-') {
    year = number(0, 4), month = number(5, 2), day = number(8, 2);
  } else {
    char separator = text[2];
    if ((separator != '-' && separator != '/' && separator != '.') || text[5] != separator) return {};
    day = number(0, 2), month = number(3, 2), year = number(6, 4);
  }
  if (year < 0 || month < 1 || month > 12 || day < 1 || day > daysIn(year, month)) return {};
  if (year < kFirstYear) return {std::nullopt, true};
  return {automation::Date::fromParts(year, month, day), false};
}

bool wholeInRange(DataType type, int64_t v) {
  if (type == DataType::SmallInt) return v >= std::numeric_limits<int16_t>::min() && v <= std::numeric_limits<int16_t>::max();
  if (type == DataType::Integer) return v >= std::numeric_limits<int32_t>::min() && v <= std::numeric_limits<int32_t>::max();
  return true;
}

Variant asVariant(int64_t v) { return Variant(static_cast<double>(v)); }
Variant asVariant(double v) { return Variant(v); }
Variant asVariant(const automation::Date& v) { return Variant(v); }

template <class Number>
bool take(const Reading<Number>& reading, const char* kind, const char* range, Variant& value, std::string& problem) {
  if (reading.outOfRange)
    problem = std::string("is out of range (") + range + ")";
  else if (!reading.value)
    problem = std::string("is not ") + kind;
  else
    value = asVariant(*reading.value);
  return reading.value.has_value();
}

}  // namespace

bool inputValue(DataType type, std::string_view text, Variant& value, std::string& problem) {
  switch (type) {
    case DataType::SmallInt:
    case DataType::Integer:
    case DataType::BigInt: {
      Reading<int64_t> v = wholeNumber(text);
      if (v.value && !wholeInRange(type, *v.value)) v = {std::nullopt, true};
      const char* range = type == DataType::SmallInt  ? "-32768 to 32767"
                          : type == DataType::Integer ? "-2147483648 to 2147483647"
                                                      : "-9223372036854775808 to 9223372036854775807";
      return take(v, "a whole number", range, value, problem);
    }
    case DataType::Double:
    case DataType::Currency:
      return take(decimalNumber(text), "a number", "-922337203685477 to 922337203685477, none nearer 0 than 0.0001",
                  value, problem);
    case DataType::Date:
      return take(date(text), "a date (yyyy-mm-dd or dd-mm-yyyy)", "dates from 1900-01-01", value, problem);
    default:
      value = Variant(std::string(text));
      return true;
  }
}

}  // namespace qvdtool
