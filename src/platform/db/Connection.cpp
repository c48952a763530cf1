#include "platform/db/Connection.hpp"

#include "platform/db/ServerAddress.hpp"
#include "platform/db/ServerEngine.hpp"
#include "platform/db/SqliteEngine.hpp"

namespace automation::db {

bool Connection::isServerUri(std::string_view target) { return address::isServerUri(target); }

ConnectionRef Connection::open(const std::string& target) {
  if (isServerUri(target)) return std::make_shared<Connection>(openServerEngine(target));
  return std::make_shared<Connection>(SqliteEngine::open(target));
}

AtomicScope::AtomicScope(Engine& engine) : engine_(engine), nested_(engine.inTransaction()) {
  if (nested_) {
    engine_.savepoint("atomic_scope");
  } else {
    engine_.begin();
  }
}

void AtomicScope::commit() {
  if (nested_) engine_.releaseSavepoint("atomic_scope");
  else engine_.commit();
  done_ = true;
}

// Some failures (a full disk, an interrupted statement) already rolled the whole transaction back.
AtomicScope::~AtomicScope() {
  if (done_ || !engine_.inTransaction()) return;
  if (nested_) engine_.rollbackToSavepoint("atomic_scope");
  else engine_.abandon();
}

}  // namespace automation::db
