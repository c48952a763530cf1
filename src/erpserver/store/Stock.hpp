#pragma once

#include <optional>
#include <string>
#include <vector>

#include "erpserver/store/Catalog.hpp"
#include "erpserver/objects/Document.hpp"

namespace erpserver {

struct CheckedDocument;

// What a document moves: per stock-controlled line its base quantity, per lot its quantity.
struct StockMoves {
  struct Line {
    std::string article, warehouse;
    double quantity;
    double price;
    int line;  // the document line, from 1
  };
  struct Lot {
    std::string article, lot, warehouse;
    double quantity;
    std::string entryIso, expiryIso, theirLot;
    int line;
  };
  std::vector<Line> lines;
  std::vector<Lot> lots;
};

// The moves of a validated document in memory, and of a stored one.
StockMoves movesOf(const DocumentoComercial& doc, const CheckedDocument& checked);
StockMoves storedMoves(sql::Database& db, const DocKey& key);

// Applies the moves as the type says (sign 1) or takes them back (sign -1): stock per article
// and warehouse (ARTARM, whose triggers keep ARTIGOS.STDISP) and per lot (ARTLOT: QTDENT for
// entries, QTDSID for exits, QTDSID lowered for a return that releases lots). A supplier entry
// also sets the article's last cost and average cost, once per article (and the catalog forgets
// those articles).
void applyStock(sql::Database& db, Catalog& catalog, const DocType& type, const StockMoves& moves, int sign);
// Sends ahead the reads applyStock makes for `moves` added, to go with the next statement that waits.
void prefetchStock(sql::Database& db, const DocType& type, const StockMoves& moves);

// Leaves, for each lot a new return released, the row that the library's own release statement
// for it finds (see SchemaAdditions.cpp).
void recordReleases(sql::Database& db, const DocType& type, const StockMoves& moves, const DocKey& key);

// A lot's expiry in a warehouse (ISO, empty when it has none); none when the lot is not there.
std::optional<std::string> lotExpiry(sql::Database& db, const std::string& article, const std::string& lot,
                                     const std::string& warehouse);

}  // namespace erpserver
