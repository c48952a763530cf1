#include "platform/HostSettings.hpp"

#include <atomic>
#include <charconv>
#include <cmath>

#include "platform/Text.hpp"

namespace automation {

namespace {

// Swapped whole, so that formatting on one thread never sees another thread's half-written change.
std::atomic<std::shared_ptr<const HostSettings>>& current() {
  static std::atomic<std::shared_ptr<const HostSettings>> settings{std::make_shared<const HostSettings>()};
  return settings;
}

}  // namespace

std::shared_ptr<const HostSettings> hostSettings() { return current().load(std::memory_order_acquire); }

void setHostSettings(HostSettings settings) {
  current().store(std::make_shared<const HostSettings>(std::move(settings)), std::memory_order_release);
}

ScopedHostSettings::ScopedHostSettings(HostSettings settings) : saved_(hostSettings()) {
  setHostSettings(std::move(settings));
}

ScopedHostSettings::~ScopedHostSettings() { current().store(std::move(saved_), std::memory_order_release); }

std::string numberToText(double value) {
  if (value == 0) return "0";
  char buf[40];
  // Precision formatting writes at least two exponent digits, as the runtime does ("1E-05").
  char* end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15).ptr;
  std::string out(buf, end);
  for (char& c : out)
    if (c == 'e') c = 'E';
  return text::replaceAll(out, ".", hostSettings()->decimalSeparator);
}

std::string fixedText(double value, int decimals) {
  char buf[400];
  char* end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals).ptr;
  return std::string(buf, end);
}

std::optional<double> parseNumber(std::string_view input) {
  const auto settings = hostSettings();
  const HostSettings& host = *settings;
  std::string t = text::trim(input);
  if (t.empty()) return std::nullopt;
  std::string plain;
  bool sawDigit = false;
  for (std::size_t i = 0; i < t.size();) {
    std::string_view rest = std::string_view(t).substr(i);
    if (!host.decimalSeparator.empty() && rest.starts_with(host.decimalSeparator)) {
      plain += '.';
      i += host.decimalSeparator.size();
    } else if (!host.groupSeparator.empty() && sawDigit && rest.starts_with(host.groupSeparator) &&
               host.groupSeparator != host.decimalSeparator) {
      i += host.groupSeparator.size();
    } else {
      char c = t[i++];
      if (c >= '0' && c <= '9') sawDigit = true;
      if (c == '.' || c == ',') return std::nullopt;  // a separator the host does not use
      plain += c;
    }
  }
  if (!sawDigit) return std::nullopt;
  if (plain.find_first_of("xXpPnNiI") != std::string::npos) return std::nullopt;  // no hex, inf, nan
  for (char& c : plain)
    if (c == 'E') c = 'e';
  std::size_t start = plain[0] == '+' || plain[0] == '-' ? 1 : 0;
  if (plain[start] == '-') return std::nullopt;
  double v = 0;
  auto [end, ec] = std::from_chars(plain.data() + start, plain.data() + plain.size(), v);
  if (end != plain.data() + plain.size()) return std::nullopt;
  // Out of range reads as infinity, or as zero below the smallest number (a negative exponent).
  if (ec == std::errc::result_out_of_range) v = plain.find("e-") != std::string::npos ? 0.0 : HUGE_VAL;
  else if (ec != std::errc()) return std::nullopt;
  return plain[0] == '-' ? -v : v;
}

}  // namespace automation
