#pragma once

#include <libpq-fe.h>

#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/db/Engine.hpp"
#include "platform/db/PostgresText.hpp"
#include "platform/db/PostgresValues.hpp"

namespace automation::db {

// A database on a PostgreSQL server, over one libpq connection. A statement that fails inside a
// transaction is undone alone, as on a file database, and the transaction goes on. A connection
// the server dropped fails every call at once with the reason, and is never waited on.
class PostgresEngine : public Engine {
 public:
  // `uri` as "postgresql://user@host:port/database"; the password comes from the URI, PGPASSWORD
  // or the password file. Raises naming the server and database, never the password.
  static std::unique_ptr<PostgresEngine> open(const std::string& uri);
  ~PostgresEngine() override = default;
  PostgresEngine(const PostgresEngine&) = delete;
  PostgresEngine& operator=(const PostgresEngine&) = delete;

  RecordsetRef execute(std::string_view sql, std::span<const NamedValue> parameters) override;
  RecordsetRef query(std::string_view sql) override;
  RecordsetRef callProcedure(const std::string& name, std::span<const NamedValue> parameters) override;
  int64_t recordsAffected() const override { return affected_; }
  std::unique_ptr<PreparedStatement> prepare(std::string_view sql) override;
  int64_t lastInsertId() override;
  // Takes the database's writer lock with the transaction, as a file database's writer does, so
  // that writers in any process on any machine take their turns and read what the one before
  // them committed (document numbers among them). A writer waits for the lock as long as the
  // session's lock_timeout (30 s unless the URI, PGOPTIONS or the server sets one), then fails.
  void begin() override;
  void beginDeferred() override;
  void beginRead() override;
  bool inTransaction() const override;
  // Savepoints wait for nothing: they go with the next statement that does. Ending a transaction
  // or a savepoint waits, so that what it ends is known to be kept.
  void commit() override;
  void rollback() override;
  void abandon() noexcept override;
  void savepoint(const char* name) override;
  void releaseSavepoint(const char* name) override;
  void rollbackToSavepoint(const char* name) noexcept override;
  // Sends the deferred statements in one pipeline and waits for all of them at once, and for those
  // sent ahead.
  void flush() override;
  void sendAhead() override;
  bool transactionDoomed() const noexcept override { return doomed_; }
  void checkConnection() override;
  void run(const char* sql) override;
  [[nodiscard]] std::optional<std::string> tableName(std::string_view name) override;
  std::vector<ColumnInfo> tableColumns(const std::string& table) override;
  const SqlDialect& dialect() const override { return kPostgresDialect; }

  using Result = std::unique_ptr<PGresult, void (*)(PGresult*)>;
  // Reads a statement's rows when they come and may raise; the flush that brings them raises it.
  using Check = std::function<void(Result answer)>;
  // A statement waiting to be sent: the text of an unnamed one, or the name of a prepared one
  // (prepared first, in the same pipeline, when `prepare` is set). Its result goes to `out` or to
  // `check`, when given; a refusal names `place`.
  struct Pending {
    std::string sql;
    std::string name;
    bool prepare = false;
    std::vector<unsigned> types;
    std::vector<postgres::ParameterText> parameters;
    Result* out = nullptr;
    std::string place;
    Check check;
  };
  // For PostgresStatement: a name for a statement prepared on the server; the statement queued to
  // be sent with the next flush; a result it no longer waits for.
  std::string newStatementName() { return "qvd_" + std::to_string(++prepared_); }
  void queue(Pending pending) {
    if ((!pending.out && !pending.check) || postgres::leadingKeyword(pending.sql) != "SELECT") ++changes_;
    pending_.push_back(std::move(pending));
  }
  // A statement without parameters queued to go with the next flush.
  void queueText(std::string sql) {
    ++changes_;
    pending_.emplace_back().sql = std::move(sql);
  }
  void forget(const Result* out);
  // Round trips of this connection so far, and the statements sent or queued that may change
  // data (all but the SELECTs of prepared statements): rows sent ahead hold while neither moved
  // past the round trip that brought them.
  int64_t trips() const noexcept { return trips_; }
  int64_t changes() const noexcept { return changes_; }
  // True inside a transaction begun with the writer lock (begin, beginDeferred), until it ends or
  // a statement of unknown effect (run, execute, query) goes: no other writer can change the rows
  // read meanwhile.
  bool holdsWriterLock() const { return writerLocked_ && inTransaction(); }
  // True (once) when the preparation of the statement of that name failed or was never sent, so
  // that its next run prepares it again.
  bool takeUnprepared(const std::string& name) { return unprepared_.erase(name) > 0; }

 private:
  struct TableColumn {
    std::string name, declared;
    bool notNull = false, primaryKey = false;
  };
  struct Table {
    std::string name;
    std::map<int, TableColumn> columns;  // by column number
  };
  using Handle = std::unique_ptr<PGconn, void (*)(PGconn*)>;
  PostgresEngine(Handle connection, std::string address)
      : connection_(std::move(connection)), address_(std::move(address)) {}
  PGconn* connection() const { return connection_.get(); }
  // Drops what waits to be sent since the transaction's BEGIN; true when that BEGIN still waited.
  bool dropPendingTransaction();
  // One statement, sent with whatever was deferred; raises the server's text when it fails.
  Result send(const postgres::StatementText& statement, std::span<const NamedValue> parameters,
              bool typed = true);
  Pending pendingFor(const postgres::StatementText& statement, std::span<const NamedValue> parameters, bool typed);
  bool sendPending(const Pending& pending);
  // Statements sent together whose answers were not read yet. Once their transaction was rolled
  // back the answers are read and dropped: a refusal among them no longer matters.
  struct Batch {
    std::vector<Pending> statements;
    bool undone = false;
  };
  // What the answers of a flush brought that it raises.
  struct Answers {
    Result failure;              // the first refusal
    std::string place;           // its statement's
    std::exception_ptr refused;  // by a check
  };
  // Sends what waits in pending_, with a sync, without reading the answers.
  void sendBatch();
  // Reads the answers to one batch and its sync; false when the connection was lost.
  bool readBatch(Batch& batch, Answers& answers);
  // Marks what was sent ahead as undone, by the transaction's end.
  void undoSentAhead() noexcept;
  RecordsetRef rowsOf(const PGresult& result);
  const Table* table(unsigned oid, int column);
  [[noreturn]] void failWith(const PGresult* result, std::string place = {});
  [[noreturn]] void failWriterLock(const PGresult* result);
  bool connectionLost() const;
  void countTrip();
  [[noreturn]] void failConnectionLost(const std::string& reason);

  Handle connection_;
  std::string address_;      // the URI without its password, for messages
  std::string lockTimeout_;  // the session's, as the server shows it
  int64_t affected_ = 0;
  std::string sqlState_;  // of the last failure
  std::map<unsigned, Table> tables_;
  int64_t trips_ = 0;
  int64_t changes_ = 0;
  int prepared_ = 0;  // statements prepared so far, to name the next
  std::vector<Pending> pending_;
  std::vector<Batch> sent_;  // in the order sent
  bool doomed_ = false;      // see transactionDoomed()
  std::set<std::string> unprepared_;
  std::optional<std::size_t> beginAt_;  // where a BEGIN waits in pending_
  bool rollbackQueued_ = false;         // a ROLLBACK waits in pending_, ending the transaction
  bool writerLocked_ = false;           // see holdsWriterLock()
};

}  // namespace automation::db
