#pragma once

#include <string>
#include <string_view>

#include "platform/Variant.hpp"
#include "platform/db/DataTypes.hpp"

namespace qvdtool {

// The text of a CSV field as the value a record-set column of `type` takes:
// - whole-number columns: an optional sign and digits, within the column's range;
// - decimal columns: an optional sign, digits, and one '.' or ',' before the decimals, no grouping,
//   then optionally an exponent (1e-3); within what a currency amount holds;
// - date columns: yyyy-mm-dd, or dd-mm-yyyy with '-', '/' or '.' between the parts; from 1900;
// - any other column: the text as it is.
// False with `problem` saying what is wrong when the text does not fit: "is not a number" for
// text of the wrong form, "is out of range (...)" for a number or date the column cannot hold.
bool inputValue(automation::db::DataType type, std::string_view text, automation::Variant& value,
                std::string& problem);

}  // namespace qvdtool
