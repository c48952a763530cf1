// The part of an engine that every engine shares: keeping and raising its last error.
#include "platform/db/Engine.hpp"

#include "platform/db/DataTypes.hpp"
#include "platform/db/EngineFault.hpp"

namespace automation::db {

void (*engineFault)() = nullptr;

// A lost connection takes the number of a connection that can no longer be used, so that a caller
// that sees only the number still tells it from a refused statement.
DatabaseError::DatabaseError(Kind kind, std::string description)
    : AutomationError(kind == Kind::ConnectionLost ? dberr::NoConnection : dberr::ProviderError, "Connection",
                      std::move(description)),
      kind_(kind) {}

void Engine::fail(std::string message, DatabaseError::Kind kind, std::string place) {
  lastError_ = message;
  DatabaseError error(kind, std::move(message));
  error.setPlace(std::move(place));
  throw error;
}

std::unique_ptr<PreparedStatement> Engine::prepare(std::string_view) {
  fail("This database engine does not prepare statements for repeated runs.");
}

void PreparedStatement::runChecked(std::function<void(Rows& rows)> check, bool) {
  try {
    check(*this);
  } catch (...) {
    reset();
    throw;
  }
  reset();
}

void PreparedStatement::defer(const std::string& place) {
  try {
    while (step()) {
    }
  } catch (DatabaseError& e) {
    e.setPlace(place);
    reset();
    throw;
  }
  reset();
}

void Engine::abandon() noexcept {
  if (inTransaction()) bestEffort([&] { rollback(); });
}

void Engine::rollbackToSavepoint(const char* name) noexcept {
  bestEffort([&] { run(("ROLLBACK TO " + std::string(name) + "; RELEASE " + std::string(name)).c_str()); });
}

int64_t Engine::lastInsertId() { fail("This database engine does not report the key of an inserted row."); }

}  // namespace automation::db
