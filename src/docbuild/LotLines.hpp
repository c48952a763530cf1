#pragma once

#include <memory>

#include "core/NewDocument.hpp"
#include "docbuild/Warehouses.hpp"

namespace qvd {
class cDocLotes;
}

namespace qvd::docbuild {

// Where, among the lot's own fields, the third party's lot code goes, if at all.
enum class VossoLote { BeforeWarehouse, AfterWarehouse, NotPut };

// Attaches every lot of `lotes` to the document, line collection by line collection in their
// stored order; a null `lotes` attaches none. A lot's `Linha` is used unchanged twice: for its
// warehouse and as the ERP line it joins (note lines added before it are not counted).
void attachLots(NewDocument& doc, const std::shared_ptr<cDocLotes>& lotes, const Warehouses& armazens,
                VossoLote vossoLote = VossoLote::BeforeWarehouse);

}  // namespace qvd::docbuild
