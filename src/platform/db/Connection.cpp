#include "platform/db/Connection.hpp"

#include "platform/db/PostgresEngine.hpp"
#include "platform/db/ServerAddress.hpp"
#include "platform/db/SqliteEngine.hpp"

namespace automation::db {

bool Connection::isServerUri(std::string_view target) { return address::isServerUri(target); }

ConnectionRef Connection::open(const std::string& target) {
  if (isServerUri(target)) return std::make_shared<Connection>(PostgresEngine::open(target));
  return std::make_shared<Connection>(SqliteEngine::open(target));
}

AtomicScope::AtomicScope(Engine& engine) : engine_(engine), nested_(engine.inTransaction()) {
  if (nested_) {
    engine_.run("SAVEPOINT atomic_scope");
  } else {
    engine_.begin();
  }
}

void AtomicScope::commit() {
  engine_.run(nested_ ? "RELEASE atomic_scope" : "COMMIT");
  done_ = true;
}

// Some failures (a full disk, an interrupted statement) already rolled the whole transaction back.
AtomicScope::~AtomicScope() {
  if (done_ || !engine_.inTransaction()) return;
  engine_.run(nested_ ? "ROLLBACK TO atomic_scope; RELEASE atomic_scope" : "ROLLBACK", true);
}

}  // namespace automation::db
