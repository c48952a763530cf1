#pragma once

// The company schema as ordered steps, one list for a file and a server: step n takes a database
// at version n - 1 to version n, in the engine's own SQL, and the same steps make a new company
// and upgrade an old one. A change to the schema is a new step at the end, for both engines; a
// released step never changes, since companies already past it never run it again.
#include <span>

#include "erpserver/store/Database.hpp"

namespace erpserver {

struct Migration {
  int version;  // the version the step leaves
  // The step in a file's SQL and in a server's; the database's dialect says which one runs.
  void (*onFile)(sql::Database& db);
  void (*onServer)(sql::Database& db);
};

std::span<const Migration> migrations();

}  // namespace erpserver
