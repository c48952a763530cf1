#include "platform/db/PostgresEngine.hpp"

#include <atomic>
#include <cassert>
#include <optional>

#include "platform/AutomationError.hpp"
#include "platform/Text.hpp"
#include "platform/db/Connection.hpp"
#include "platform/db/EngineFault.hpp"
#include "platform/db/PostgresStatement.hpp"
#include "platform/db/PostgresValues.hpp"
#include "platform/db/RoundTrips.hpp"
#include "platform/db/ServerAddress.hpp"
#include "platform/db/ServerEngine.hpp"
#include "platform/db/SqlTypes.hpp"

namespace automation::db {
namespace {

using postgres::StatementText;

std::atomic<int64_t> roundTrips{0};

// Counts one wait for the server's answer.
void countRoundTrip() { roundTrips.fetch_add(1, std::memory_order_relaxed); }

bool succeeded(ExecStatusType status) {
  return status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK || status == PGRES_EMPTY_QUERY;
}

constexpr const char* kReadOnlyState = "25006";
constexpr const char* kLockNotAvailable = "55P03";
// Marks the statement that takes the writer lock, whose failure has a message of its own.
constexpr const char* kWriterLockPlace = " (writer lock)";

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

int64_t serverRoundTrips() noexcept { return roundTrips.load(std::memory_order_relaxed); }

std::unique_ptr<PostgresEngine> PostgresEngine::open(const std::string& uri) {
  // Later keywords win, so that the URI's own settings override these defaults. Keepalives find a
  // server that vanished without closing the connection, instead of waiting on it for good.
  const char* keywords[] = {"connect_timeout", "application_name", "keepalives",    "keepalives_idle",
                            "keepalives_interval", "keepalives_count", "dbname", nullptr};
  const char* values[] = {"10", "qvd", "1", "30", "10", "3", uri.c_str(), nullptr};
  // Owned from the first moment, so that no failure below leaves the connection open.
  Handle connection(PQconnectdbParams(keywords, values, 1), PQfinish);
  if (!connection || PQstatus(connection.get()) != CONNECTION_OK) {
    std::string reason = connection ? trimmed(PQerrorMessage(connection.get())) : "out of memory";
    raise(dberr::ProviderError,
          address::scrubbed("Cannot open the database \"" + uri + "\": " + reason +
                            ". Check that the server is running, the database exists and the user may log in."),
          "Connection");
  }
  PQsetNoticeProcessor(connection.get(), [](void*, const char*) {}, nullptr);
  if (engineFault) engineFault();
  std::unique_ptr<PostgresEngine> engine(new PostgresEngine(std::move(connection), address::withoutPassword(uri)));
  engine->run("SET client_encoding TO 'UTF8'; SET DateStyle TO ISO, YMD");
  // A session stuck while holding the writer lock must not hang every other writer; a timeout set
  // by the URI, PGOPTIONS or the server's settings for the role or database is kept.
  countRoundTrip();
  Result timeout(PQexec(engine->connection(),
                        "SELECT CASE current_setting('lock_timeout') WHEN '0' THEN "
                        "set_config('lock_timeout', '30s', false) ELSE current_setting('lock_timeout') END"),
                 PQclear);
  if (!timeout || PQresultStatus(timeout.get()) != PGRES_TUPLES_OK) engine->failWith(timeout.get());
  engine->lockTimeout_ = PQgetvalue(timeout.get(), 0, 0);
  return engine;
}

void PostgresEngine::countTrip() {
  countRoundTrip();
  ++trips_;
}

void PostgresEngine::failWith(const PGresult* result, std::string place) {
  if (engineFault) engineFault();
  std::string message;
  const char* state = result ? PQresultErrorField(result, PG_DIAG_SQLSTATE) : nullptr;
  sqlState_ = state ? state : "";
  if (result && PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY)) {
    message = PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY);
    if (const char* detail = PQresultErrorField(result, PG_DIAG_MESSAGE_DETAIL)) message += ". " + std::string(detail);
  } else {
    message = trimmed(PQerrorMessage(connection()));
  }
  if (connectionLost()) failConnectionLost(message);
  fail(std::move(message), failureKind(sqlState_), std::move(place));
}

