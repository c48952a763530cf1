#include "platform/db/PostgresEngine.hpp"

#include <optional>

#include "platform/AutomationError.hpp"
#include "platform/Text.hpp"
#include "platform/db/Connection.hpp"
#include "platform/db/PostgresStatement.hpp"
#include "platform/db/PostgresValues.hpp"
#include "platform/db/ServerAddress.hpp"
#include "platform/db/SqlTypes.hpp"

namespace automation::db {
namespace {

using postgres::StatementText;

constexpr const char* kReadOnlyState = "25006";
constexpr const char* kLockNotAvailable = "55P03";

std::string withoutSigil(std::string_view name) {
  if (!name.empty() && (name[0] == '@' || name[0] == ':' || name[0] == '$')) name.remove_prefix(1);
  return std::string(name);
}

std::string lowerAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

std::string trimmed(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
  return text;
}

bool controlsTransaction(const StatementText& statement) {
  std::string word = postgres::leadingKeyword(statement.sql);
  return word == "BEGIN" || word == "START" || word == "COMMIT" || word == "END" || word == "ROLLBACK" ||
         word == "SAVEPOINT" || word == "RELEASE";
}

// The kind of refusal a SQLSTATE stands for: a broken constraint (class 23), or a lock another
// writer holds (a deadlock, a lock not available, a serialization failure).
DatabaseError::Kind failureKind(const std::string& state) {
  if (state.starts_with("23")) return DatabaseError::Kind::Constraint;
  if (state == "40P01" || state == kLockNotAvailable || state == "40001") return DatabaseError::Kind::Busy;
  return DatabaseError::Kind::Other;
}

// A connection exception (class 08), or the server shutting the session down: by an
// administrator (57P01), in a crash (57P02) or while it cannot take connections (57P03).
bool lostConnectionState(const std::string& state) {
  return state.starts_with("08") || state == "57P01" || state == "57P02" || state == "57P03";
}

}  // namespace

std::unique_ptr<PostgresEngine> PostgresEngine::open(const std::string& uri) {
  // Later keywords win, so that the URI's own settings override these defaults. Keepalives find a
  // server that vanished without closing the connection, instead of waiting on it for good.
  const char* keywords[] = {"connect_timeout", "application_name", "keepalives",    "keepalives_idle",
                            "keepalives_interval", "keepalives_count", "dbname", nullptr};
  const char* values[] = {"10", "qvd", "1", "30", "10", "3", uri.c_str(), nullptr};
  PGconn* connection = PQconnectdbParams(keywords, values, 1);
  if (!connection || PQstatus(connection) != CONNECTION_OK) {
    std::string reason = connection ? trimmed(PQerrorMessage(connection)) : "out of memory";
    PQfinish(connection);
    raise(dberr::ProviderError,
          "Cannot open the database \"" + address::withoutPassword(uri) + "\": " + reason +
              ". Check that the server is running, the database exists and the user may log in.",
          "Connection");
  }
  PQsetNoticeProcessor(connection, [](void*, const char*) {}, nullptr);
  std::unique_ptr<PostgresEngine> engine(new PostgresEngine(connection, address::withoutPassword(uri)));
  engine->run("SET client_encoding TO 'UTF8'; SET DateStyle TO ISO, YMD");
  // A session stuck while holding the writer lock must not hang every other writer; a timeout set
  // by the URI, PGOPTIONS or the server's settings for the role or database is kept.
  Result timeout(PQexec(connection, "SELECT CASE current_setting('lock_timeout') WHEN '0' THEN "
                                    "set_config('lock_timeout', '30s', false) ELSE current_setting('lock_timeout') END"),
                 PQclear);
  if (!timeout || PQresultStatus(timeout.get()) != PGRES_TUPLES_OK) engine->failWith(timeout.get());
  engine->lockTimeout_ = PQgetvalue(timeout.get(), 0, 0);
  return engine;
}

PostgresEngine::~PostgresEngine() { PQfinish(connection_); }

void PostgresEngine::failWith(const PGresult* result) {
  std::string message;
  const char* state = result ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
  sqlState_ = state ? state : "";
  if (result && PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY)) {
    message = PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY);
    if (const char* detail = PQresultErrorField(result, PG_DIAG_MESSAGE_DETAIL)) message += ". " + std::string(detail);
  } else {
    message = trimmed(PQerrorMessage(connection_));
  }
  if (connectionLost()) failConnectionLost(message);
  fail(std::move(message), failureKind(sqlState_));
}

