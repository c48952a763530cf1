#pragma once

#include "platform/Export.hpp"

// The server's view of a company database, over the platform's database engines: cached
// statements, transactions and grouped writes, whatever engine holds the company.
// Ownership: a Database owns its engine; statements and transactions it hands out must not
// outlive it. Threads: one at a time; its owner (the company's session) serialises its use.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "erpserver/store/Dialect.hpp"
#include "platform/db/Engine.hpp"

namespace erpserver::sql {

// A refusal of the database: what() is the engine's text, kind() tells a broken constraint or a
// lock held by another writer from the rest.
using Error = automation::db::DatabaseError;

// One prepared statement. Parameters are 1-based; columns 0-based.
class QVD_API Statement {
 public:
  explicit Statement(std::unique_ptr<automation::db::PreparedStatement> prepared) : p_(std::move(prepared)) {}

  Statement& bindNull(int index) {
    p_->bindNull(index);
    return *this;
  }
  Statement& bind(int index, int64_t value) {
    p_->bind(index, value);
    return *this;
  }
  Statement& bind(int index, int32_t value) { return bind(index, int64_t{value}); }
  Statement& bind(int index, double value) {
    p_->bind(index, value);
    return *this;
  }
  // Empty text is stored as NULL: the schema keeps "no value" as NULL so that foreign keys hold.
  Statement& bind(int index, std::string_view value) {
    if (value.empty()) return bindNull(index);
    p_->bind(index, value);
    return *this;
  }
  Statement& bind(int index, const char* value) { return bind(index, std::string_view(value)); }
  Statement& bind(int index, const std::string& value) { return bind(index, std::string_view(value)); }

  // True when a row is available; false when the statement is done.
  [[nodiscard]] bool step() { return p_->step(); }
  // Runs a statement that returns no rows.
  void run() {
    while (step()) {
    }
  }
  // Runs a statement that returns no rows, perhaps only with the next statement that waits for an
  // answer, and resets it; a refusal then names `place` (DatabaseError::place).
  void defer(const std::string& place = {}) { p_->defer(place); }
  // Sends the statement ahead, with the next one that waits, and resets it: run again with the
  // same parameters before anything else waits on the server, it reads those rows without asking.
  void prefetch() { p_->prefetch(); }
  // See PreparedStatement::reuseRows: for reads that an action repeats after another (a
  // validation, then the insert it validated) while the group of writes holds the writer lock.
  Statement& reuseRows() {
    p_->reuseRows();
    return *this;
  }
  // Runs the statement and hands its rows to `check`, which may raise (PreparedStatement::runChecked):
  // with `later`, on a server, when the rows come with a later statement.
  void runChecked(std::function<void(automation::db::Rows& rows)> check, bool later) {
    p_->runChecked(std::move(check), later);
  }
  void reset() { p_->reset(); }

  bool isNull(int column) const { return p_->isNull(column); }
  int64_t integer(int column) const { return p_->integer(column); }
  double real(int column) const { return p_->real(column); }
  std::string text(int column) const { return p_->text(column); }

 private:
  std::unique_ptr<automation::db::PreparedStatement> p_;
};

// A cached statement in use; reset when the use ends so that no read stays open.
class QVD_API Query {
 public:
  explicit Query(Statement& statement) : statement_(&statement) {}
  ~Query() { statement_->reset(); }
  Query(const Query&) = delete;
  Query& operator=(const Query&) = delete;
  Statement* operator->() const { return statement_; }
  Statement& operator*() const { return *statement_; }

 private:
  Statement* statement_;
};

// An open company database with a cache of prepared statements. The connection has no mutex of
// its own: its owner serialises its use.
class QVD_API Database {
 public:
  // Opens an existing file (or creates it when `create`): WAL journal, foreign keys, and a wait
  // of up to ten seconds for another writer. A server's URI opens that database on the server.
  static std::unique_ptr<Database> open(const std::string& target, bool create);
  // The server's dialect is the one for the engine's.
  explicit Database(std::unique_ptr<automation::db::Engine> engine);
  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  automation::db::Engine& engine() const noexcept { return *engine_; }
  const Dialect& dialect() const noexcept { return *dialect_; }
  // The statement for `sql`, prepared once per connection.
  Query query(const std::string& sql);
  // Runs one or more statements without parameters.
  void exec(std::string_view sql);
  // The key of the row the last INSERT added.
  int64_t lastInsertId() { return engine_->lastInsertId(); }

