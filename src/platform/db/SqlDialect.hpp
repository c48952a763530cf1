#pragma once
// What plain SQL spells differently on each database engine, for code that writes statements for
// whichever engine it is given: one constant per engine, handed out by Engine::dialect().
// Ownership: constants of static lifetime; a reference to one may be kept. Threads: any.

namespace automation::db {

struct SqlDialect {
  const char* name;          // the engine's, for messages
  const char* rowIdentity;   // the hidden column that identifies a row of a table without a key
  const char* sameValue;     // the comparison that takes two nulls as equal
  const char* localTime;     // an expression: local time as "yyyy-mm-dd hh:mm:ss"
  const char* tableExists;   // ? = table name; a row when it exists
  const char* tableColumns;  // ? = table name; each column's name and declared type, in order
};

inline constexpr SqlDialect kSqliteDialect{
    "SQLite",
    "rowid",
    "IS",
    "strftime('%Y-%m-%d %H:%M:%S', 'now', 'localtime')",
    "SELECT 1 FROM sqlite_master WHERE name = ?",
    "SELECT name, type FROM pragma_table_info(?) ORDER BY cid",
};

// A server folds unquoted names to lower case: they are matched ignoring case and given back in
// upper case, as the schema writes them.
inline constexpr SqlDialect kPostgresDialect{
    "PostgreSQL",
    "ctid",
    "IS NOT DISTINCT FROM",
    "to_char(localtimestamp, 'YYYY-MM-DD HH24:MI:SS')",
    "SELECT 1 FROM information_schema.tables WHERE table_schema = current_schema() AND lower(table_name) = lower(?)",
    "SELECT upper(column_name), data_type FROM information_schema.columns "
    "WHERE table_schema = current_schema() AND lower(table_name) = lower(?) ORDER BY ordinal_position",
};

}  // namespace automation::db
