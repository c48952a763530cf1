#pragma once

// The type library's IDL written from the member tables that late binding uses, so that the two
// cannot drift apart.
#include <ostream>

namespace qvdcom {

void writeIdl(std::ostream& out);

}  // namespace qvdcom
