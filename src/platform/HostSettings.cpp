#include "platform/HostSettings.hpp"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/Text.hpp"

namespace automation {

HostSettings& hostSettings() {
  static HostSettings settings;
  return settings;
}

ScopedHostSettings::ScopedHostSettings(HostSettings settings) : saved_(hostSettings()) {
  hostSettings() = std::move(settings);
}

ScopedHostSettings::~ScopedHostSettings() { hostSettings() = std::move(saved_); }

std::string numberToText(double value) {
  if (value == 0) return "0";
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.15G", value);
  // %G writes at least two exponent digits, as the runtime does ("1E-05").
  return text::replaceAll(buf, ".", hostSettings().decimalSeparator);
}

std::optional<double> parseNumber(std::string_view input) {
  const HostSettings& host = hostSettings();
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
  char* end = nullptr;
  double v = std::strtod(plain.c_str(), &end);
  if (end == plain.c_str() || *end != '\0' || std::isnan(v)) return std::nullopt;
  if (plain.find_first_of("xXpPnN") != std::string::npos) return std::nullopt;  // no hex, inf, nan
  return v;
}

}  // namespace automation
