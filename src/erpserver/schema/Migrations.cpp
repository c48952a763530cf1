#include "erpserver/schema/Migrations.hpp"

#include <iterator>

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

constexpr Migration kMigrations[] = {
    {1, firstTables},
    {2, sourcesArchiveAndLotReleases},
    {3, addStockTotalTriggers},
    {4, addExpiredLotsParameter},
};
static_assert(std::size(kMigrations) == kSchemaVersion, "every version has its step");

}  // namespace

std::span<const Migration> migrations() { return kMigrations; }

}  // namespace erpserver
