#pragma once
// The data-access object a caller hands to the facade for a company on a PostgreSQL server.
// Ownership: counted (make it with open()); it owns its server connection, closed when the last
// reference drops. Record sets it opens are the caller's and outlive it.
// Threads: one thread at a time; a facade per thread takes a data-access object of its own.

#include <memory>
#include <string>

#include "dataaccess/DatabaseDataAccess.hpp"
#include "platform/db/ServerEngine.hpp"

namespace dataaccess {

// The data-access object over a company database on a PostgreSQL server, which every workstation
// of a business shares. Its writes are all or nothing like the file's; a dropped connection makes
// each operation fail at once with the reason, never wait.
class PostgresDataAccess : public DatabaseDataAccess {
 public:
  // `uri` as "postgresql://user@host:port/database"; the password comes from the URI, PGPASSWORD
  // or the password file. Raises the provider error naming the database when it cannot be opened.
  static std::shared_ptr<PostgresDataAccess> open(const std::string& uri) {
    auto connection = std::make_shared<automation::db::Connection>(automation::db::openServerEngine(uri));
    return std::shared_ptr<PostgresDataAccess>(new PostgresDataAccess(std::move(connection)));
  }

  std::string className() const override { return "PostgresDataAccess"; }

 private:
  using DatabaseDataAccess::DatabaseDataAccess;
};

}  // namespace dataaccess
