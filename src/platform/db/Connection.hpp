#pragma once
// A database connection as the record-set library presents it.
// Ownership: a connection owns its engine; record sets it opened hold their rows themselves and
// outlive it; prepared statements of its engine must be destroyed before it.
// Threads: one thread at a time.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "platform/Object.hpp"
#include "platform/db/Engine.hpp"
#include "platform/db/Recordset.hpp"

namespace automation::db {

// One connection to a database: a SQLite file, or a PostgreSQL database named by a connection URI.
// Statements the database refuses raise the provider error (dberr::ProviderError) with the
// database's own text, which also stays readable in lastError().
class Connection : public Object {
 public:
  // A "postgresql://" or "postgres://" URI opens that database on its server; anything else is a
  // file, created when missing, in write-ahead-log mode with a 5 s busy timeout and foreign keys
  // enforced. A database that cannot be opened raises, naming it (never with its password).
  static ConnectionRef open(const std::string& target);
  // True when `target` names a database on a server rather than a file.
  static bool isServerUri(std::string_view target);
  explicit Connection(std::unique_ptr<Engine> engine) : engine_(std::move(engine)) {}
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  std::string className() const override { return "Connection"; }

  // Runs the statements of `sql` in order, all or nothing, with @Name placeholders bound from
  // `parameters` (values are never spliced into the text). Returns the rows of the last statement
  // that returns columns; a closed record set when none does.
  RecordsetRef Execute(std::string_view sql, std::span<const NamedValue> parameters = {}) {
    return engine_->execute(sql, parameters);
  }
  // The rows of a text that holds exactly one statement, which reads and returns rows. Anything
  // else (no statement, two, or one that writes) is refused before it runs.
  RecordsetRef Query(std::string_view sql) { return engine_->query(sql); }
  // Rows inserted, changed or deleted by the last statement that ran.
  int64_t RecordsAffected() const { return engine_->recordsAffected(); }

  void BeginTrans() { engine_->begin(); }
  void CommitTrans() { engine_->commit(); }
  void RollbackTrans() { engine_->rollback(); }
  bool InTransaction() const { return engine_->inTransaction(); }

  Engine& engine() const { return *engine_; }
  const std::string& lastError() const { return engine_->lastError(); }
  // Keeps `message` as the last error and raises it.
  [[noreturn]] void fail(std::string message) { engine_->fail(std::move(message)); }

 private:
  std::unique_ptr<Engine> engine_;
};

// Makes a group of statements all or nothing: a transaction of its own, which takes the write lock
// at once so that it never waits on a lock it cannot get, or a savepoint inside the transaction
// that is already open. Whatever is not committed is rolled back when the scope ends.
class AtomicScope {
 public:
  explicit AtomicScope(Connection& connection) : AtomicScope(connection.engine()) {}
  explicit AtomicScope(Engine& engine);
  ~AtomicScope();
  AtomicScope(const AtomicScope&) = delete;
  AtomicScope& operator=(const AtomicScope&) = delete;
  void commit();

 private:
  Engine& engine_;
  bool nested_;
  bool done_ = false;
};

}  // namespace automation::db
