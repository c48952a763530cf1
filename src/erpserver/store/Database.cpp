// Statement cache, transactions and write groups of a company database.
#include "erpserver/store/Database.hpp"

#include <algorithm>
#include <cassert>
#include <chrono>
#include <thread>

#include "platform/db/ServerAddress.hpp"
#include "platform/db/ServerEngine.hpp"
#include "platform/db/SqliteEngine.hpp"

namespace erpserver::sql {
namespace {

using automation::db::DatabaseError;

constexpr int kBeginAttempts = 50;
constexpr int kLockWaitMs = 10000;

// The engine waits inside each attempt; the loop covers a writer that holds on longer. A deferred
// begin fails later, with the statement it went with.
void beginWaiting(Database& db, Transaction::Kind kind, bool deferred) {
  for (int attempt = 1;; ++attempt) {
    try {
      if (kind == Transaction::Read) {
        db.engine().beginRead();
        return;
      }
      if (deferred) db.engine().beginDeferred();
      else db.engine().begin();
      db.countWrite();
      return;
    } catch (const Error& e) {
      if (e.kind() != DatabaseError::Kind::Busy || attempt == kBeginAttempts) throw;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }
}

}  // namespace

std::unique_ptr<Database> Database::open(const std::string& target, bool create) {
  if (automation::db::address::isServerUri(target))
    return std::make_unique<Database>(automation::db::openServerEngine(target));
  return std::make_unique<Database>(automation::db::SqliteEngine::open(target, {create, kLockWaitMs}));
}

Database::Database(std::unique_ptr<automation::db::Engine> engine)
    : engine_(std::move(engine)), dialect_(&dialectOf(engine_->dialect())) {}

Database::~Database() { cache_.clear(); }

Query Database::query(const std::string& sql) {
  auto it = cache_.find(sql);
  if (it == cache_.end()) it = cache_.emplace(sql, std::make_unique<Statement>(engine_->prepare(sql))).first;
  return Query(*it->second);
}

void Database::exec(std::string_view sql) { engine_->run(std::string(sql).c_str()); }

void Database::beginGroup(bool eachAlone) {
  if (grouped_ && !lost_) return;
  grouped_ = lost_ = false;
  beginWaiting(*this, Transaction::Write, false);
  grouped_ = true;
  eachAlone_ = eachAlone;
}

void Database::loseGroup() noexcept {
  assert(grouped_ && !eachAlone_);
  countUndo();
  engine_->abandon();
  lost_ = true;
}

void Database::settleGroup() {
  if (!writesGoAhead()) return;
  try {
    engine_->flush();
  } catch (const Error& e) {
    if (e.kind() == DatabaseError::Kind::ConnectionLost) throw;
    loseGroup();
  } catch (...) {
    // A check of the writes refused them (an ERP refusal, not a database error).
    loseGroup();
  }
  if (engine_->transactionDoomed()) loseGroup();
}

void Database::commitGroup() {
  if (!grouped_) return;
  grouped_ = false;
  if (lost_) {
    lost_ = false;
    throw Error(DatabaseError::Kind::Other, "a write of the group failed and undid the whole group; none of it was kept");
  }
  if (!engine_->inTransaction()) {
    countUndo();
    // A server that went away took the group with it: that, not an error of the writes, is news.
    engine_->checkConnection();
    throw Error(DatabaseError::Kind::Other,
                "the database rolled back the group of writes after an error; none of it was kept");
  }
  try {
    engine_->commit();
  } catch (...) {
    countUndo();
    engine_->abandon();
    throw;
  }
}

Transaction::Transaction(Database& db, Kind kind) : db_(db) {
  if (!db_.grouped()) {
    // The begin goes with the action's first statement; a writer lock not had in time fails there.
    beginWaiting(db_, kind, true);
    return;
  }
  // A failure sent ahead that an earlier read heard of, and went on, lost the group all the same.
  if (db_.engine().transactionDoomed() && !db_.groupLost()) db_.loseGroup();
  if (db_.groupLost())
    throw Error(DatabaseError::Kind::Other, "an earlier write of the group failed and undid the whole group; begin it again");
  // Writing on after the database dropped the group would commit each write alone, out of it.
  if (!db_.engine().inTransaction()) {
    db_.engine().checkConnection();
    throw Error(DatabaseError::Kind::Other, "the database rolled back the group of writes after an error");
  }
  if (kind == Read) {
    open_ = false;
  } else if (db_.groupEachAlone()) {
    savepoint_ = true;
    db_.engine().savepoint("action");
  } else {
    wholeGroup_ = true;
  }
}

Transaction::~Transaction() { rollback(); }

void Transaction::rollback() {
  if (!open_) return;
  open_ = false;
  if (wholeGroup_) {
    db_.loseGroup();
    return;
  }
  db_.countUndo();
  if (savepoint_) db_.engine().rollbackToSavepoint("action");
  else db_.engine().abandon();
}

void Transaction::commit() {
  if (!open_) return;
  if (savepoint_) db_.engine().releaseSavepoint("action");
  else if (!wholeGroup_) db_.engine().commit();
  else if (db_.writesGoAhead()) db_.engine().sendAhead();
  open_ = false;
}

void inBatches(std::size_t total, const std::function<void(std::size_t first, std::size_t count)>& write) {
  for (std::size_t first = 0; first < total; first += kBatchRows) write(first, std::min(kBatchRows, total - first));
}

std::string placeholders(std::size_t count) {
  std::string out;
  for (std::size_t i = 0; i < count; ++i) out += i ? ", ?" : "?";
  return out;
}

std::string valueRows(std::size_t rows, std::size_t columns) {
  std::string row = "(" + placeholders(columns) + ")";
  std::string out;
  for (std::size_t r = 0; r < rows; ++r) out += (r ? ", " : "") + row;
  return out;
}

}  // namespace erpserver::sql
