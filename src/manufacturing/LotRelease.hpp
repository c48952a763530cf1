#pragma once

#include <string>

namespace qvd {
class cLote;
}

namespace qvd::movement {

// The statement that lowers the issued quantity of a returned lot in the lot table, on the row
// of its article and lot code in `sArmazem`. The quantity is written with a decimal point
// whatever the host's separator; quotes in the codes are doubled.
std::string artlotUpdate(const cLote& lote, const std::string& sArmazem);

}  // namespace qvd::movement
