#pragma once

#include "platform/Variant.hpp"
#include "platform/db/DataTypes.hpp"

namespace automation::db {

// `value` as a field or parameter of `type` holds it: converted by the runtime's rules (13, 6 or
// 94 when it cannot be). Empty and Null stay as they are; a Variant field takes any value.
Variant asFieldValue(DataType type, const Variant& value);

// Types whose values take the same room whatever they hold.
bool isFixedLength(DataType type);

bool isText(DataType type);

}  // namespace automation::db
