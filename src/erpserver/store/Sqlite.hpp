#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>

// A thin RAII layer over the sqlite3 C interface, private to the server.
namespace erpserver::sql {

// A failure reported by SQLite: its result code and message.
class Error : public std::runtime_error {
 public:
  Error(int code, const std::string& message) : std::runtime_error(message), code_(code) {}
  int code() const noexcept { return code_; }
  // The primary result code (SQLITE_CONSTRAINT for every constraint failure, ...).
  int primary() const noexcept { return code_ & 0xFF; }

 private:
  int code_;
};

// One prepared statement. Parameters are 1-based; columns 0-based.
class Statement {
 public:
  Statement(sqlite3* db, std::string_view sql);
  ~Statement();
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  Statement& bindNull(int index);
  Statement& bind(int index, int64_t value);
  Statement& bind(int index, int32_t value) { return bind(index, int64_t{value}); }
  Statement& bind(int index, double value);
  // Empty text is stored as NULL: the schema keeps "no value" as NULL so that foreign keys hold.
  Statement& bind(int index, std::string_view value);
  Statement& bind(int index, const char* value) { return bind(index, std::string_view(value)); }
  Statement& bind(int index, const std::string& value) { return bind(index, std::string_view(value)); }

  // True when a row is available; false when the statement is done.
  bool step();
  // Runs a statement that returns no rows.
  void run();
  void reset();

  bool isNull(int column) const;
  int64_t integer(int column) const;
  double real(int column) const;
  std::string text(int column) const;

 private:
  sqlite3* db_;
  sqlite3_stmt* stmt_ = nullptr;
};

// A cached statement in use; reset when the use ends so that no read stays open.
class Query {
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

// An open database connection with a cache of prepared statements.
class Database {
 public:
  // Opens an existing file (or creates it when `create`); WAL journal, busy timeout, foreign keys.
  // The connection has no mutex of its own: its owner serialises its use.
  static std::unique_ptr<Database> open(const std::string& path, bool create);
  // `owned`: the connection is closed with this object; a borrowed one is left open.
  explicit Database(sqlite3* handle, bool owned = true);
  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  sqlite3* handle() const noexcept { return db_; }
  // The statement for `sql`, prepared once per connection.
  Query query(const std::string& sql);
  // Runs one or more statements without parameters.
  void exec(std::string_view sql);

  // Groups the write transactions that follow into one database transaction, begun here (waiting
  // for another writer like any write), until commitGroup(): each of them becomes a savepoint of
  // it, whole or absent on its own, and reads take its snapshot. Many small writes then cost one
  // commit. Nothing when a group is open already.
  void beginGroup();
  // Commits the group. Raises when the database rolled it back on its own (disk full, I/O error),
  // since what was written in it is then lost; the group is closed either way.
  void commitGroup();
  bool grouped() const noexcept { return grouped_; }

 private:
  friend class Transaction;
  sqlite3* db_;
  bool owned_;
  bool grouped_ = false;
  std::unordered_map<std::string, std::unique_ptr<Statement>> cache_;
};

// A transaction, rolled back unless committed. A write transaction begins IMMEDIATE (waiting while
// another writer holds the database); a read transaction gives one snapshot and one lock to all
// the reads of an action instead of one per statement. Inside a group (Database::beginGroup) a
// write transaction is a savepoint of the group's and a read one takes the group's snapshot.
class Transaction {
 public:
  enum Kind { Read, Write };
  explicit Transaction(Database& db, Kind kind = Write);
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;
  void commit();

 private:
  Database& db_;
  bool open_ = true;
  bool savepoint_ = false;
};

[[noreturn]] void fail(sqlite3* db, int code);

}  // namespace erpserver::sql
