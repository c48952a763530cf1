#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/Variant.hpp"
#include "platform/db/SqlTypes.hpp"

// How automation values travel to and from the PostgreSQL server, all in its text format.
namespace automation::db::postgres {

// A parameter as sent: its text (none for a null) and its type, 0 letting the server infer it
// from where it stands. Numbers go typed, so that they compare as numbers (currency as an exact
// decimal); dates and text go
// untyped, so that a date column takes "yyyy-mm-dd" as a date. An object or an array raises 13.
struct ParameterText {
  std::optional<std::string> text;
  unsigned type = 0;
  bool operator==(const ParameterText&) const = default;
};
ParameterText parameterText(const Variant& value);

// The field type of a result column of the server type `typeOid` with the modifier `typeModifier`.
DeclaredType fieldType(unsigned typeOid, int typeModifier);

// A value the server sent as text, as a field of `type` holds it.
Variant fieldValue(std::string_view text, unsigned typeOid, DataType type);

}  // namespace automation::db::postgres
