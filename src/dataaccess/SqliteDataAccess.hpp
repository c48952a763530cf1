#pragma once
// The data-access object a caller hands to the facade for a company file.
// Ownership: counted (make it with open()); it owns its connection and closes it when the last
// reference drops. Record sets it opens are the caller's and outlive it.
// Threads: one thread at a time; a facade per thread takes a data-access object of its own.

#include <memory>
#include <string>

#include "dataaccess/DatabaseDataAccess.hpp"
#include "platform/db/SqliteEngine.hpp"

namespace dataaccess {

// The data-access object over one SQLite database file, as a caller deploys it on one machine.
class SqliteDataAccess : public DatabaseDataAccess {
 public:
  // Raises the provider error naming the file when it cannot be opened as a database.
  static std::shared_ptr<SqliteDataAccess> open(const std::string& path) {
    return std::shared_ptr<SqliteDataAccess>(new SqliteDataAccess(connect(path)));
  }
  static automation::db::ConnectionRef connect(const std::string& path) {
    return std::make_shared<automation::db::Connection>(automation::db::SqliteEngine::open(path));
  }

  std::string className() const override { return "SqliteDataAccess"; }

 private:
  using DatabaseDataAccess::DatabaseDataAccess;
};

}  // namespace dataaccess
