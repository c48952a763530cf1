#pragma once
// The contract of the caller's data-access object. Ownership: the caller owns it; the facade holds a
// counted reference while it uses it. Record sets it opens belong to their caller.
// Threads: one thread at a time, the thread of the facade it was handed to.

#include <cstdint>
#include <string>

#include "platform/Object.hpp"
#include "platform/db/Recordset.hpp"

namespace qvd {

// The caller's data-access object: the library reaches the ERP database only through it and the
// record sets it opens. The arguments are those the library passes (see each operation).
class IDataAccess : public automation::Object {
 public:
  // Runs one statement; true when it ran. Called with an empty connection name.
  [[nodiscard]] virtual bool ExecutarSQL(const std::string& connectionName, const std::string& sql) = 0;
  // Opens an updatable record set on `sql`; called with lock type 4 and options -1.
  [[nodiscard]] virtual bool AbrirRecordsetActualizavel(const automation::Variant& sql,
                                                        automation::db::RecordsetRef& rs, int32_t lockType,
                                                        int32_t options) = 0;
  // Opens a readable record set; called with an empty connection name, cursor type -1, lock type 0.
  [[nodiscard]] virtual bool AbrirRecordset(const std::string& connectionName, const std::string& sql,
                                            automation::db::RecordsetRef& rs, int32_t cursorType, int32_t lockType) = 0;
  // True while a database transaction is open on the object's connection.
  virtual bool EmTransaccao() const = 0;
  // Writes the new and changed rows of `rs` back; true when saved.
  [[nodiscard]] virtual bool GravarRecordset(const std::string& connectionName, automation::db::RecordsetRef& rs) = 0;
  // Rolls back the open database transaction.
  [[nodiscard]] virtual bool CancelarTransaccao() = 0;
  // The connection the object works on.
  [[nodiscard]] virtual bool ObterLigacao(automation::db::ConnectionRef& connection) = 0;
  // Why the last operation returned false, for the error the library raises then; empty from an
  // object that does not say.
  virtual std::string UltimoErroBD() const { return {}; }
};

}  // namespace qvd
