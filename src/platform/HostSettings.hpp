#pragma once
// The host's regional settings that number and date texts follow. Ownership: one shared,
// immutable copy in force, swapped whole. Threads: any; readers keep the copy they took.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace automation {

// The host's regional formatting, in one place. The host (or a test) may swap in other settings at
// any time from any thread; a reader holds one unchanging copy for as long as it keeps the pointer.
struct HostSettings {
  std::string decimalSeparator = ".";
  std::string groupSeparator = ",";
  std::string shortDateFormat = "dd-mm-yyyy";  // tokens dd, mm, yyyy in any order, any separators
};

// The settings now in force; never null.
std::shared_ptr<const HostSettings> hostSettings();
void setHostSettings(HostSettings settings);

// Swaps in other settings for the lifetime of the object (tests, one-off formatting).
class ScopedHostSettings {
 public:
  explicit ScopedHostSettings(HostSettings settings);
  ~ScopedHostSettings();
  ScopedHostSettings(const ScopedHostSettings&) = delete;
  ScopedHostSettings& operator=(const ScopedHostSettings&) = delete;

 private:
  std::shared_ptr<const HostSettings> saved_;
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
