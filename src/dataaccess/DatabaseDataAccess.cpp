#include "dataaccess/DatabaseDataAccess.hpp"

#include <algorithm>

#include "dataaccess/RowWriter.hpp"
#include "platform/AutomationError.hpp"
#include "platform/Text.hpp"
#include "platform/db/Catalog.hpp"

namespace dataaccess {

using automation::db::AtomicScope;
using automation::db::ConnectionRef;
using automation::db::Recordset;
using automation::db::RecordsetRef;

namespace {

[[noreturn]] void refuse(std::string message) {
  automation::raise(automation::db::dberr::ProviderError, std::move(message), "DataAccess");
}

}  // namespace

const ConnectionRef& DatabaseDataAccess::connection() const {
  if (!connection_)
    automation::raise(automation::errnum::ObjectNotSet, "No database is open: call Abrir with the company's file first",
                      className());
  return connection_;
}

bool DatabaseDataAccess::ExecutarSQL(const std::string&, const std::string& sql) {
  const ConnectionRef& c = connection();
  return attempt([&] { c->Execute(sql); });
}

bool DatabaseDataAccess::AbrirRecordset(const std::string&, const std::string& sql, RecordsetRef& rs, int32_t, int32_t) {
  const ConnectionRef& c = connection();
  RecordsetRef opened;
  bool ok = attempt([&] { opened = c->Query(sql); });
  rs = ok ? opened : std::make_shared<Recordset>();
  return ok;
}

bool DatabaseDataAccess::AbrirRecordsetActualizavel(const automation::Variant& sql, RecordsetRef& rs, int32_t, int32_t) {
  const ConnectionRef& c = connection();
  RecordsetRef opened;
  bool ok = attempt([&] {
    opened = c->Query(sql.toString());
    makeUpdatable(*opened);
  });
  rs = ok ? opened : std::make_shared<Recordset>();
  return ok;
}

// The table is the one every column read from the database comes from; the key is the table's
// primary key when the query reads all of it.
void DatabaseDataAccess::makeUpdatable(Recordset& rs) const {
  if (!rs.IsOpen()) refuse("The statement returns no rows to update.");
  std::string table;
  for (const automation::db::ColumnInfo& c : rs.columns()) {
    if (c.baseTable.empty()) continue;
    if (!table.empty() && !automation::text::equalsIgnoringCase(table, c.baseTable)) {
      refuse("The query reads more than one table: its rows cannot be saved.");
    }
    table = c.baseTable;
  }
  if (table.empty()) refuse("The query reads no table: its rows cannot be saved.");

  automation::db::Catalog catalog;
  catalog.SetActiveConnection(connection_);
  std::vector<std::string> keys;
  for (const automation::db::ColumnInfo& column : catalog.Tables(table).Columns()) {
    if (!(column.attributes & automation::db::fieldattr::KeyColumn)) continue;
    auto read = [&column](const automation::db::ColumnInfo& c) {
      return automation::text::equalsIgnoringCase(c.baseColumn, column.name);
    };
    if (std::none_of(rs.columns().begin(), rs.columns().end(), read)) {
      keys.clear();
      break;
    }
    keys.push_back(column.name);
  }
  rs.setUpdateTarget(Recordset::UpdateTarget{connection_, table, std::move(keys)});
}

bool DatabaseDataAccess::EmTransaccao() const { return connection()->InTransaction(); }

bool DatabaseDataAccess::GravarRecordset(const std::string&, RecordsetRef& rs) {
  (void)connection();
  return attempt([&] {
    if (!rs) automation::raise(automation::errnum::ObjectNotSet);
    const Recordset::UpdateTarget* target = rs->updateTarget();
    if (!target) refuse("The record set was not opened for update.");
    AtomicScope scope(*target->connection);
    writeChangedRows(*rs);
    scope.commit();
    rs->markSaved();
  });
}

bool DatabaseDataAccess::CancelarTransaccao() {
  const ConnectionRef& c = connection();
  return attempt([&] {
    if (!c->InTransaction()) refuse("No transaction is open.");
    c->RollbackTrans();
  });
}

bool DatabaseDataAccess::ObterLigacao(ConnectionRef& connection) {
  connection = this->connection();
  return true;
}

bool DatabaseDataAccess::IniciarTransaccao() {
  const ConnectionRef& c = connection();
  return attempt([&] { c->BeginTrans(); });
}

bool DatabaseDataAccess::TerminarTransaccao() {
  const ConnectionRef& c = connection();
  return attempt([&] { c->CommitTrans(); });
}

}  // namespace dataaccess
