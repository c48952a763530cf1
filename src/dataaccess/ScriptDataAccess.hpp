#pragma once

#include <memory>
#include <string>

#include "dataaccess/SqliteDataAccess.hpp"
#include "platform/DataAccessContract.hpp"

namespace dataaccess {

// The SQLite data-access object as a script host creates it by name: made empty, then opened on
// a company file with Abrir, and handed to the facade's DataAccess. Until Abrir succeeds every
// operation raises 91 and says to call it.
class ScriptDataAccess : public qvd::IDataAccess {
 public:
  std::string className() const override { return "SqliteDataAccess"; }

  // True when the existing file `ficheiro` opened as a database; false keeps the reason in
  // UltimoErroBD.
  [[nodiscard]] bool Abrir(const std::string& ficheiro);
  std::string UltimoErroBD() const override;

  [[nodiscard]] bool ExecutarSQL(const std::string& connectionName, const std::string& sql) override;
  [[nodiscard]] bool AbrirRecordsetActualizavel(const automation::Variant& sql, automation::db::RecordsetRef& rs,
                                                int32_t lockType, int32_t options) override;
  [[nodiscard]] bool AbrirRecordset(const std::string& connectionName, const std::string& sql,
                                    automation::db::RecordsetRef& rs, int32_t cursorType, int32_t lockType) override;
  bool EmTransaccao() const override;
  [[nodiscard]] bool GravarRecordset(const std::string& connectionName, automation::db::RecordsetRef& rs) override;
  [[nodiscard]] bool CancelarTransaccao() override;
  [[nodiscard]] bool ObterLigacao(automation::db::ConnectionRef& connection) override;

 protected:
  const automation::MemberTable* memberTable() const override;

 private:
  SqliteDataAccess& opened() const;

  std::shared_ptr<SqliteDataAccess> database_;
  std::string openError_;
};

}  // namespace dataaccess
