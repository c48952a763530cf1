#include "erpserver/objects/MasterData.hpp"

#include "erpserver/store/FieldIO.hpp"
#include "erpserver/rules/Refusal.hpp"
#include "erpserver/store/Session.hpp"

namespace erpserver {
namespace {

constexpr int kCodigo = 0;

}  // namespace

std::span<const MethodSpec> masterMethods() {
  static constexpr MethodSpec methods[] = {
      method<&MasterRecord::ler>("Ler", 1),
      method<&MasterRecord::validar>("Validar"),
      method<&MasterRecord::inserir>("Inserir"),
      method<&MasterRecord::alterar>("Alterar"),
  };
  return methods;
}

void requireText(const ServerObject& record, int slot) {
  if (record.text(slot).empty())
    refuseWith(refusal::Required,
               "O campo '" + std::string(record.info().fields()[static_cast<std::size_t>(slot)].name) + "' é obrigatório");
}

void requireKnown(sql::Database& db, const ServerObject& record, int slot, const char* table, const char* what) {
  const Variant& v = record.value(slot);
  if (v.type() == VarType::String) {
    std::string code = v.toString();
    if (!code.empty() && !codeExists(db, table, code)) refuseWith(refusal::InvalidValue, std::string(what) + " '" + code + "' não existe");
  } else if (!codeExists(db, table, int64_t{v.toLong()})) {
    refuseWith(refusal::InvalidValue, std::string(what) + " " + v.toString() + " não existe");
  }
}

void defaultText(ServerObject& record, int slot, const std::string& value) {
  if (record.text(slot).empty()) record.setValue(slot, Variant(value));
}

std::string companyParameter(sql::Database& db, const char* column) {
  auto q = db.query(std::string("SELECT ") + column + " FROM PARAMS WHERE ID = 1");
  return q->step() ? q->text(0) : std::string();
}

bool MasterRecord::exists(sql::Database& db, const std::string& code) { return codeExists(db, table_.table, code); }

void MasterRecord::validate(sql::Database& db) {
  requireText(*this, kCodigo);
  checkTextSizes(*this);
  table_.rules(*this, db);
}

Variant MasterRecord::ler(std::span<Variant> args) {
  return act(*this, [&] {
    Session::Use session(link_);
    sql::Transaction read(session.db(), sql::Transaction::Read);
    std::string code = args[0].toString();
    std::vector<int> slots;
    auto q = session.db().query("SELECT " + columnList(table_.fields, true, slots) + " FROM " + table_.table +
                                " WHERE CODIGO = ?");
    q->bind(1, code);
    if (!q->step()) refuseWith(refusal::NotFound, std::string(table_.entity) + " '" + code + "' não existe");
    for (std::size_t i = 0; i < slots.size(); ++i) loadField(*this, slots[i], *q, static_cast<int>(i));
  });
}

Variant MasterRecord::validar(std::span<Variant>) {
  return act(*this, [&] {
    Session::Use session(link_);
    sql::Transaction read(session.db(), sql::Transaction::Read);
    validate(session.db());
  });
}

Variant MasterRecord::inserir(std::span<Variant>) {
  return act(*this, [&] {
    Session::Use session(link_);
    sql::Transaction tx(session.db());
    validate(session.db());
    if (exists(session.db(), text(kCodigo)))
      refuseWith(refusal::Duplicate, std::string(table_.entity) + " '" + text(kCodigo) + "' já existe");
    write(session.db(), true);
    tx.commit();
    session.catalog().invalidate();
  });
}

Variant MasterRecord::alterar(std::span<Variant>) {
  return act(*this, [&] {
    Session::Use session(link_);
    sql::Transaction tx(session.db());
    validate(session.db());
    if (!exists(session.db(), text(kCodigo)))
      refuseWith(refusal::NotFound, std::string(table_.entity) + " '" + text(kCodigo) + "' não existe");
    write(session.db(), false);
    tx.commit();
    session.catalog().invalidate();
  });
}

void MasterRecord::write(sql::Database& db, bool insert) {
  std::vector<int> slots;
  std::string columns = columnList(table_.fields, false, slots);
  std::string sql;
  if (insert) {
    sql = std::string("INSERT INTO ") + table_.table + " (" + columns + ") VALUES (" + sql::placeholders(slots.size()) +
          ")";
  } else {
    sql = std::string("UPDATE ") + table_.table + " SET ";
    for (std::size_t i = 0; i < slots.size(); ++i)
      sql += std::string(i ? ", " : "") + std::string(table_.fields[static_cast<std::size_t>(slots[i])].column) + " = ?";
    sql += " WHERE CODIGO = ?";
  }
  auto q = db.query(sql);
  for (std::size_t i = 0; i < slots.size(); ++i) bindField(*q, static_cast<int>(i) + 1, *this, slots[i]);
  if (!insert) bindField(*q, static_cast<int>(slots.size()) + 1, *this, kCodigo);
  q->run();
}

}  // namespace erpserver