bool PostgresEngine::connectionLost() const {
  return PQstatus(connection()) == CONNECTION_BAD || lostConnectionState(sqlState_);
}

void PostgresEngine::failConnectionLost(const std::string& reason) {
  sqlState_ = "08006";
  fail(address::scrubbed("The connection to the database server \"" + address_ + "\" was lost (" + reason +
                         "); what was not committed was not written. Check that the server is running and "
                         "reachable, then open the company again."),
       DatabaseError::Kind::ConnectionLost);
}

void PostgresEngine::checkConnection() {
  if (connectionLost()) failConnectionLost(trimmed(PQerrorMessage(connection())));
}

void PostgresEngine::begin() {
  beginDeferred();
  flush();
}

void PostgresEngine::beginDeferred() {
  beginAt_ = pending_.size();
  queueText("BEGIN");
  queueText("SELECT pg_advisory_xact_lock(hashtext('qvd writer'))");
  pending_.back().place = kWriterLockPlace;
  writerLocked_ = true;
}

void PostgresEngine::beginRead() {
  writerLocked_ = false;
  beginAt_ = pending_.size();
  queueText("BEGIN");
}

void PostgresEngine::failWriterLock(const PGresult* result) {
  try {
    failWith(result);
  } catch (const DatabaseError& e) {
    std::string state = sqlState_;
    abandon();
    if (state != kLockNotAvailable) throw;
    // Not a turn to wait for again: the writer ahead has held the lock past the timeout.
    fail("Another session has held the writer lock of the database \"" + address_ + "\" for longer than " +
         lockTimeout_ + " (" + e.description() +
         "); nothing was written. Finish or end that session (pg_stat_activity shows it), or set a longer "
         "lock_timeout in the connection's options, then try again.");
  }
}

bool PostgresEngine::inTransaction() const {
  if (beginAt_) return true;
  if (rollbackQueued_) return false;
  PGTransactionStatusType status = PQtransactionStatus(connection());
  return status == PQTRANS_INTRANS || status == PQTRANS_INERROR || status == PQTRANS_ACTIVE;
}

void PostgresEngine::run(const char* sql) {
  writerLocked_ = false;
  flush();
  countTrip();
  ++changes_;
  Result result(PQexec(connection(), sql), PQclear);
  ExecStatusType status = result ? PQresultStatus(result.get()) : PGRES_FATAL_ERROR;
  if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) failWith(result.get());
}

PostgresEngine::Pending PostgresEngine::pendingFor(const StatementText& statement,
                                                  std::span<const NamedValue> parameters, bool typed) {
  Pending pending;
  pending.sql = statement.sql;
  for (const std::string& name : statement.names) {
    const NamedValue* match = nullptr;
    for (const NamedValue& v : parameters)
      if (text::equalsIgnoringCase(withoutSigil(v.name), name)) match = &v;
    if (!match) fail("No value given for the parameter @" + name + ".");
    pending.parameters.push_back(postgres::parameterText(match->value));
    if (!typed) pending.parameters.back().type = 0;
    pending.types.push_back(pending.parameters.back().type);
  }
  return pending;
}

PostgresEngine::Result PostgresEngine::send(const StatementText& statement, std::span<const NamedValue> parameters,
                                            bool typed) {
  writerLocked_ = false;
  Result result(nullptr, PQclear);
  Pending pending = pendingFor(statement, parameters, typed);
  pending.out = &result;
  ++changes_;
  pending_.push_back(std::move(pending));
  flush();
  return result;
}

bool PostgresEngine::sendPending(const Pending& p) {
  std::vector<const char*> values;
  for (const auto& t : p.parameters) values.push_back(t.text ? t.text->c_str() : nullptr);
  int count = static_cast<int>(values.size());
  if (p.name.empty())
    return PQsendQueryParams(connection(), p.sql.c_str(), count, p.types.data(), values.data(), nullptr, nullptr, 0) == 1;
  if (p.prepare &&
      PQsendPrepare(connection(), p.name.c_str(), p.sql.c_str(), static_cast<int>(p.types.size()), p.types.data()) != 1)
    return false;
  return PQsendQueryPrepared(connection(), p.name.c_str(), count, values.data(), nullptr, nullptr, 0) == 1;
}

