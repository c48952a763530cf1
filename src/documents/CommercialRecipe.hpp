#pragma once

#include <memory>

#include "docbuild/ArrayLines.hpp"
#include "documents/CommercialHeader.hpp"
#include "core/DocumentRecipe.hpp"

namespace qvd {
class cDocLotes;
}

namespace qvd::docbuild {

// The recipe of the generic and multi-warehouse inserts: the commercial header, one line per
// article from `lines`, the lots of `oLotes` (null: none) and the failure log under the routine
// name "DocGenInserir" that the whole family shares. Keeps copies of the header and the line
// arrays' description; the caller's arrays themselves must outlive it.
DocumentRecipe commercialRecipe(const CommercialHeader& header, const LineArrays& lines,
                                const std::shared_ptr<cDocLotes>& oLotes);

}  // namespace qvd::docbuild
