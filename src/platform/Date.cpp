#include "platform/Date.hpp"

#include <chrono>
#include <cmath>
#include <ctime>
#include <vector>

#include "platform/AutomationError.hpp"
#include "platform/HostSettings.hpp"
#include "platform/System.hpp"
#include "platform/Text.hpp"

namespace automation {
namespace {

// Days from 1970-01-01 of a proleptic Gregorian date.
long daysFromCivil(long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long>(doe) - 719468;
}

void civilFromDays(long z, int& y, int& m, int& d) {
  z += 719468;
  const long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(static_cast<long>(yoe) + era * 400 + (m <= 2));
}

const long kEpochOffset = daysFromCivil(1899, 12, 30);

std::string twoDigits(int v) { return (v < 10 ? "0" : "") + std::to_string(v); }

}  // namespace

Date Date::fromParts(int year, int month, int day, int hour, int minute, int second) {
  double days = static_cast<double>(daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) - kEpochOffset);
  return Date{days + (hour * 3600 + minute * 60 + second) / 86400.0};
}

Date Date::now() {
  std::time_t t = std::time(nullptr);
  std::tm local = system::localTime(t);
  return fromParts(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
}

Date Date::today() { return Date{std::floor(now().serial)}; }

Date::Parts Date::parts() const {
  if (!inRange()) raise(errnum::Overflow);
  double whole = std::floor(serial);
  long seconds = std::lround((serial - whole) * 86400.0);
  if (seconds >= 86400) {
    whole += 1;
    seconds -= 86400;
  }
  Parts p{};
  civilFromDays(static_cast<long>(whole) + kEpochOffset, p.year, p.month, p.day);
  p.hour = static_cast<int>(seconds / 3600);
  p.minute = static_cast<int>(seconds / 60 % 60);
  p.second = static_cast<int>(seconds % 60);
  return p;
}

std::string Date::format(std::string_view pattern) const {
  Parts p = parts();
  std::string out;
  bool afterHour = false;
  for (std::size_t i = 0; i < pattern.size();) {
    std::string_view rest = pattern.substr(i);
    if (rest.starts_with("yyyy")) {
      out += std::to_string(p.year);
      i += 4;
    } else if (rest.starts_with("dd")) {
      out += twoDigits(p.day);
      i += 2;
    } else if (rest.starts_with("hh")) {
      out += twoDigits(p.hour);
      afterHour = true;
      i += 2;
    } else if (rest.starts_with("nn")) {
      out += twoDigits(p.minute);
      i += 2;
    } else if (rest.starts_with("mm")) {
      out += twoDigits(afterHour ? p.minute : p.month);
      i += 2;
    } else if (rest.starts_with("ss")) {
      out += twoDigits(p.second);
      i += 2;
    } else {
      out += pattern[i++];
    }
  }
  return out;
}

std::string Date::toText() const {
  double whole = std::floor(serial);
  bool hasTime = serial != whole;
  if (whole == 0 && hasTime) return format("hh:mm:ss");
  std::string out = format(hostSettings()->shortDateFormat);
  if (hasTime) out += " " + format("hh:mm:ss");
  return out;
}

std::optional<Date> Date::parse(std::string_view input) {
  std::string t = text::trim(input);
  std::vector<int> numbers;
  std::vector<std::size_t> widths;
  std::size_t timeStart = std::string::npos;
  for (std::size_t i = 0; i < t.size();) {
    if (t[i] >= '0' && t[i] <= '9') {
      std::size_t j = i;
      while (j < t.size() && t[j] >= '0' && t[j] <= '9') ++j;
      if (j - i > 4) return std::nullopt;
      numbers.push_back(std::stoi(t.substr(i, j - i)));
      widths.push_back(j - i);
      i = j;
    } else {
      if (t[i] == ':' && timeStart == std::string::npos) timeStart = numbers.size() - 1;
      if (t[i] != '-' && t[i] != '/' && t[i] != '.' && t[i] != ' ' && t[i] != ':') return std::nullopt;
      ++i;
    }
  }
  std::size_t dateCount = timeStart == std::string::npos ? numbers.size() : timeStart;
  int y = 1899, m = 12, d = 30;
  if (dateCount == 3) {
    if (widths[0] == 4) {
      y = numbers[0], m = numbers[1], d = numbers[2];
    } else {
      const std::string f = hostSettings()->shortDateFormat;
      std::size_t py = f.find('y'), pm = f.find('m'), pd = f.find('d');
      int order[3];  // position of d, m, y among the three numbers
      order[0] = (pd > pm) + (pd > py);
      order[1] = (pm > pd) + (pm > py);
      order[2] = (py > pd) + (py > pm);
      d = numbers[order[0]], m = numbers[order[1]], y = numbers[order[2]];
      if (widths[order[2]] <= 2) y += y < 30 ? 2000 : 1900;
    }
  } else if (dateCount != 0) {
    return std::nullopt;
  }
  int h = 0, n = 0, s = 0;
  std::size_t timeCount = numbers.size() - dateCount;
  if (timeCount == 2 || timeCount == 3) {
    h = numbers[dateCount], n = numbers[dateCount + 1];
    if (timeCount == 3) s = numbers[dateCount + 2];
  } else if (timeCount != 0) {
    return std::nullopt;
  }
  if (m < 1 || m > 12 || d < 1 || d > 31 || h > 23 || n > 59 || s > 59) return std::nullopt;
  Date result = fromParts(y, m, d, h, n, s);
  if (result.parts().day != d) return std::nullopt;  // 31-02 and the like
  return result;
}

}  // namespace automation