// Each batch goes in the pipeline with a sync of its own. After a refusal the server skips the rest
// of that batch; inside a transaction the batches after it are refused too.
void PostgresEngine::sendBatch() {
  std::vector<Pending> batch;
  batch.swap(pending_);
  bool entered = PQpipelineStatus(connection()) != PQ_PIPELINE_OFF || PQenterPipelineMode(connection()) == 1;
  if (!entered) failConnectionLost(trimmed(PQerrorMessage(connection())));
  bool lost = false;
  for (const Pending& p : batch) lost = lost || !sendPending(p);
  lost = lost || PQpipelineSync(connection()) != 1;
  if (lost) failConnectionLost(trimmed(PQerrorMessage(connection())));
  beginAt_.reset();
  rollbackQueued_ = false;
  sent_.push_back(Batch{std::move(batch), false});
}

void PostgresEngine::sendAhead() {
  if (!pending_.empty()) sendBatch();
}

// The first refusal and the first exception of a check are kept in `answers`, unless the batch was
// undone.
bool PostgresEngine::readBatch(Batch& batch, Answers& answers) {
  for (Pending& p : batch.statements) {
    for (int part = p.prepare ? 0 : 1; part < 2; ++part) {
      Result result(PQgetResult(connection()), PQclear);
      if (!result) return false;
      while (PGresult* rest = PQgetResult(connection())) PQclear(rest);
      ExecStatusType status = PQresultStatus(result.get());
      if (!succeeded(status)) {
        if (part == 0) unprepared_.insert(p.name);
        if (status != PGRES_PIPELINE_ABORTED && !answers.failure && !batch.undone) {
          answers.failure = std::move(result);
          answers.place = p.place;
        }
        continue;
      }
      if (part == 0 || batch.undone) continue;
      // BEGIN, savepoints and their ends around a statement leave its count as it was.
      if (!p.out && !p.check && p.name.empty()) continue;
      const char* affected = PQcmdTuples(result.get());
      affected_ = *affected ? std::stoll(affected) : 0;
      assert(!(p.out && p.check) && "a statement's rows go to one reader");
      if (p.out) *p.out = std::move(result);
      if (!p.check || answers.refused) continue;
      try {
        p.check(std::move(result));
      } catch (...) {
        answers.refused = std::current_exception();
      }
    }
  }
  Result sync(PQgetResult(connection()), PQclear);
  return sync && PQresultStatus(sync.get()) == PGRES_PIPELINE_SYNC;
}

// Every batch sent and not yet answered is read whole, so that the connection is ready for the
// next statement; then the first refusal among them is raised, or else what a check raised.
void PostgresEngine::flush() {
  bool ahead = !sent_.empty();
  if (!pending_.empty()) sendBatch();
  if (sent_.empty()) return;
  std::vector<Batch> batches;
  batches.swap(sent_);
  countTrip();
  Answers answers{Result(nullptr, PQclear), {}, nullptr};
  bool lost = false;
  for (Batch& batch : batches) lost = lost || !readBatch(batch, answers);
  if (lost || PQexitPipelineMode(connection()) != 1) failConnectionLost(trimmed(PQerrorMessage(connection())));
  if ((answers.failure || answers.refused) && ahead && inTransaction()) doomed_ = true;
  if (answers.failure && answers.place == kWriterLockPlace) failWriterLock(answers.failure.get());
  if (answers.failure) failWith(answers.failure.get(), std::move(answers.place));
  if (answers.refused) std::rethrow_exception(answers.refused);
}

void PostgresEngine::forget(const Result* out) {
  for (Pending& p : pending_)
    if (p.out == out) p.out = nullptr;
  for (Batch& batch : sent_)
    for (Pending& p : batch.statements)
      if (p.out == out) p.out = nullptr;
}

void PostgresEngine::undoSentAhead() noexcept {
  for (Batch& batch : sent_) batch.undone = true;
  doomed_ = false;
}