bool PostgresEngine::connectionLost() const {
  return PQstatus(connection_) == CONNECTION_BAD || lostConnectionState(sqlState_);
}

void PostgresEngine::failConnectionLost(const std::string& reason) {
  sqlState_ = "08006";
  fail("The connection to the database server \"" + address_ + "\" was lost (" + reason +
           "); what was not committed was not written. Check that the server is running and reachable, then open "
           "the company again.",
       DatabaseError::Kind::ConnectionLost);
}

void PostgresEngine::checkConnection() {
  if (connectionLost()) failConnectionLost(trimmed(PQerrorMessage(connection_)));
}

void PostgresEngine::begin() {
  try {
    run("BEGIN; SELECT pg_advisory_xact_lock(hashtext('qvd writer'))");
  } catch (const DatabaseError& e) {
    run("ROLLBACK", true);
    if (sqlState_ != kLockNotAvailable) throw;
    // Not a turn to wait for again: the writer ahead has held the lock past the timeout.
    fail("Another session has held the writer lock of the database \"" + address_ + "\" for longer than " +
         lockTimeout_ + " (" + e.description() +
         "); nothing was written. Finish or end that session (pg_stat_activity shows it), or set a longer "
         "lock_timeout in the connection's options, then try again.");
  }
}

bool PostgresEngine::inTransaction() const {
  PGTransactionStatusType status = PQtransactionStatus(connection_);
  return status == PQTRANS_INTRANS || status == PQTRANS_INERROR || status == PQTRANS_ACTIVE;
}

void PostgresEngine::run(const char* sql, bool quiet) {
  Result result(PQexec(connection_, sql), PQclear);
  ExecStatusType status = result ? PQresultStatus(result.get()) : PGRES_FATAL_ERROR;
  if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK && !quiet) failWith(result.get());
}

PostgresEngine::Result PostgresEngine::send(const StatementText& statement, std::span<const NamedValue> parameters,
                                            bool typed) {
  std::vector<postgres::ParameterText> texts;
  for (const std::string& name : statement.names) {
    const NamedValue* match = nullptr;
    for (const NamedValue& v : parameters)
      if (text::equalsIgnoringCase(withoutSigil(v.name), name)) match = &v;
    if (!match) fail("No value given for the parameter @" + name + ".");
    texts.push_back(postgres::parameterText(match->value));
    if (!typed) texts.back().type = 0;
  }
  std::vector<const char*> values;
  std::vector<Oid> types;
  for (const auto& t : texts) {
    values.push_back(t.text ? t.text->c_str() : nullptr);
    types.push_back(t.type);
  }
  Result result(PQexecParams(connection_, statement.sql.c_str(), static_cast<int>(values.size()), types.data(),
                             values.data(), nullptr, nullptr, 0),
                PQclear);
  ExecStatusType status = result ? PQresultStatus(result.get()) : PGRES_FATAL_ERROR;
  if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK && status != PGRES_EMPTY_QUERY) failWith(result.get());
  const char* affected = PQcmdTuples(result.get());
  affected_ = *affected ? std::stoll(affected) : 0;
  return result;
}

std::unique_ptr<PreparedStatement> PostgresEngine::prepare(std::string_view sql) {
  return std::make_unique<PostgresStatement>(*this, sql);
}

int64_t PostgresEngine::lastInsertId() {
  Result result(PQexec(connection_, "SELECT lastval()"), PQclear);
  if (!result || PQresultStatus(result.get()) != PGRES_TUPLES_OK) failWith(result.get());
  return std::stoll(PQgetvalue(result.get(), 0, 0));
}

std::string PostgresEngine::prepareOnServer(const std::string& sql, const std::vector<unsigned>& types) {
  std::string name = "qvd_" + std::to_string(++prepared_);
  Result result(PQprepare(connection_, name.c_str(), sql.c_str(), static_cast<int>(types.size()), types.data()),
                PQclear);
  if (!result || PQresultStatus(result.get()) != PGRES_COMMAND_OK) failWith(result.get());
  return name;
}

