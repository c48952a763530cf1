// The rule for company names and how messages show a name that breaks it.
#include "erpserver/schema/CompanyName.hpp"

namespace erpserver {

bool isCompanyName(std::string_view name) {
  if (name.empty() || name.size() > kLongestCompanyName) return false;
  for (char c : name) {
    bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    if (!letter && !(c >= '0' && c <= '9') && c != '-' && c != '_') return false;
  }
  return true;
}

std::string shownCompanyName(std::string_view name) {
  constexpr std::size_t kShown = 80;
  std::string out;
  for (char c : name.substr(0, kShown)) out += static_cast<unsigned char>(c) < 0x20 || c == 0x7f ? '?' : c;
  if (name.size() > kShown) out += "... (" + std::to_string(name.size()) + " bytes)";
  return out;
}

std::string companyNameRefusal(std::string_view name) {
  return "O nome de empresa '" + shownCompanyName(name) +
         "' não é válido: use de 1 a 63 letras (A-Z, a-z), algarismos, '-' ou '_'";
}

}  // namespace erpserver
