#include "erpserver/rules/MessageValues.hpp"

#include <cstddef>

namespace erpserver {
namespace {

constexpr std::size_t kShownCharacters = 60;

bool startsCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }

}  // namespace

std::string shortenQuotedValues(const std::string& message) {
  std::string out;
  std::size_t at = 0;
  while (at < message.size()) {
    std::size_t open = message.find('\'', at);
    std::size_t close = open == std::string::npos ? open : message.find('\'', open + 1);
    if (close == std::string::npos) break;
    out.append(message, at, open + 1 - at);
    std::size_t characters = 0, cut = close;
    for (std::size_t i = open + 1; i < close; ++i)
      if (startsCharacter(message[i]) && ++characters == kShownCharacters + 1) cut = i;
    out.append(message, open + 1, cut - open - 1);
    if (cut == close)
      out += '\'';
    else
      out += "…' (" + std::to_string(characters) + " caracteres)";
    at = close + 1;
  }
  out.append(message, at, std::string::npos);
  return out;
}

}  // namespace erpserver
