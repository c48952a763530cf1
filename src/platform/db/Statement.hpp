#pragma once

#include <sqlite3.h>

#include <span>
#include <string>
#include <vector>

#include "platform/Variant.hpp"
#include "platform/db/Recordset.hpp"

namespace automation::db {

class Connection;

// A value for the placeholder of the same name ("Artigo" or "@Artigo" binds @Artigo).
struct NamedValue {
  std::string name;
  Variant value;
};

// One prepared statement of a connection; database refusals are raised through the connection.
class Statement {
 public:
  Statement(Connection& connection, sqlite3_stmt* handle) : connection_(&connection), handle_(handle) {}
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;
  ~Statement() { sqlite3_finalize(handle_); }

  // Binds every placeholder to the value of its name, ignoring letter case; a placeholder without
  // a value is refused, so that no statement runs with a parameter silently null.
  void bindByName(std::span<const NamedValue> values);
  // True when a row is ready.
  bool step();
  bool returnsRows() const { return sqlite3_column_count(handle_) > 0; }
  // All the rows, as an open record set that knows its count.
  RecordsetRef readAll();

 private:
  std::vector<ColumnInfo> describeColumns(bool onRow) const;

  Connection* connection_;
  sqlite3_stmt* handle_;
};

}  // namespace automation::db
