#pragma once

#include <sqlite3.h>

#include <memory>
#include <string>

#include "platform/db/Engine.hpp"

namespace automation::db {

// A database in one SQLite file.
class SqliteEngine : public Engine {
 public:
  // Opens the file, creating it when missing, in write-ahead-log mode with a 5 s busy timeout and
  // foreign keys enforced. A file that cannot be opened as a database raises, naming the file.
  static std::unique_ptr<SqliteEngine> open(const std::string& path);
  ~SqliteEngine() override;
  SqliteEngine(const SqliteEngine&) = delete;
  SqliteEngine& operator=(const SqliteEngine&) = delete;

  RecordsetRef execute(std::string_view sql, std::span<const NamedValue> parameters) override;
  RecordsetRef query(std::string_view sql) override;
  RecordsetRef callProcedure(const std::string& name, std::span<const NamedValue> parameters) override;
  int64_t recordsAffected() const override { return sqlite3_changes64(db_); }
  void begin() override { run("BEGIN IMMEDIATE"); }
  bool inTransaction() const override { return sqlite3_get_autocommit(db_) == 0; }
  void run(const char* sql, bool quiet = false) override;
  std::optional<std::string> tableName(std::string_view name) override;
  std::vector<ColumnInfo> tableColumns(const std::string& table) override;
  const char* rowIdentity() const override { return "rowid"; }
  const char* sameValue() const override { return "IS"; }

 private:
  explicit SqliteEngine(sqlite3* db) : db_(db) {}

  sqlite3* db_;
};

}  // namespace automation::db
