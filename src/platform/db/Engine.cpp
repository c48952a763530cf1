// The part of an engine that every engine shares: keeping and raising its last error.
#include "platform/db/Engine.hpp"

#include "platform/AutomationError.hpp"

namespace automation::db {

void Engine::fail(std::string message) {
  lastError_ = message;
  raise(dberr::ProviderError, std::move(message), "Connection");
}

}  // namespace automation::db
