#include "erpserver/store/Sqlite.hpp"

#include <chrono>
#include <thread>

#include "erpserver/store/LockWait.hpp"

namespace erpserver::sql {
namespace {

constexpr int kBeginAttempts = 50;

// The busy handler waits inside each attempt; the loop covers a writer that holds on longer.
void beginWaiting(Database& db, const char* begin) {
  for (int attempt = 1;; ++attempt) {
    try {
      db.exec(begin);
      return;
    } catch (const Error& e) {
      if (e.primary() != SQLITE_BUSY || attempt == kBeginAttempts) throw;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }
}

}  // namespace

void fail(sqlite3* db, int code) {
  int extended = db ? sqlite3_extended_errcode(db) : code;
  throw Error(extended ? extended : code, db ? sqlite3_errmsg(db) : sqlite3_errstr(code));
}

Statement::Statement(sqlite3* db, std::string_view sql) : db_(db) {
  int rc = sqlite3_prepare_v3(db, sql.data(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT, &stmt_,
                              nullptr);
  if (rc != SQLITE_OK) fail(db, rc);
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

Statement& Statement::bindNull(int index) {
  if (int rc = sqlite3_bind_null(stmt_, index); rc != SQLITE_OK) fail(db_, rc);
  return *this;
}

Statement& Statement::bind(int index, int64_t value) {
  if (int rc = sqlite3_bind_int64(stmt_, index, value); rc != SQLITE_OK) fail(db_, rc);
  return *this;
}

Statement& Statement::bind(int index, double value) {
  if (int rc = sqlite3_bind_double(stmt_, index, value); rc != SQLITE_OK) fail(db_, rc);
  return *this;
}

Statement& Statement::bind(int index, std::string_view value) {
  if (value.empty()) return bindNull(index);
  int rc = sqlite3_bind_text(stmt_, index, value.data(), static_cast<int>(value.size()), SQLITE_TRANSIENT);
  if (rc != SQLITE_OK) fail(db_, rc);
  return *this;
}

bool Statement::step() {
  int rc = sqlite3_step(stmt_);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  fail(db_, rc);
}

void Statement::run() {
  while (step()) {
  }
}

void Statement::reset() {
  sqlite3_reset(stmt_);
  sqlite3_clear_bindings(stmt_);
}

bool Statement::isNull(int column) const { return sqlite3_column_type(stmt_, column) == SQLITE_NULL; }
int64_t Statement::integer(int column) const { return sqlite3_column_int64(stmt_, column); }
double Statement::real(int column) const { return sqlite3_column_double(stmt_, column); }

std::string Statement::text(int column) const {
  const unsigned char* p = sqlite3_column_text(stmt_, column);
  return p ? std::string(reinterpret_cast<const char*>(p), static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column)))
           : std::string();
}

std::unique_ptr<Database> Database::open(const std::string& path, bool create) {
  sqlite3* handle = nullptr;
  int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX | (create ? SQLITE_OPEN_CREATE : 0);
  int rc = sqlite3_open_v2(path.c_str(), &handle, flags, nullptr);
  if (rc != SQLITE_OK) {
    std::string message = handle ? sqlite3_errmsg(handle) : sqlite3_errstr(rc);
    sqlite3_close(handle);
    throw Error(rc, message);
  }
  auto db = std::make_unique<Database>(handle);
  waitForLocks(handle);
  sqlite3_extended_result_codes(handle, 1);
  db->exec("PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL; PRAGMA foreign_keys=ON;");
  return db;
}

Database::Database(sqlite3* handle, bool owned) : db_(handle), owned_(owned) {}

Database::~Database() {
  cache_.clear();
  if (owned_) sqlite3_close(db_);
}

Query Database::query(const std::string& sql) {
  auto it = cache_.find(sql);
  if (it == cache_.end()) it = cache_.emplace(sql, std::make_unique<Statement>(db_, sql)).first;
  return Query(*it->second);
}

void Database::exec(std::string_view sql) {
  std::string text(sql);
  char* message = nullptr;
  int rc = sqlite3_exec(db_, text.c_str(), nullptr, nullptr, &message);
  if (rc != SQLITE_OK) {
    std::string what = message ? message : sqlite3_errstr(rc);
    sqlite3_free(message);
    throw Error(sqlite3_extended_errcode(db_), what);
  }
}

void Database::beginGroup() {
  if (grouped_) return;
  beginWaiting(*this, "BEGIN IMMEDIATE");
  grouped_ = true;
}

void Database::commitGroup() {
  if (!grouped_) return;
  grouped_ = false;
  if (sqlite3_get_autocommit(db_))
    throw Error(SQLITE_ABORT, "the database rolled back the group of writes after an error; none of it was kept");
  try {
    exec("COMMIT");
  } catch (...) {
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    throw;
  }
}

Transaction::Transaction(Database& db, Kind kind) : db_(db) {
  if (!db_.grouped()) {
    beginWaiting(db_, kind == Write ? "BEGIN IMMEDIATE" : "BEGIN");
    return;
  }
  // Writing on after the database dropped the group would commit each write alone, out of it.
  if (sqlite3_get_autocommit(db_.handle()))
    throw Error(SQLITE_ABORT, "the database rolled back the group of writes after an error");
  savepoint_ = kind == Write;
  if (savepoint_) db_.exec("SAVEPOINT action");
  else open_ = false;
}

Transaction::~Transaction() {
  if (!open_) return;
  if (savepoint_)
    sqlite3_exec(db_.handle(), "ROLLBACK TO action; RELEASE action", nullptr, nullptr, nullptr);
  else
    sqlite3_exec(db_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::commit() {
  if (open_) db_.exec(savepoint_ ? "RELEASE action" : "COMMIT");
  open_ = false;
}

}  // namespace erpserver::sql
