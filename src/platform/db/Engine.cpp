// The part of an engine that every engine shares: keeping and raising its last error.
#include "platform/db/Engine.hpp"

#include "platform/db/DataTypes.hpp"

namespace automation::db {

DatabaseError::DatabaseError(Kind kind, std::string description)
    : AutomationError(dberr::ProviderError, "Connection", std::move(description)), kind_(kind) {}

void Engine::fail(std::string message, DatabaseError::Kind kind) {
  lastError_ = message;
  throw DatabaseError(kind, std::move(message));
}

std::unique_ptr<PreparedStatement> Engine::prepare(std::string_view) {
  fail("This database engine does not prepare statements for repeated runs.");
}

int64_t Engine::lastInsertId() { fail("This database engine does not report the key of an inserted row."); }

}  // namespace automation::db
