#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Values as messages, terminals and logs echo them: a value may be megabytes long, a line is read.
namespace automation::text {

// How many characters of a value a message or a terminal line shows.
inline constexpr std::size_t kReadableLength = 60;

// Whole up to `shown` characters; longer, its first `shown` characters and its full length:
// "AAAA... (10485760 characters)".
std::string excerpt(std::string_view value, std::size_t shown = kReadableLength);

// The same in single quotes: "'AAAA...' (10485760 characters)".
std::string quoted(std::string_view value, std::size_t shown = kReadableLength);

}  // namespace automation::text
