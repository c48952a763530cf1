#pragma once
// The engine-independent half of the data-access objects. Ownership and threads: as the two
// objects made from it say (counted, one connection each, one thread at a time).

#include <memory>
#include <string>

#include "platform/AutomationError.hpp"
#include "platform/DataAccessContract.hpp"
#include "platform/db/Connection.hpp"

namespace dataaccess {

// The data-access object over one database connection, whatever its engine.
// It has one connection: the connection names, cursor and lock numbers the library passes choose
// nothing here. A failing operation returns false and keeps the database's error text, readable
// through UltimoErroBD() until the next operation; it never leaves a write half-applied.
class DatabaseDataAccess : public qvd::IDataAccess {
 public:
  [[nodiscard]] bool ExecutarSQL(const std::string& connectionName, const std::string& sql) override;
  // Both record-set members take a text of exactly one statement that only reads; anything else
  // is refused and nothing of it runs. The updatable one must read one table; its record set then
  // knows that table and its key, so that GravarRecordset can write the rows added and changed in it.
  [[nodiscard]] bool AbrirRecordsetActualizavel(const automation::Variant& sql, automation::db::RecordsetRef& rs,
                                                int32_t lockType, int32_t options) override;
  [[nodiscard]] bool AbrirRecordset(const std::string& connectionName, const std::string& sql,
                                    automation::db::RecordsetRef& rs, int32_t cursorType, int32_t lockType) override;
  bool EmTransaccao() const override;
  // All the record set's new and changed rows in one transaction (a savepoint inside the caller's),
  // or none of them.
  [[nodiscard]] bool GravarRecordset(const std::string& connectionName, automation::db::RecordsetRef& rs) override;
  [[nodiscard]] bool CancelarTransaccao() override;
  [[nodiscard]] bool ObterLigacao(automation::db::ConnectionRef& connection) override;

  // The caller's own database transaction, which EmTransaccao and CancelarTransaccao reflect.
  [[nodiscard]] bool IniciarTransaccao();
  [[nodiscard]] bool TerminarTransaccao();
  // The error text of the last operation that failed; empty after one that succeeded.
  std::string UltimoErroBD() const override { return lastError_; }

 protected:
  // Without a connection (the script host's object before it opens one) every operation raises 91.
  explicit DatabaseDataAccess(automation::db::ConnectionRef connection) : connection_(std::move(connection)) {}
  void setConnection(automation::db::ConnectionRef connection) { connection_ = std::move(connection); }
  // Runs `body`; false, keeping the error's text, when it raises.
  template <class Body>
  [[nodiscard]] bool attempt(Body&& body);

 private:
  // The connection; raises 91 when there is none yet.
  const automation::db::ConnectionRef& connection() const;
  void makeUpdatable(automation::db::Recordset& rs) const;

  automation::db::ConnectionRef connection_;
  std::string lastError_;
};

template <class Body>
bool DatabaseDataAccess::attempt(Body&& body) {
  lastError_.clear();
  try {
    body();
    return true;
  } catch (...) {
    lastError_ = automation::currentError().description();
    return false;
  }
}

}  // namespace dataaccess
