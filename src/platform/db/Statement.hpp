#pragma once

#include <sqlite3.h>

#include <span>
#include <string>
#include <vector>

#include "platform/db/Engine.hpp"
#include "platform/db/Recordset.hpp"

namespace automation::db {

// One prepared statement of a SQLite database; refusals are raised through its engine.
class Statement {
 public:
  Statement(Engine& engine, sqlite3_stmt* handle) : engine_(&engine), handle_(handle) {}
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;
  ~Statement() { sqlite3_finalize(handle_); }

  // Binds every placeholder to the value of its name, ignoring letter case; a placeholder without
  // a value is refused, so that no statement runs with a parameter silently null.
  void bindByName(std::span<const NamedValue> values);
  // True when a row is ready.
  [[nodiscard]] bool step();
  bool returnsRows() const { return sqlite3_column_count(handle_) > 0; }
  // All the rows, as an open record set that knows its count.
  RecordsetRef readAll();

 private:
  std::vector<ColumnInfo> describeColumns(bool onRow) const;

  Engine* engine_;
  sqlite3_stmt* handle_;
};

}  // namespace automation::db