  // Groups the write transactions that follow into one database transaction, begun here (waiting
  // for another writer like any write), until commitGroup(); reads take its snapshot. Many small
  // writes then cost one commit. With `eachAlone` each write transaction is a savepoint of the
  // group, whole or absent on its own; without, none is (a savepoint per imported document
  // cost a server a tenth of its work) and one that fails undoes the whole group: groupLost() says so,
  // every later write raises, and the caller begins the group again. Nothing when a group is open
  // already.
  void beginGroup(bool eachAlone);
  // Commits the group. Raises when the database rolled it back on its own (disk full, I/O error)
  // or a write undid it, since what was written in it is then lost; the group is closed either way.
  void commitGroup();
  bool grouped() const noexcept { return grouped_; }
  bool groupLost() const noexcept { return lost_; }
  bool groupEachAlone() const noexcept { return eachAlone_; }
  // In a group undone whole, an action's writes go to a server without waiting for them
  // (Engine::sendAhead): a failure among them shows in a later statement, which loses the group.
  bool writesGoAhead() const noexcept { return grouped_ && !eachAlone_ && !lost_; }
  // Waits for the writes sent ahead; one that failed, or a check of them, loses the group. Raises
  // only a lost connection.
  void settleGroup();
  // Undoes the whole group, for a write of it that failed.
  void loseGroup() noexcept;
  // Counts the write transactions begun (a group counts one), so that a look taken inside one is
  // known to hold for the rest of it.
  uint64_t writeSerial() const noexcept { return writeSerial_; }
  void countWrite() noexcept { ++writeSerial_; }
  // Counts the writes undone (an action's, or a whole group's), so that what was learnt from them
  // is known to be untrue since.
  uint64_t undoSerial() const noexcept { return undoSerial_; }
  void countUndo() noexcept { ++undoSerial_; }

 private:
  std::unique_ptr<automation::db::Engine> engine_;
  const Dialect* dialect_;
  bool grouped_ = false;
  bool eachAlone_ = true;
  bool lost_ = false;
  uint64_t writeSerial_ = 0;
  uint64_t undoSerial_ = 0;
  std::unordered_map<std::string, std::unique_ptr<Statement>> cache_;
};

// A transaction, rolled back unless committed. A write transaction takes the write lock at once
// (waiting while another writer holds the database); a read transaction gives one snapshot and
// one lock to all the reads of an action instead of one per statement. Inside a group
// (Database::beginGroup) a write transaction is a savepoint of the group's, or nothing of its own
// when a failure undoes the whole group, and a read one takes the group's snapshot.
class QVD_API Transaction {
 public:
  enum Kind { Read, Write };
  explicit Transaction(Database& db, Kind kind = Write);
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;
  void commit();
  // Undoes it now, so that the action can look at the database again before it refuses.
  void rollback();

 private:
  Database& db_;
  bool open_ = true;
  bool savepoint_ = false;
  bool wholeGroup_ = false;  // a rollback undoes the group it is part of
};

// Many rows written as a few multi-row statements: `write(first, count)` runs for consecutive runs
// covering [0, total), each of at most kBatchRows rows, so that a table's writes take at most
// kBatchRows statement texts, each prepared once.
inline constexpr std::size_t kBatchRows = 16;
void inBatches(std::size_t total, const std::function<void(std::size_t first, std::size_t count)>& write);
// "?, ?, ?": `count` parameters.
std::string placeholders(std::size_t count);
// "(?, ?), (?, ?)": `rows` rows of `columns` parameters each.
std::string valueRows(std::size_t rows, std::size_t columns);

}  // namespace erpserver::sql
