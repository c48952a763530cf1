#include "platform/db/Connection.hpp"

#include <optional>

#include "platform/AutomationError.hpp"

namespace automation::db {
namespace {

inline constexpr int kBusyTimeoutMs = 5000;

// Skips blanks, separators and comments; true when another statement follows.
bool statementFollows(const char*& from, const char* end) {
  while (from < end) {
    std::string_view rest(from, static_cast<std::size_t>(end - from));
    if (rest[0] == ';' || rest[0] == ' ' || rest[0] == '\t' || rest[0] == '\r' || rest[0] == '\n') {
      ++from;
    } else if (rest.starts_with("--")) {
      std::size_t eol = rest.find('\n');
      from = eol == std::string_view::npos ? end : from + eol + 1;
    } else if (rest.starts_with("/*")) {
      std::size_t close = rest.find("*/", 2);
      from = close == std::string_view::npos ? end : from + close + 2;
    } else {
      return true;
    }
  }
  return false;
}

}  // namespace

ConnectionRef Connection::open(const std::string& path) {
  sqlite3* db = nullptr;
  int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  if (rc != SQLITE_OK) {
    std::string reason = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    sqlite3_close(db);
    raise(dberr::ProviderError, "Cannot open the database \"" + path + "\": " + reason + ".", "Connection");
  }
  ConnectionRef connection(new Connection(db));
  sqlite3_busy_timeout(db, kBusyTimeoutMs);
  try {
    connection->run("PRAGMA journal_mode=WAL");
    connection->run("PRAGMA synchronous=NORMAL");
    connection->run("PRAGMA foreign_keys=ON");
  } catch (const AutomationError& e) {
    raise(dberr::ProviderError, "Cannot open the database \"" + path + "\": " + e.description(), "Connection");
  }
  return connection;
}

Connection::~Connection() { sqlite3_close_v2(db_); }

void Connection::fail(std::string message) {
  lastError_ = message;
  raise(dberr::ProviderError, std::move(message), "Connection");
}

void Connection::run(const char* sql) {
  char* message = nullptr;
  if (sqlite3_exec(db_, sql, nullptr, nullptr, &message) != SQLITE_OK) {
    std::string text = message ? message : sqlite3_errmsg(db_);
    sqlite3_free(message);
    fail(std::move(text));
  }
}

RecordsetRef Connection::Execute(std::string_view sql, std::span<const NamedValue> parameters) {
  RecordsetRef result = std::make_shared<Recordset>();
  std::optional<AtomicScope> scope;
  const char* next = sql.data();
  const char* end = sql.data() + sql.size();
  while (statementFollows(next, end)) {
    sqlite3_stmt* handle = nullptr;
    const char* start = next;
    if (sqlite3_prepare_v2(db_, start, static_cast<int>(end - start), &handle, &next) != SQLITE_OK) {
      fail(sqlite3_errmsg(db_));
    }
    Statement statement(*this, handle);
    if (!handle) continue;
    const char* after = next;
    if (!scope && statementFollows(after, end)) scope.emplace(*this);
    statement.bindByName(parameters);
    if (statement.returnsRows()) {
      result = statement.readAll();
    } else {
      while (statement.step()) {
      }
    }
  }
  if (scope) scope->commit();
  return result;
}

RecordsetRef Connection::Query(std::string_view sql) {
  const char* next = sql.data();
  const char* end = sql.data() + sql.size();
  if (!statementFollows(next, end)) fail("The text holds no statement to read rows with.");
  sqlite3_stmt* handle = nullptr;
  if (sqlite3_prepare_v2(db_, next, static_cast<int>(end - next), &handle, &next) != SQLITE_OK) {
    fail(sqlite3_errmsg(db_));
  }
  Statement statement(*this, handle);
  if (statementFollows(next, end)) {
    fail("The text holds more than one statement; a record set reads one query, and nothing was run. "
         "Send each statement on its own, and changes through ExecutarSQL.");
  }
  if (!handle || !sqlite3_stmt_readonly(handle) || !statement.returnsRows()) {
    fail("The statement does not only read rows; a record set reads one query (SELECT), and nothing was run. "
         "Change data through ExecutarSQL.");
  }
  return statement.readAll();
}

void Connection::BeginTrans() { run("BEGIN IMMEDIATE"); }
void Connection::CommitTrans() { run("COMMIT"); }
void Connection::RollbackTrans() { run("ROLLBACK"); }

AtomicScope::AtomicScope(Connection& connection) : connection_(connection), nested_(connection.InTransaction()) {
  connection_.run(nested_ ? "SAVEPOINT atomic_scope" : "BEGIN IMMEDIATE");
}

void AtomicScope::commit() {
  connection_.run(nested_ ? "RELEASE atomic_scope" : "COMMIT");
  done_ = true;
}

// Some failures (a full disk, an interrupted statement) already rolled the whole transaction back.
AtomicScope::~AtomicScope() {
  if (done_ || !connection_.InTransaction()) return;
  sqlite3_exec(connection_.db_, nested_ ? "ROLLBACK TO atomic_scope; RELEASE atomic_scope" : "ROLLBACK", nullptr,
               nullptr, nullptr);
}

}  // namespace automation::db
