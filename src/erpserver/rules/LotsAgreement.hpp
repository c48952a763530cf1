#pragma once

#include <initializer_list>

#include "erpserver/store/Catalog.hpp"
#include "erpserver/store/Stock.hpp"

namespace erpserver {

// The last word on a write, inside its transaction and after its stock is written: in each
// warehouse that `moves` touched, a lot-controlled article holds exactly what its lots there hold.
// Refuses the first warehouse that disagrees, so that the write is rolled back whatever let it
// through.
void checkLotsAgree(sql::Database& db, Catalog& catalog, const DocType& type,
                    std::initializer_list<const StockMoves*> moves);

}  // namespace erpserver
