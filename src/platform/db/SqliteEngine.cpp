#include "platform/db/SqliteEngine.hpp"

#include <optional>

#include "platform/AutomationError.hpp"
#include "platform/db/Connection.hpp"
#include "platform/db/LockWait.hpp"
#include "platform/db/SqlTypes.hpp"
#include "platform/db/SqlitePrepared.hpp"
#include "platform/db/Statement.hpp"

namespace automation::db {
namespace {

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

DatabaseError::Kind sqliteFailureKind(int code) {
  switch (code & 0xFF) {
    case SQLITE_CONSTRAINT: return DatabaseError::Kind::Constraint;
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return DatabaseError::Kind::Busy;
    default: return DatabaseError::Kind::Other;
  }
}

std::unique_ptr<SqliteEngine> SqliteEngine::open(const std::string& path, SqliteOptions options) {
  sqlite3* db = nullptr;
  int flags = SQLITE_OPEN_READWRITE | (options.create ? SQLITE_OPEN_CREATE : 0);
  int rc = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
  if (rc != SQLITE_OK) {
    std::string reason = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    sqlite3_close(db);
    throw DatabaseError(sqliteFailureKind(rc), "Cannot open the database \"" + path + "\": " + reason + ".");
  }
  std::unique_ptr<SqliteEngine> engine(new SqliteEngine(db, options.lockWaitMs));
  waitForLocks(db, engine->lockWaitMs_);
  try {
    engine->run("PRAGMA journal_mode=WAL");
    engine->run("PRAGMA synchronous=NORMAL");
    engine->run("PRAGMA foreign_keys=ON");
  } catch (const DatabaseError& e) {
    throw DatabaseError(e.kind(), "Cannot open the database \"" + path + "\": " + e.description());
  }
  return engine;
}

std::unique_ptr<PreparedStatement> SqliteEngine::prepare(std::string_view sql) {
  return std::make_unique<SqlitePrepared>(*this, db_, sql);
}

SqliteEngine::~SqliteEngine() { sqlite3_close_v2(db_); }

void SqliteEngine::run(const char* sql) {
  char* message = nullptr;
  if (int rc = sqlite3_exec(db_, sql, nullptr, nullptr, &message); rc != SQLITE_OK) {
    std::string text = message ? message : sqlite3_errmsg(db_);
    sqlite3_free(message);
    fail(std::move(text), sqliteFailureKind(rc));
  }
}

RecordsetRef SqliteEngine::execute(std::string_view sql, std::span<const NamedValue> parameters) {
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

RecordsetRef SqliteEngine::query(std::string_view sql) {
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

// A stored procedure is a named body of SQL kept in the table SYS_PROCEDURES (NAME, BODY).
RecordsetRef SqliteEngine::callProcedure(const std::string& name, std::span<const NamedValue> parameters) {
  NamedValue key{"name", Variant(name)};
  RecordsetRef found = execute("SELECT BODY FROM SYS_PROCEDURES WHERE NAME = @name", std::span(&key, 1));
  if (found->Eof()) fail("Could not find the stored procedure \"" + name + "\".");
  return execute(found->value("BODY").toString(), parameters);
}

std::optional<std::string> SqliteEngine::tableName(std::string_view name) {
  NamedValue table{"table", Variant(name)};
  RecordsetRef found = execute(
      "SELECT name FROM sqlite_master WHERE type IN ('table', 'view') AND name = @table COLLATE NOCASE",
      std::span(&table, 1));
  if (found->Eof()) return std::nullopt;
  return found->value("name").toString();
}

std::vector<ColumnInfo> SqliteEngine::tableColumns(const std::string& name) {
  NamedValue table{"table", Variant(name)};
  RecordsetRef info = execute("SELECT name, type, \"notnull\", pk FROM pragma_table_info(@table) ORDER BY cid",
                              std::span(&table, 1));
  std::vector<ColumnInfo> columns;
  for (; !info->Eof(); info->MoveNext()) {
    DeclaredType type = parseDeclaredType(info->value("type").toString());
    bool notNull = info->value("notnull").toLong() != 0;
    bool primaryKey = info->value("pk").toLong() != 0;
    columns.push_back(ColumnInfo{info->value("name").toString(), type.type, type.definedSize,
                                 columnAttributes(type.type, notNull, primaryKey), name, info->value("name").toString()});
  }
  return columns;
}

}  // namespace automation::db
