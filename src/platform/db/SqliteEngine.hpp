#pragma once
// The engine of a company database in a SQLite file. Ownership: the connection owns its engine,
// the engine its file handle. Threads: one at a time, that of the connection.

#include <sqlite3.h>

#include <memory>
#include <string>

#include "platform/db/Engine.hpp"

namespace automation::db {

// How a SQLite file is opened.
struct SqliteOptions {
  bool create = true;     // create the file when it is missing
  int lockWaitMs = 5000;  // how long a statement waits for another writer before it fails
};

// The kind of refusal a SQLite result code stands for.
DatabaseError::Kind sqliteFailureKind(int code);

// A database in one SQLite file.
class SqliteEngine : public Engine {
 public:
  // Opens the file in write-ahead-log mode with foreign keys enforced. A file that cannot be
  // opened as a database raises, naming the file.
  static std::unique_ptr<SqliteEngine> open(const std::string& path, SqliteOptions options = {});
  ~SqliteEngine() override;
  SqliteEngine(const SqliteEngine&) = delete;
  SqliteEngine& operator=(const SqliteEngine&) = delete;

  RecordsetRef execute(std::string_view sql, std::span<const NamedValue> parameters) override;
  RecordsetRef query(std::string_view sql) override;
  RecordsetRef callProcedure(const std::string& name, std::span<const NamedValue> parameters) override;
  int64_t recordsAffected() const override { return sqlite3_changes64(db_); }
  std::unique_ptr<PreparedStatement> prepare(std::string_view sql) override;
  int64_t lastInsertId() override { return sqlite3_last_insert_rowid(db_); }
  void begin() override { run("BEGIN IMMEDIATE"); }
  bool inTransaction() const override { return sqlite3_get_autocommit(db_) == 0; }
  void run(const char* sql) override;
  [[nodiscard]] std::optional<std::string> tableName(std::string_view name) override;
  std::vector<ColumnInfo> tableColumns(const std::string& table) override;
  const SqlDialect& dialect() const override { return kSqliteDialect; }

 private:
  SqliteEngine(sqlite3* db, int lockWaitMs) : db_(db), lockWaitMs_(lockWaitMs) {}

  sqlite3* db_;
  int lockWaitMs_;
};

}  // namespace automation::db
