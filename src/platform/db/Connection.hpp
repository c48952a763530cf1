#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/Object.hpp"
#include "platform/db/Recordset.hpp"
#include "platform/db/Statement.hpp"

namespace automation::db {

// One connection to a database file. Statements the database refuses raise the provider error
// (dberr::ProviderError) with the database's own text, which also stays readable in lastError().
class Connection : public Object {
 public:
  // Opens the file, creating it when missing, in write-ahead-log mode with a 5 s busy timeout and
  // foreign keys enforced. A file that cannot be opened as a database raises, naming the file.
  static ConnectionRef open(const std::string& path);
  ~Connection() override;
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  std::string className() const override { return "Connection"; }

  // Runs the statements of `sql` in order, all or nothing, with @Name placeholders bound from
  // `parameters` (values are never spliced into the text). Returns the rows of the last statement
  // that returns columns; a closed record set when none does.
  RecordsetRef Execute(std::string_view sql, std::span<const NamedValue> parameters = {});
  // The rows of a text that holds exactly one statement, which reads and returns rows. Anything
  // else (no statement, two, or one that writes) is refused before it runs.
  RecordsetRef Query(std::string_view sql);
  // Rows inserted, changed or deleted by the last statement that ran.
  int64_t RecordsAffected() const { return sqlite3_changes64(db_); }

  void BeginTrans();
  void CommitTrans();
  void RollbackTrans();
  bool InTransaction() const { return sqlite3_get_autocommit(db_) == 0; }

  const std::string& lastError() const { return lastError_; }
  // Keeps `message` as the last error and raises it.
  [[noreturn]] void fail(std::string message);

 private:
  friend class AtomicScope;
  explicit Connection(sqlite3* db) : db_(db) {}
  void run(const char* sql);  // a statement without parameters or rows

  sqlite3* db_;
  std::string lastError_;
};

// Makes a group of statements all or nothing: a transaction of its own, which takes the write lock
// at once so that it never waits on a lock it cannot get, or a savepoint inside the transaction
// that is already open. Whatever is not committed is rolled back when the scope ends.
class AtomicScope {
 public:
  explicit AtomicScope(Connection& connection);
  ~AtomicScope();
  AtomicScope(const AtomicScope&) = delete;
  AtomicScope& operator=(const AtomicScope&) = delete;
  void commit();

 private:
  Connection& connection_;
  bool nested_;
  bool done_ = false;
};

}  // namespace automation::db
