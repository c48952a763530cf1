#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/Date.hpp"

// Dates as the server exchanges them: the properties hold text "dd-mm-yyyy" (the host's settings
// play no part), the database ISO text "yyyy-mm-dd".
namespace erpserver {

std::string dateText(automation::Date date);
std::string isoDate(automation::Date date);

// Reads "dd-mm-yyyy" (any of - / . as separators) or "yyyy-mm-dd", with an optional time.
[[nodiscard]] std::optional<automation::Date> parseDateText(std::string_view text);

// ISO text of a property's date text: empty for empty text, nullopt when it is no date.
[[nodiscard]] std::optional<std::string> isoFromText(std::string_view text);
// Property text of an ISO date from the database (empty stays empty).
std::string textFromIso(std::string_view iso);

}  // namespace erpserver
