#pragma once

#include "platform/Variant.hpp"

namespace qvd {

// An ERP value compared with True the way the runtime compares: a number or boolean equal to -1.
// Null, empty and text never equal True.
bool isTrue(const automation::Variant& value);

}  // namespace qvd
