#include "platform/Excerpt.hpp"

#include "platform/Text.hpp"

namespace automation::text {

std::string excerpt(std::string_view value, std::size_t shown) {
  std::size_t n = length(value);
  if (n <= shown) return std::string(value);
  return left(value, shown) + "... (" + std::to_string(n) + " characters)";
}

std::string quoted(std::string_view value, std::size_t shown) {
  std::size_t n = length(value);
  if (n <= shown) return "'" + std::string(value) + "'";
  return "'" + left(value, shown) + "...' (" + std::to_string(n) + " characters)";
}

}  // namespace automation::text
