#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "erpserver/store/Catalog.hpp"
#include "erpserver/objects/Document.hpp"

namespace erpserver {

// What validation learnt about a document, for the insert that follows.
struct CheckedDocument {
  DocType type;
  DocKey key;                                 // number 0 when the server is to number it
  std::string dateIso;                        // the document's date
  std::vector<std::optional<Article>> articles;  // per line, none for a line without article
  bool vatExempt = false;
  std::vector<std::shared_ptr<LoteLinha>> allocatedLots;  // lots the server chose for lines without any
};

// Validates a document and fills its defaults: Data (today), Ano (from Data), the counterpart's
// currency, VAT regime, salesperson and tax number (else the company's), per line the article's
// description, unit and VAT, and the totals. Refuses with a message that names the offending value:
// unknown type or series, counterpart missing for the type's entity, unknown article, warehouse or
// unit, a lot that does not fit its line (another article or warehouse, or one not there), an exit's
// lot past its expiry on the document's date unless the company allows it (PARAMS.LOTEXPIR), a
// manual number in use, a text too long; and the rules of DocumentLimits.hpp and LineLots.hpp, and
// stock that would go below zero (StockLevels.hpp), taking back first what the document's stored
// version moved when it is that document.
// An insert (`inserting`) leaves a source reference already taken to the company's unique index,
// which refuses it when the header is written: no look is needed first; its next number, when
// automatic, is read along with the stock (nextNumber then reads no more).
CheckedDocument checkDocument(DocumentoComercial& doc, sql::Database& db, Catalog& catalog, bool inserting = false);

}  // namespace erpserver
