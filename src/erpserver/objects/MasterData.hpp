#pragma once

#include <span>
#include <string>

#include "erpserver/objects/Dispatch.hpp"
#include "erpserver/store/Database.hpp"
#include "erpserver/store/Session.hpp"

namespace erpserver {

// A master-data table behind a server class: its fields map to columns of `table`, whose key is
// CODIGO, held by the field in slot 0.
struct MasterTable {
  const char* table;
  const char* entity;  // the record's name in messages ("Artigo", ...)
  std::span<const FieldSpec> fields;
  // Fills defaults and refuses what the class does not accept, beyond the generic checks.
  void (*rules)(ServerObject& record, sql::Database& db);
};

// A record of a master-data table: Ler(code), Validar, Inserir (refuses a code in use),
// Alterar (refuses an unknown code). Inserir and Alterar validate first.
class MasterRecord : public ServerObject {
 public:
  MasterRecord(const ClassInfo& info, const MasterTable& table) : ServerObject(info), table_(table) {}

  Variant ler(std::span<Variant> args);
  Variant validar(std::span<Variant> args);
  Variant inserir(std::span<Variant> args);
  Variant alterar(std::span<Variant> args);

 private:
  void validate(sql::Database& db);
  bool exists(sql::Database& db, const std::string& code);
  void write(sql::Database& db, bool insert);

  const MasterTable& table_;
  SessionLink link_;
};

// The four methods of every master-data class.
std::span<const MethodSpec> masterMethods();

// Rule helpers: refuse an empty field; refuse a value that `table` does not have (empty passes).
void requireText(const ServerObject& record, int slot);
void requireKnown(sql::Database& db, const ServerObject& record, int slot, const char* table, const char* what);
// Fills an empty text field with `value`.
void defaultText(ServerObject& record, int slot, const std::string& value);
// A column of the company's parameters (MOEDANAC, REGIVANAC, ...).
std::string companyParameter(sql::Database& db, const char* column);

}  // namespace erpserver
