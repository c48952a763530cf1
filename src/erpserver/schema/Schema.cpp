#include "erpserver/schema/Schema.hpp"

#include <string>

#include "erpserver/schema/SchemaAdditions.hpp"
#include "erpserver/schema/SchemaProcedures.hpp"
#include "erpserver/schema/SchemaTables.hpp"
#include "erpserver/store/SourceReference.hpp"
#include "erpserver/store/Database.hpp"

namespace erpserver {
namespace {

bool hasVersionTable(sql::Database& db) {
  auto q = db.query("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'SYS_SCHEMA'");
  return q->step();
}

int readVersion(sql::Database& db) {
  if (!hasVersionTable(db)) return 0;
  auto q = db.query("SELECT MAX(VERSION) FROM SYS_SCHEMA");
  return q->step() ? static_cast<int>(q->integer(0)) : 0;
}

void create(sql::Database& db) {
  db.exec(kMasterTables);
  db.exec(kDocumentTables);
  for (const auto& p : storedProcedures()) {
    auto q = db.query("INSERT INTO SYS_PROCEDURES (NAME, BODY) VALUES (?, ?)");
    q->bind(1, p.name).bind(2, p.body).run();
  }
  auto q = db.query("INSERT INTO SYS_SCHEMA (VERSION) VALUES (?)");
  q->bind(1, kSchemaVersion).run();
}

}  // namespace

int schemaVersion(sql::Database& db) { return readVersion(db); }

void ensureSchema(sql::Database& db) {
  sql::Transaction tx(db);
  int version = readVersion(db);
  if (version > kSchemaVersion)
    throw sql::Error(sql::Error::Kind::Other, "company database of a newer version: " + std::to_string(version));
  if (version == 0) create(db);
  ensureSourceIndex(db);
  addSchemaAdditions(db);
  tx.commit();
}

}  // namespace erpserver
