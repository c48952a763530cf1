// Positional binding and column reads straight on the SQLite statement, without record sets.
#include "platform/db/SqlitePrepared.hpp"

#include "platform/db/SqliteEngine.hpp"

namespace automation::db {

SqlitePrepared::SqlitePrepared(Engine& engine, sqlite3* db, std::string_view sql) : engine_(engine), db_(db) {
  check(sqlite3_prepare_v3(db, sql.data(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT, &stmt_, nullptr));
}

void SqlitePrepared::check(int rc) const {
  if (rc != SQLITE_OK) engine_.fail(sqlite3_errmsg(db_), sqliteFailureKind(rc));
}

void SqlitePrepared::bindNull(int index) { check(sqlite3_bind_null(stmt_, index)); }
void SqlitePrepared::bind(int index, int64_t value) { check(sqlite3_bind_int64(stmt_, index, value)); }
void SqlitePrepared::bind(int index, double value) { check(sqlite3_bind_double(stmt_, index, value)); }

void SqlitePrepared::bind(int index, std::string_view value) {
  check(sqlite3_bind_text(stmt_, index, value.data(), static_cast<int>(value.size()), SQLITE_TRANSIENT));
}

bool SqlitePrepared::step() {
  int rc = sqlite3_step(stmt_);
  if (rc == SQLITE_ROW) return true;
  if (rc != SQLITE_DONE) engine_.fail(sqlite3_errmsg(db_), sqliteFailureKind(rc));
  return false;
}

void SqlitePrepared::reset() {
  sqlite3_reset(stmt_);
  sqlite3_clear_bindings(stmt_);
}

std::string SqlitePrepared::text(int column) const {
  const unsigned char* p = sqlite3_column_text(stmt_, column);
  if (!p) return {};
  return std::string(reinterpret_cast<const char*>(p), static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column)));
}

}  // namespace automation::db
