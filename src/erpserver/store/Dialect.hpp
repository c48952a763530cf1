#pragma once

// The server's statements whose text differs between database engines, gathered here so that
// another engine's variant is one more instance of this rather than edits across the server. The
// schema's own DDL lives in schema/. Constants only; any thread.
#include <string>

namespace erpserver::sql {

struct Dialect {
  const char* readSchemaVersion;   // one row with the schema version (0 when none)
  const char* writeSchemaVersion;  // followed by the version number
  const char* tableExists;         // ? = table name; a row when it exists
  const char* tableColumns;        // ? = table name; name and declared type, in order
  const char* dataVersion;         // a number that changes when master data another connection sees changes
  const char* now;                 // an expression: local time as "yyyy-mm-dd hh:mm:ss"
  const char* insertOrder;         // a column of LOTEMOVS that orders its rows as inserted
};

inline constexpr Dialect kSqliteDialect{
    "PRAGMA user_version",
    "PRAGMA user_version = ",
    "SELECT 1 FROM sqlite_master WHERE name = ?",
    "SELECT name, type FROM pragma_table_info(?) ORDER BY cid",
    "PRAGMA data_version",
    "strftime('%Y-%m-%d %H:%M:%S', 'now', 'localtime')",
    "rowid",
};

// On a server the version sits in SYS_SCHEMA, and names come back folded to lower case.
inline constexpr Dialect kPostgresDialect{
    "SELECT COALESCE(MAX(VERSION), 0) FROM SYS_SCHEMA",
    "INSERT INTO SYS_SCHEMA (VERSION) SELECT ",
    "SELECT 1 FROM information_schema.tables WHERE table_schema = current_schema() AND lower(table_name) = lower(?)",
    "SELECT upper(column_name), data_type FROM information_schema.columns "
    "WHERE table_schema = current_schema() AND lower(table_name) = lower(?) ORDER BY ordinal_position",
    "SELECT VERSAO FROM SYS_VERSAOREF WHERE ID = 1",
    "to_char(localtimestamp, 'YYYY-MM-DD HH24:MI:SS')",
    "ORDEM",
};

}  // namespace erpserver::sql
