#pragma once

#include <string>
#include <string_view>

namespace automation::db {

// Raises 3265 for a field, parameter or table that a collection does not have, naming it:
// `kind` is "field", "parameter" or "table" and `collection` the source ("Fields", ...).
[[noreturn]] void raiseItemNotFound(std::string_view kind, const std::string& name, std::string_view collection);

}  // namespace automation::db
