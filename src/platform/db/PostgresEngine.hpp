#pragma once

#include <libpq-fe.h>

#include <map>
#include <memory>
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
  ~PostgresEngine() override;
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
  bool inTransaction() const override;
  void checkConnection() override;
  void run(const char* sql, bool quiet = false) override;
  [[nodiscard]] std::optional<std::string> tableName(std::string_view name) override;
  std::vector<ColumnInfo> tableColumns(const std::string& table) override;
  const char* rowIdentity() const override { return "ctid"; }
  const char* sameValue() const override { return "IS NOT DISTINCT FROM"; }

  using Result = std::unique_ptr<PGresult, void (*)(PGresult*)>;
  // For PostgresStatement: `sql` prepared on the server for parameters of `types` (0: the server
  // infers it), under a name of its own; that prepared statement run with `parameters`.
  std::string prepareOnServer(const std::string& sql, const std::vector<unsigned>& types);
  Result runPrepared(const std::string& name, const std::vector<postgres::ParameterText>& parameters);

 private:
  struct TableColumn {
    std::string name, declared;
    bool notNull = false, primaryKey = false;
  };
  struct Table {
    std::string name;
    std::map<int, TableColumn> columns;  // by column number
  };
  PostgresEngine(PGconn* connection, std::string address) : connection_(connection), address_(std::move(address)) {}
  // One statement; raises the server's text when it fails.
  Result send(const postgres::StatementText& statement, std::span<const NamedValue> parameters,
              bool typed = true);
  RecordsetRef rowsOf(const PGresult& result);
  const Table* table(unsigned oid, int column);
  [[noreturn]] void failWith(const PGresult* result);
  bool connectionLost() const;
  [[noreturn]] void failConnectionLost(const std::string& reason);

  PGconn* connection_;
  std::string address_;      // the URI without its password, for messages
  std::string lockTimeout_;  // the session's, as the server shows it
  int64_t affected_ = 0;
  std::string sqlState_;  // of the last failure
  std::map<unsigned, Table> tables_;
  int prepared_ = 0;  // statements prepared so far, to name the next
};

}  // namespace automation::db