PostgresEngine::Result PostgresEngine::runPrepared(const std::string& name,
                                                   const std::vector<postgres::ParameterText>& parameters) {
  std::vector<const char*> values;
  for (const auto& p : parameters) values.push_back(p.text ? p.text->c_str() : nullptr);
  Result result(PQexecPrepared(connection_, name.c_str(), static_cast<int>(values.size()), values.data(), nullptr,
                               nullptr, 0),
                PQclear);
  ExecStatusType status = result ? PQresultStatus(result.get()) : PGRES_FATAL_ERROR;
  if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) failWith(result.get());
  const char* affected = PQcmdTuples(result.get());
  affected_ = *affected ? std::stoll(affected) : 0;
  return result;
}

RecordsetRef PostgresEngine::execute(std::string_view sql, std::span<const NamedValue> parameters) {
  std::vector<StatementText> statements = postgres::splitStatements(sql);
  RecordsetRef rows = std::make_shared<Recordset>();
  std::optional<AtomicScope> scope;
  bool control = statements.size() == 1 && controlsTransaction(statements[0]);
  if (!control && (statements.size() > 1 || inTransaction())) scope.emplace(*this);
  for (const StatementText& statement : statements) {
    Result result = send(statement, parameters);
    if (PQresultStatus(result.get()) == PGRES_TUPLES_OK) rows = rowsOf(*result);
  }
  if (scope) scope->commit();
  return rows;
}

// Runs the one statement under a read-only transaction, or a read-only savepoint inside the
// caller's, so that a statement that would write is refused by the server before it writes.
RecordsetRef PostgresEngine::query(std::string_view sql) {
  std::vector<StatementText> statements = postgres::splitStatements(sql);
  if (statements.empty()) fail("The text holds no statement to read rows with.");
  const char* notOnlyReading =
      "The statement does not only read rows; a record set reads one query (SELECT), and nothing was run. "
      "Change data through ExecutarSQL.";
  if (statements.size() > 1) {
    fail("The text holds more than one statement; a record set reads one query, and nothing was run. "
         "Send each statement on its own, and changes through ExecutarSQL.");
  }
  std::string word = postgres::leadingKeyword(statements[0].sql);
  if (word != "SELECT" && word != "WITH" && word != "VALUES" && word != "TABLE") fail(notOnlyReading);
  bool outer = !inTransaction();
  run(outer ? "BEGIN READ ONLY" : "SAVEPOINT read_only_query; SET LOCAL transaction_read_only = on");
  const char* undo = outer ? "ROLLBACK" : "ROLLBACK TO read_only_query; RELEASE read_only_query";
  Result result(nullptr, PQclear);
  try {
    result = send(statements[0], {});
  } catch (const AutomationError&) {
    std::string state = sqlState_;
    run(undo, true);
    if (state == kReadOnlyState) fail(notOnlyReading);
    throw;
  }
  run(undo);
  if (PQresultStatus(result.get()) != PGRES_TUPLES_OK) fail(notOnlyReading);
  return rowsOf(*result);
}

// A stored procedure is a function of the database that returns a table; its parameters take the
// command's by name, untyped so that the function's own types decide.
RecordsetRef PostgresEngine::callProcedure(const std::string& name, std::span<const NamedValue> parameters) {
  StatementText lookUp{"SELECT 1 FROM pg_proc WHERE proname = $1 AND pg_function_is_visible(oid)", {"name"}};
  NamedValue key{"name", Variant(lowerAscii(name))};
  if (PQntuples(send(lookUp, std::span(&key, 1)).get()) == 0) {
    fail("Could not find the stored procedure \"" + name + "\".");
  }
  StatementText call{"SELECT * FROM \"" + lowerAscii(name) + "\"(", {}};
  for (const NamedValue& p : parameters) {
    std::string argument = lowerAscii(withoutSigil(p.name));
    call.sql += (call.names.empty() ? "" : ", ") + ("\"" + text::replaceAll(argument, "\"", "\"\"") + "\" => $") +
                std::to_string(call.names.size() + 1);
    call.names.push_back(argument);
  }
  call.sql += ")";
  std::optional<AtomicScope> scope;
  if (inTransaction()) scope.emplace(*this);
  Result result = send(call, parameters, false);
  RecordsetRef rows = rowsOf(*result);
  if (scope) scope->commit();
  return rows;
}

