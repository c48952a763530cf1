#pragma once

// A statement of a SQLite database kept prepared for many runs.
#include <sqlite3.h>

#include "platform/db/Engine.hpp"

namespace automation::db {

class SqlitePrepared : public PreparedStatement {
 public:
  SqlitePrepared(Engine& engine, sqlite3* db, std::string_view sql);
  ~SqlitePrepared() override { sqlite3_finalize(stmt_); }
  SqlitePrepared(const SqlitePrepared&) = delete;
  SqlitePrepared& operator=(const SqlitePrepared&) = delete;

  void bindNull(int index) override;
  void bind(int index, int64_t value) override;
  void bind(int index, double value) override;
  void bind(int index, std::string_view value) override;
  [[nodiscard]] bool step() override;
  void reset() override;
  bool isNull(int column) const override { return sqlite3_column_type(stmt_, column) == SQLITE_NULL; }
  int64_t integer(int column) const override { return sqlite3_column_int64(stmt_, column); }
  double real(int column) const override { return sqlite3_column_double(stmt_, column); }
  std::string text(int column) const override;

 private:
  void check(int rc) const;

  Engine& engine_;
  sqlite3* db_;
  sqlite3_stmt* stmt_ = nullptr;
};

}  // namespace automation::db
