#pragma once

#include <string>

#include "platform/Text.hpp"

namespace qvd {

// A text value as it goes into SQL built by concatenation: between single quotes, its own
// quotes doubled, so that no value can change the statement's meaning.
inline std::string sqlText(const std::string& value) { return "'" + automation::text::sqlQuoted(value) + "'"; }

}  // namespace qvd
