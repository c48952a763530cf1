#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace automation {

// The host's regional formatting, in one place. The host (or a test) may change it at any time.
struct HostSettings {
  std::string decimalSeparator = ".";
  std::string groupSeparator = ",";
  std::string shortDateFormat = "dd-mm-yyyy";  // tokens dd, mm, yyyy in any order, any separators
};

HostSettings& hostSettings();

// Swaps in other settings for the lifetime of the object (tests, one-off formatting).
class ScopedHostSettings {
 public:
  explicit ScopedHostSettings(HostSettings settings);
  ~ScopedHostSettings();
  ScopedHostSettings(const ScopedHostSettings&) = delete;
  ScopedHostSettings& operator=(const ScopedHostSettings&) = delete;

 private:
  HostSettings saved_;
};

// The runtime's default number-to-text conversion: up to 15 significant digits, the host's
// decimal separator, no grouping ("10", "2.5", "1E+15").
std::string numberToText(double value);

// `value` with exactly `decimals` decimals and a point, whatever the process locale says.
std::string fixedText(double value, int decimals);

// Text to number as the runtime reads it: blanks around, sign, the host's decimal separator,
// group separators between digits, an exponent. Empty when the text is not a number.
[[nodiscard]] std::optional<double> parseNumber(std::string_view text);

}  // namespace automation
