// The SQLite data-access object that a script host opens by name.
#include "dataaccess/ScriptDataAccess.hpp"

#include <filesystem>

#include "platform/AutomationError.hpp"
#include "platform/Members.hpp"

namespace dataaccess {

bool ScriptDataAccess::Abrir(const std::string& ficheiro) {
  try {
    // A misspelt name must not quietly become a new, empty database.
    std::u8string name(ficheiro.begin(), ficheiro.end());
    if (!std::filesystem::is_regular_file(std::filesystem::path(name)))
      automation::raise(automation::errnum::InvalidArgument,
                        "There is no company file \"" + ficheiro + "\": give the path of an existing database");
    database_ = SqliteDataAccess::open(ficheiro);
    openError_.clear();
    return true;
  } catch (...) {
    database_.reset();
    openError_ = automation::currentError().description();
    return false;
  }
}

std::string ScriptDataAccess::UltimoErroBD() const { return database_ ? database_->UltimoErroBD() : openError_; }

SqliteDataAccess& ScriptDataAccess::opened() const {
  if (!database_)
    automation::raise(automation::errnum::ObjectNotSet, "No database is open: call Abrir with the company's file first",
                      "SqliteDataAccess");
  return *database_;
}

bool ScriptDataAccess::ExecutarSQL(const std::string& connectionName, const std::string& sql) {
  return opened().ExecutarSQL(connectionName, sql);
}

bool ScriptDataAccess::AbrirRecordsetActualizavel(const automation::Variant& sql, automation::db::RecordsetRef& rs,
                                                  int32_t lockType, int32_t options) {
  return opened().AbrirRecordsetActualizavel(sql, rs, lockType, options);
}

bool ScriptDataAccess::AbrirRecordset(const std::string& connectionName, const std::string& sql,
                                      automation::db::RecordsetRef& rs, int32_t cursorType, int32_t lockType) {
  return opened().AbrirRecordset(connectionName, sql, rs, cursorType, lockType);
}

bool ScriptDataAccess::EmTransaccao() const { return opened().EmTransaccao(); }

bool ScriptDataAccess::GravarRecordset(const std::string& connectionName, automation::db::RecordsetRef& rs) {
  return opened().GravarRecordset(connectionName, rs);
}

bool ScriptDataAccess::CancelarTransaccao() { return opened().CancelarTransaccao(); }

bool ScriptDataAccess::ObterLigacao(automation::db::ConnectionRef& connection) {
  return opened().ObterLigacao(connection);
}

const automation::MemberTable* ScriptDataAccess::memberTable() const {
  using S = ScriptDataAccess;
  static const automation::MemberTable table(
      "SqliteDataAccess", {automation::method<&S::Abrir>("Abrir"), automation::property<&S::UltimoErroBD>("UltimoErroBD")});
  return &table;
}

}  // namespace dataaccess
