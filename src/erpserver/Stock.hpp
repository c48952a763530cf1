#pragma once

#include <string>
#include <vector>

#include "erpserver/Catalog.hpp"
#include "erpserver/Document.hpp"

namespace erpserver {

struct CheckedDocument;

// What a document moves: per stock-controlled line its base quantity, per lot its quantity.
struct StockMoves {
  struct Line {
    std::string article, warehouse;
    double quantity;
    double price;
  };
  struct Lot {
    std::string article, lot, warehouse;
    double quantity;
    std::string entryIso, expiryIso, theirLot;
  };
  std::vector<Line> lines;
  std::vector<Lot> lots;
};

// The moves of a validated document in memory, and of a stored one.
StockMoves movesOf(const DocumentoComercial& doc, const CheckedDocument& checked);
StockMoves storedMoves(sql::Database& db, const DocKey& key);

// Applies the moves as the type says (sign 1) or takes them back (sign -1): stock per article
// and warehouse (ARTARM, whose triggers keep ARTIGOS.STDISP) and, when the type moves lots, per lot (ARTLOT: QTDENT for entries, QTDSID
// for exits). A supplier
// entry also sets the article's last cost and average cost (and so invalidates the catalog).
void applyStock(sql::Database& db, Catalog& catalog, const DocType& type, const StockMoves& moves, int sign);

bool lotExists(sql::Database& db, const std::string& article, const std::string& lot, const std::string& warehouse);

}  // namespace erpserver
