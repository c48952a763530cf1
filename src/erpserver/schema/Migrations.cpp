#include "erpserver/schema/Migrations.hpp"

#include <iterator>

#include "erpserver/schema/PostgresSchema.hpp"
#include "erpserver/schema/ReferenceVersion.hpp"
#include "erpserver/schema/Schema.hpp"
#include "erpserver/schema/SchemaAdditions.hpp"
#include "erpserver/schema/SchemaProcedures.hpp"
#include "erpserver/schema/SchemaTables.hpp"
#include "erpserver/store/SourceReference.hpp"

namespace erpserver {
namespace {

void firstTables(sql::Database& db) {
  db.exec(kMasterTables);
  db.exec(kDocumentTables);
  db.exec(kFileOnlyTables);
  for (const auto& p : storedProcedures()) {
    auto q = db.query("INSERT INTO SYS_PROCEDURES (NAME, BODY) VALUES (?, ?)");
    q->bind(1, p.name).bind(2, p.body).run();
  }
}

// Companies of the first version may already hold some of these, which were once added on every
// opening; each step looks before it acts. The version now lives in the database itself.
void sourcesArchiveAndLotReleases(sql::Database& db) {
  ensureSourceIndex(db);
  addSchemaAdditions(db);
  db.exec("DROP TABLE IF EXISTS SYS_SCHEMA");
}

void serverFirstVersion(sql::Database& db) { db.engine().execute(postgres::firstVersionText(), {}); }
void serverSecondVersion(sql::Database& db) { db.engine().execute(postgres::secondVersionText(), {}); }
// A server company kept its stock totals with one trigger from the start.
void nothingToChange(sql::Database&) {}
// A file's row ids keep the order rows were inserted in, through VACUUM too.
void serverInsertOrder(sql::Database& db) { db.engine().execute(postgres::insertOrderText(), {}); }
// A server company's master data is kept across actions behind a version its triggers raise; a
// file's own data version serves the same end.
void serverReferenceVersion(sql::Database& db) { db.engine().execute(postgres::referenceVersionText(), {}); }
// A file's stock totals are already recomputed once per row (version 3).
void serverLotTotals(sql::Database& db) { db.engine().execute(postgres::lotTotalsText(), {}); }
// An archived document's lots keep the order they were moved in, as its lot moves do (version 5):
// the archive copies the column along with the rest. A file's row ids keep it already.
void serverArchivedLotOrder(sql::Database& db) { db.exec("ALTER TABLE DOCREMLOT ADD COLUMN ORDEM BIGINT"); }

constexpr Migration kMigrations[] = {
    {1, firstTables, serverFirstVersion},
    {2, sourcesArchiveAndLotReleases, serverSecondVersion},
    {3, addStockTotalTriggers, nothingToChange},
    {4, addExpiredLotsParameter, addExpiredLotsParameter},
    {5, nothingToChange, serverInsertOrder},
    {6, nothingToChange, serverReferenceVersion},
    {7, addLotTotals, serverLotTotals},
    {8, nothingToChange, serverArchivedLotOrder},
};
static_assert(std::size(kMigrations) == kSchemaVersion, "every version has its step");

}  // namespace

std::span<const Migration> migrations() { return kMigrations; }

}  // namespace erpserver
