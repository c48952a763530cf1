#include "cli/Format.hpp"

#include <algorithm>
#include <cmath>

#include "platform/HostSettings.hpp"
#include "platform/Text.hpp"

namespace qvdtool::format {

namespace text = automation::text;

namespace {

std::string fixed(double value, int decimals) {
  if (std::fabs(value) < 0.5 * std::pow(10.0, -decimals)) value = 0;  // no "-0.00"
  return automation::fixedText(value, decimals);
}

}  // namespace

std::string quantity(double value) {
  std::string s = fixed(value, 3);
  while (s.back() == '0') s.pop_back();
  if (s.back() == '.') s.pop_back();
  return s;
}

std::string money(double value) { return fixed(value, 2); }

std::string value(const automation::Variant& v) {
  switch (v.type()) {
    case automation::VarType::Empty:
    case automation::VarType::Null: return {};
    case automation::VarType::Date: return v.toDate().format("dd-mm-yyyy");
    case automation::VarType::String: return v.toString();
    default: return v.isNumeric() ? quantity(v.toDouble()) : v.toString();
  }
}

std::string cell(std::string_view s, std::size_t width, bool right) {
  if (right && text::length(s) <= width) return text::alignRight(s, width);
  return text::fit(s, width);
}

namespace {

// Characters no shell gives a meaning to, anywhere in a word.
bool plain(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
         std::string_view("_-+.,/:@%").find(c) != std::string_view::npos;
}

std::string shellWord(std::string_view word) {
  if (!word.empty() && std::all_of(word.begin(), word.end(), plain)) return std::string(word);
  std::string quoted = "'";
  for (char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

}  // namespace

std::string command(const std::vector<std::string>& words) {
  std::string line;
  for (const std::string& word : words) line += (line.empty() ? "" : " ") + shellWord(word);
  return line;
}

std::string count(long n, const std::string& noun) { return std::to_string(n) + " " + noun + (n == 1 ? "" : "s"); }

std::string key(std::string_view type, int series, int year, int number) {
  return std::string(type) + " " + std::to_string(series) + "/" + std::to_string(year) + " no. " +
         std::to_string(number);
}

std::string key(const qvd::KeyDocumNext& k) { return key(k.sTpDoc, k.iSerie, k.iAno, k.lNumDoc); }

}  // namespace qvdtool::format
