#pragma once

// The company schema as ordered steps: step n takes a database at version n - 1 to version n.
// A change to the schema is a new step at the end; a released step never changes, since
// companies already past it never run it again. Steps after kFirstServerVersion also bring
// companies on a server up, so they are written in SQL that both engines read.
#include <span>

#include "erpserver/store/Database.hpp"

namespace erpserver {

struct Migration {
  int version;  // the version the step leaves
  void (*apply)(sql::Database& db);
};

std::span<const Migration> migrations();

}  // namespace erpserver
