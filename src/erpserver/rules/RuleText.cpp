#include <charconv>
#include <cmath>

#include "erpserver/rules/RuleRefusals.hpp"

namespace erpserver {

std::string numberText(double value) {
  // Four decimals, as a currency amount has; values too large for that are shown as they are.
  if (std::fabs(value) < 1e14) value = std::round(value * 10000) / 10000;
  char buffer[32];
  return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15).ptr);
}

std::string lineField(std::size_t line, std::string_view field, const std::string& value) {
  return "Linha " + std::to_string(line) + ", campo " + std::string(field) + " = " + value + ": ";
}

std::string headerField(std::string_view field, const std::string& value) {
  return "Cabeçalho, campo " + std::string(field) + " = " + value + ": ";
}

}  // namespace erpserver