void PostgresEngine::commit() {
  writerLocked_ = false;
  // What was sent ahead is known good before the commit goes, not with it; whatever failed there,
  // the commit raises the engine's own error.
  if (!sent_.empty()) {
    try {
      flush();
    } catch (...) {
      if (!doomed_) throw;
    }
  }
  if (doomed_) {
    rollback();
    fail("A statement sent ahead in this transaction failed, so the transaction was rolled back and nothing "
         "of it was kept; do its work again.");
  }
  queueText("COMMIT");
  flush();
}

// What waits to be sent since the transaction's BEGIN belongs to it.
bool PostgresEngine::dropPendingTransaction() {
  bool begunHere = beginAt_.has_value();
  std::size_t keep = beginAt_.value_or(0);
  for (std::size_t i = keep; i < pending_.size(); ++i)
    if (pending_[i].prepare) unprepared_.insert(pending_[i].name);
  pending_.resize(keep);
  beginAt_.reset();
  return begunHere;
}

void PostgresEngine::rollback() {
  writerLocked_ = false;
  undoSentAhead();
  dropPendingTransaction();
  run("ROLLBACK");
}

// A clean-up waits for nothing: its ROLLBACK goes with the next statement, or not at all when the
// BEGIN never went.
void PostgresEngine::abandon() noexcept {
  writerLocked_ = false;
  undoSentAhead();
  if (dropPendingTransaction() || PQtransactionStatus(connection()) == PQTRANS_IDLE) return;
  bestEffort([&] { queueText("ROLLBACK"); });
  rollbackQueued_ = true;
}

void PostgresEngine::savepoint(const char* name) { queueText(std::string("SAVEPOINT ") + name); }

void PostgresEngine::releaseSavepoint(const char* name) {
  queueText(std::string("RELEASE ") + name);
  flush();
}

// After a refusal in a pipeline the server skipped the rest of it: the undo goes on its own.
void PostgresEngine::rollbackToSavepoint(const char* name) noexcept {
  bestEffort([&] { flush(); });
  bestEffort([&] {
    queueText(std::string("ROLLBACK TO ") + name);
    queueText(std::string("RELEASE ") + name);
    flush();
  });
}

std::unique_ptr<PreparedStatement> PostgresEngine::prepare(std::string_view sql) {
  return std::make_unique<PostgresStatement>(*this, sql);
}

int64_t PostgresEngine::lastInsertId() {
  flush();
  countTrip();
  Result result(PQexec(connection(), "SELECT lastval()"), PQclear);
  if (!result || PQresultStatus(result.get()) != PGRES_TUPLES_OK) failWith(result.get());
  return std::stoll(PQgetvalue(result.get(), 0, 0));
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
  writerLocked_ = false;
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
  // The opening, the query and the undo go in one pipeline; after a refusal the server skipped the
  // undo, which then goes on its own.
  bool outer = !inTransaction();
  if (outer) {
    queueText("BEGIN READ ONLY");
  } else {
    queueText("SAVEPOINT read_only_query");
    queueText("SET LOCAL transaction_read_only = on");
  }
  Result result(nullptr, PQclear);
  Pending read = pendingFor(statements[0], {}, true);
  read.out = &result;
  pending_.push_back(std::move(read));
  if (outer) {
    queueText("ROLLBACK");
  } else {
    queueText("ROLLBACK TO read_only_query");
    queueText("RELEASE read_only_query");
  }
  try {
    flush();
  } catch (...) {
    // Whatever went wrong, the session leaves the read-only transaction it was put in.
    std::string state = sqlState_;
    if (outer) abandon();
    else rollbackToSavepoint("read_only_query");
    if (state == kReadOnlyState) fail(notOnlyReading);
    throw;
  }
  if (!result || PQresultStatus(result.get()) != PGRES_TUPLES_OK) fail(notOnlyReading);
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
  StatementText call{"SELECT * FROM " + postgres::quotedIdentifier(lowerAscii(name)) + "(", {}};
  for (const NamedValue& p : parameters) {
    std::string argument = lowerAscii(withoutSigil(p.name));
    call.sql += (call.names.empty() ? "" : ", ") + postgres::quotedIdentifier(argument) + " => $" +
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
  NamedValue key{"name", Variant(postgres::quotedIdentifier(name))};
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

namespace automation::db {

std::unique_ptr<Engine> openServerEngine(const std::string& uri) { return PostgresEngine::open(uri); }

}  // namespace automation::db
