#pragma once

#include "erpserver/store/Database.hpp"

// Steps added to the company schema after its first version. Each step looks before it acts, so
// running them on a database that already has them changes nothing.
namespace erpserver {

// PARAMS.STKNEG (negative stock allowed, off by default); the releases of returned lots that the
// library's own lot statement acknowledges (ARTLOTLIB, with its trigger); the archive of removed
// documents (DOCREMOVIDOS with DOCREMCAB, DOCREMLIN and DOCREMLOT, which follow the columns of
// DOCGCCAB, DOCGCLIN and LOTEMOVS).
void addSchemaAdditions(sql::Database& db);

// The triggers that keep ARTIGOS.STDISP on a stock row's update, recomputing each article once.
void addStockTotalTriggers(sql::Database& db);

// ARTARMLOT, the lots total of each article and warehouse, filled from the lots and kept by
// triggers on ARTLOT.
void addLotTotals(sql::Database& db);
// PARAMS.LOTEXPIR, in the SQL of either engine.
void addExpiredLotsParameter(sql::Database& db);

}  // namespace erpserver
