#pragma once

// The server's own statements and choices that differ between database engines, one Dialect per
// engine, so that another engine is one more instance of this rather than edits across the
// server. Plain SQL (a table's columns, local time) is the engine's own dialect, reached through
// `sql`; the schema's DDL lives in schema/.
// Ownership: constants of static lifetime. Threads: any.
#include "platform/db/SqlDialect.hpp"

namespace erpserver {

struct Migration;

namespace sql {

class Database;

struct Dialect {
  const automation::db::SqlDialect& sql;  // the engine's plain SQL
  // One row with the schema version (0 when none); null where the version is kept only in the
  // table SYS_SCHEMA, which the first schema step makes.
  const char* readSchemaVersion;
  const char* writeSchemaVersion;  // followed by the version number
  const char* dataVersion;  // a number that changes when master data another connection sees changes
  // The table dataVersion reads, which companies made before it lack: their master data is read
  // afresh for every action. Its triggers raise the version for this connection's own writes too
  // (each statement of an article's costs by one). Null where every database has it.
  const char* dataVersionTable;
  const char* insertOrder;                          // a column of LOTEMOVS that orders its rows as inserted
  void (*Migration::*migrationStep)(Database& db);  // the variant of each schema step this engine runs
};

// The dialect of the engine whose plain SQL is `sql`; raises for an engine the server has none for.
const Dialect& dialectOf(const automation::db::SqlDialect& sql);

}  // namespace sql
}  // namespace erpserver
