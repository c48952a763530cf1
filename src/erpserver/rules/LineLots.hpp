#pragma once

#include <memory>
#include <vector>

#include "erpserver/rules/DocumentRules.hpp"
#include "erpserver/rules/StockLevels.hpp"

namespace erpserver {

// Every stock line of a lot-controlled article moves lots that add up to its quantity in base
// units (Quantidade × Factor). A line that names no lots is refused on an entry, which has to say
// which lots the goods go into; on an exit or a transfer the server takes them itself, the earliest
// expiry first (then the earliest entry, then the code), from what `levels` shows is left, never a
// lot past its expiry on the document's date. Returns those lot lines (already added to `levels`),
// for the write to add to the document.
std::vector<std::shared_ptr<LoteLinha>> lotsForLines(const DocumentoComercial& doc, const CheckedDocument& checked,
                                                     StockLevels& levels, sql::Database& db);
// Sends ahead lotsForLines' read of the lots it may take, to go with the document's other reads.
void prefetchLots(const DocumentoComercial& doc, const CheckedDocument& checked, sql::Database& db);

}  // namespace erpserver
