#pragma once
// The interface every database engine implements.
// Ownership: the connection owns its engine. A prepared statement calls its engine from its
// destructor, so every statement is destroyed before the engine that prepared it.
// Threads: one thread at a time, that of the connection.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Variant.hpp"
#include "platform/db/DatabaseError.hpp"
#include "platform/db/PreparedStatement.hpp"
#include "platform/db/Recordset.hpp"
#include "platform/db/SqlDialect.hpp"

namespace automation::db {

// A value for the placeholder of the same name ("Artigo" or "@Artigo" binds @Artigo).
struct NamedValue {
  std::string name;
  Variant value;
};

// What a connection asks of the database it talks to. Everything that differs between database
// engines lives behind this: statements, transactions, the catalog and stored procedures. Every
// refusal is raised as the provider error (DatabaseError) with the engine's own text, kept in
// lastError().
class Engine {
 public:
  virtual ~Engine() = default;

  // Statements of `sql` in order, all or nothing, with @Name placeholders taking `parameters`.
  // Returns the rows of the last statement that returns columns; a closed record set when none does.
  virtual RecordsetRef execute(std::string_view sql, std::span<const NamedValue> parameters) = 0;
  // The rows of a text holding exactly one statement that only reads; anything else is refused.
  virtual RecordsetRef query(std::string_view sql) = 0;
  // The rows of the named stored procedure run with `parameters`.
  virtual RecordsetRef callProcedure(const std::string& name, std::span<const NamedValue> parameters) = 0;
  virtual int64_t recordsAffected() const = 0;
  // One statement, prepared for many runs; an engine that cannot refuses.
  virtual std::unique_ptr<PreparedStatement> prepare(std::string_view sql);
  // The key the database gave the last row inserted on this connection.
  virtual int64_t lastInsertId();

  virtual void begin() = 0;
  // Begins like begin(), but an engine that talks to a server may send it with the next statement
  // that waits for an answer; a failure to begin is raised there.
  virtual void beginDeferred() { begin(); }
  // A transaction that only reads: one snapshot for its reads, without the writer lock. It may be
  // sent with its first read.
  virtual void beginRead() { run("BEGIN"); }
  virtual bool inTransaction() const = 0;
  // The ends of a transaction and its savepoints, as operations rather than text, so that an engine
  // that talks to a server can send them along with other statements instead of waiting on each.
  // `name` is an identifier of this library's own. abandon() and rollbackToSavepoint are clean-ups
  // that never raise (and may go with the next statement); rollbackToSavepoint also releases the
  // savepoint.
  virtual void commit() { run("COMMIT"); }
  virtual void rollback() { run("ROLLBACK"); }
  // Ends the transaction, if any, without keeping anything, on the way out of a failure.
  virtual void abandon() noexcept;
  virtual void savepoint(const char* name) { run(("SAVEPOINT " + std::string(name)).c_str()); }
  virtual void releaseSavepoint(const char* name) { run(("RELEASE " + std::string(name)).c_str()); }
  virtual void rollbackToSavepoint(const char* name) noexcept;
  // Sends the statements that were deferred and waits for them: the first refusal among them is
  // raised, naming the place it was deferred with. Nothing on an engine that never defers.
  virtual void flush() {}
  // Sends the statements that were deferred without waiting for them, so that the server works on
  // them while the caller goes on; the next flush raises their first refusal. Only inside a
  // transaction whose failure the caller learns of later and undoes whole. Nothing on an engine
  // that never defers.
  virtual void sendAhead() {}
  // True when a statement sent ahead in the open transaction failed, or a check of its rows did,
  // whoever heard of it: such a transaction is never committed (commit raises), only ended.
  virtual bool transactionDoomed() const noexcept { return false; }
  // Raises a lost connection (DatabaseError::Kind::ConnectionLost) when the engine talks to a
  // server it no longer reaches; nothing otherwise.
  virtual void checkConnection() {}
  // A statement without parameters or rows (COMMIT, SAVEPOINT ...).
  virtual void run(const char* sql) = 0;

  // The table or view of that name as the database spells it, ignoring letter case.
  [[nodiscard]] virtual std::optional<std::string> tableName(std::string_view name) = 0;
  // Its columns in order, typed, with their key and null constraints as attributes.
  virtual std::vector<ColumnInfo> tableColumns(const std::string& table) = 0;

  // How this engine spells what plain SQL spells differently on each.
  virtual const SqlDialect& dialect() const = 0;

  const std::string& lastError() const { return lastError_; }
  // Keeps `message` as the last error and raises it.
  [[noreturn]] void fail(std::string message, DatabaseError::Kind kind = DatabaseError::Kind::Other,
                         std::string place = {});

 protected:
  // Runs a clean-up whose own failure is dropped: the error that led to it stays the last one.
  template <class CleanUp>
  void bestEffort(CleanUp&& cleanUp) noexcept {
    std::string kept = lastError_;
    try {
      cleanUp();
    } catch (const std::exception&) {
    }
    lastError_ = std::move(kept);
  }

 private:
  std::string lastError_;
};

}  // namespace automation::db
