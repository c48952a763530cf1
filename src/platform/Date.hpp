#pragma once
// The automation date value type and its text forms. A plain value, on any thread; text forms
// follow the host settings in force when called.

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace automation {

// An automation date: days since 30-12-1899 as a double, the time of day as the fraction.
struct Date {
  double serial = 0;

  // The calendar's range, 1 January 100 to the end of 31 December 9999; the conversions to a
  // date and the calendar parts raise overflow (6) outside it.
  static constexpr double kFirstSerial = -657434.0;
  static constexpr double kEndSerial = 2958466.0;
  bool inRange() const noexcept { return serial >= kFirstSerial && serial < kEndSerial; }

  static Date fromParts(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
  static Date now();    // local clock
  static Date today();  // local clock, midnight

  struct Parts {
    int year, month, day, hour, minute, second;
  };
  Parts parts() const;

  // "dd-mm-yyyy", "hh:mm:ss" and the like: tokens dd, mm (month, or minutes after hh), yyyy, hh, nn, ss.
  std::string format(std::string_view pattern) const;

  // The runtime's date-to-text: the host's short date, then the time when there is one.
  std::string toText() const;

  // Reads a date in the host's short date order or as yyyy-mm-dd, with an optional time.
  [[nodiscard]] static std::optional<Date> parse(std::string_view text);

  auto operator<=>(const Date&) const = default;
};

}  // namespace automation
