#include "core/ErpValues.hpp"

namespace qvd {

bool isTrue(const automation::Variant& value) { return value.isNumeric() && value.toDouble() == -1.0; }

}  // namespace qvd