const PostgresEngine::Table* PostgresEngine::table(unsigned oid, int column) {
  auto known = tables_.find(oid);
  if (known != tables_.end() && known->second.columns.contains(column)) return &known->second;
  StatementText describe{
      "SELECT c.relname, a.attnum, a.attname, format_type(a.atttypid, a.atttypmod), a.attnotnull, "
      "EXISTS (SELECT 1 FROM pg_index i WHERE i.indrelid = c.oid AND i.indisprimary AND a.attnum = ANY(i.indkey)) "
      "FROM pg_class c JOIN pg_attribute a ON a.attrelid = c.oid "
      "WHERE c.oid = $1 AND a.attnum > 0 AND NOT a.attisdropped ORDER BY a.attnum",
      {"oid"}};
  NamedValue key{"oid", Variant(std::to_string(oid))};
  Result result = send(describe, std::span(&key, 1), false);
  if (PQntuples(result.get()) == 0) return nullptr;
  Table found{PQgetvalue(result.get(), 0, 0), {}};
  for (int row = 0; row < PQntuples(result.get()); ++row) {
    found.columns[std::stoi(PQgetvalue(result.get(), row, 1))] =
        TableColumn{PQgetvalue(result.get(), row, 2), PQgetvalue(result.get(), row, 3),
                    PQgetvalue(result.get(), row, 4)[0] == 't', PQgetvalue(result.get(), row, 5)[0] == 't'};
  }
  return &(tables_[oid] = std::move(found));
}

RecordsetRef PostgresEngine::rowsOf(const PGresult& result) {
  auto rs = std::make_shared<Recordset>();
  std::vector<ColumnInfo> columns;
  for (int i = 0; i < PQnfields(&result); ++i) {
    DeclaredType type = postgres::fieldType(PQftype(&result, i), PQfmod(&result, i));
    ColumnInfo c{PQfname(&result, i), type.type, type.definedSize, 0};
    bool notNull = false, primaryKey = false;
    int number = PQftablecol(&result, i);
    const Table* base = PQftable(&result, i) != InvalidOid && number > 0 ? table(PQftable(&result, i), number) : nullptr;
    if (base && base->columns.contains(number)) {
      const TableColumn& column = base->columns.at(number);
      c.baseTable = base->name;
      c.baseColumn = column.name;
      notNull = column.notNull;
      primaryKey = column.primaryKey;
    }
    c.attributes = columnAttributes(c.type, notNull, primaryKey);
    if (c.baseTable.empty()) c.attributes &= ~fieldattr::Updatable;
    columns.push_back(std::move(c));
  }
  rs->setColumns(columns);
  rs->SetCursorLocation(UseClientCursor);
  rs->Open();
  for (int row = 0; row < PQntuples(&result); ++row) {
    std::vector<Variant> values;
    values.reserve(columns.size());
    for (int i = 0; i < PQnfields(&result); ++i) {
      if (PQgetisnull(&result, row, i)) {
        values.push_back(Variant::null());
      } else {
        std::string_view text(PQgetvalue(&result, row, i), static_cast<std::size_t>(PQgetlength(&result, row, i)));
        values.push_back(postgres::fieldValue(text, PQftype(&result, i), columns[static_cast<std::size_t>(i)].type));
      }
    }
    rs->appendLoadedRow(std::move(values));
  }
  return rs;
}

std::optional<std::string> PostgresEngine::tableName(std::string_view name) {
  StatementText find{
      "SELECT relname FROM pg_class WHERE relkind IN ('r', 'v', 'm', 'p', 'f') AND pg_table_is_visible(oid) "
      "AND lower(relname) = lower($1) ORDER BY relname = $1 DESC LIMIT 1",
      {"name"}};
  NamedValue key{"name", Variant(name)};
  Result result = send(find, std::span(&key, 1), false);
  if (PQntuples(result.get()) == 0) return std::nullopt;
  return std::string(PQgetvalue(result.get(), 0, 0));
}

std::vector<ColumnInfo> PostgresEngine::tableColumns(const std::string& name) {
  StatementText find{"SELECT $1::regclass::oid", {"name"}};
  NamedValue key{"name", Variant("\"" + text::replaceAll(name, "\"", "\"\"") + "\"")};
  unsigned oid = static_cast<unsigned>(std::stoul(PQgetvalue(send(find, std::span(&key, 1), false).get(), 0, 0)));
  tables_.erase(oid);
  std::vector<ColumnInfo> columns;
  const Table* described = table(oid, 1);
  if (!described) return columns;
  for (const auto& [number, column] : described->columns) {
    DeclaredType type = parseDeclaredType(column.declared);
    columns.push_back(ColumnInfo{column.name, type.type, type.definedSize,
                                 columnAttributes(type.type, column.notNull, column.primaryKey), described->name,
                                 column.name});
  }
  return columns;
}

}  // namespace automation::db
