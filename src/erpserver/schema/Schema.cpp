#include "erpserver/schema/Schema.hpp"

#include <string>

#include "erpserver/schema/Migrations.hpp"

namespace erpserver {
namespace {

// Companies of the first version kept it in a table of their own, as companies on a server do.
int legacyVersion(sql::Database& db) {
  auto table = db.query(db.dialect().sql.tableExists);
  if (!table->bind(1, "SYS_SCHEMA").step()) return 0;
  auto q = db.query("SELECT MAX(VERSION) FROM SYS_SCHEMA");
  return q->step() ? static_cast<int>(q->integer(0)) : 0;
}

void storeVersion(sql::Database& db, int version) { db.exec(db.dialect().writeSchemaVersion + std::to_string(version)); }

}  // namespace

int schemaVersion(sql::Database& db) {
  int version = 0;
  if (const char* read = db.dialect().readSchemaVersion) {
    auto q = db.query(read);
    version = q->step() ? static_cast<int>(q->integer(0)) : 0;
  }
  return version != 0 ? version : legacyVersion(db);
}

void ensureSchema(sql::Database& db) {
  // A company at the version needs no writer's turn: opening it never waits behind a writer.
  {
    sql::Transaction read(db, sql::Transaction::Read);
    if (schemaVersion(db) == kSchemaVersion) return;
  }
  sql::Transaction tx(db);
  int version = schemaVersion(db);
  if (version > kSchemaVersion)
    throw sql::Error(sql::Error::Kind::Other,
                     "a empresa tem o esquema na versão " + std::to_string(version) + " e este servidor só conhece até à " +
                         std::to_string(kSchemaVersion) + "; abra-a com uma versão do servidor que a conheça");
  if (version == kSchemaVersion) return;
  for (const Migration& step : migrations())
    if (step.version > version) (step.*db.dialect().migrationStep)(db);
  storeVersion(db, kSchemaVersion);
  tx.commit();
}

}  // namespace erpserver
