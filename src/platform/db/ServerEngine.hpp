#pragma once
// Opening a company database on a server, for builds with a server engine and builds without one.
// Ownership: the engine returned is the caller's (a connection takes it). Threads: any.

#include <memory>
#include <string>

#include "platform/db/Engine.hpp"

namespace automation::db {

// `uri` as "postgresql://user@host:port/database"; the password comes from the URI, PGPASSWORD
// or the password file. Raises naming the server and database, never the password; a build
// without the server engine raises saying so.
std::unique_ptr<Engine> openServerEngine(const std::string& uri);

}  // namespace automation::db
