#include "erpserver/objects/MasterData.hpp"
#include "erpserver/objects/ServerClasses.hpp"

// Clients and suppliers: a supplier has the first fields of a client.
namespace erpserver {
namespace {

constexpr FieldSpec kFields[] = {
    {"Codigo", VarType::String, "CODIGO", 20}, {"Nome", VarType::String, "NOME", 60},
    {"Morada", VarType::String, "MORADA", 60}, {"LOCAL_", VarType::String, "LOCAL_", 50},
    {"CDPOST", VarType::String, "CDPOST", 10}, {"Pais", VarType::String, "PAIS", 50},
    {"NCONTR", VarType::String, "NCONTR", 20}, {"REGIVA", VarType::String, "REGIVA", 5},
    {"Moeda", VarType::String, "MOEDA", 3},
    // Clients only.
    {"VENDED", VarType::String, "VENDED", 10}, {"ZONAGE", VarType::String, "ZONAGE", 10},
    {"Grupo", VarType::String, "GRUPO", 10},
};
constexpr std::size_t kSupplierFields = slotOf(kFields, "Moeda") + 1;

void supplierRules(ServerObject& p, sql::Database& db) {
  requireText(p, slotOf(kFields, "Nome"));
  defaultText(p, slotOf(kFields, "Moeda"), companyParameter(db, "MOEDANAC"));
  defaultText(p, slotOf(kFields, "REGIVA"), companyParameter(db, "REGIVANAC"));
  requireKnown(db, p, slotOf(kFields, "Moeda"), "MOEDAS", "Moeda");
  requireKnown(db, p, slotOf(kFields, "REGIVA"), "REGIVA", "Regime de IVA");
}

void clientRules(ServerObject& c, sql::Database& db) {
  supplierRules(c, db);
  requireKnown(db, c, slotOf(kFields, "VENDED"), "VENDEDORES", "Vendedor");
  requireKnown(db, c, slotOf(kFields, "Grupo"), "GRUPOSCLI", "Grupo de clientes");
}

constexpr std::span<const FieldSpec> kClient(kFields);
constexpr std::span<const FieldSpec> kSupplier = kClient.first(kSupplierFields);
constexpr MasterTable kClients{"CLIENTES", "Cliente", kClient, &clientRules};
constexpr MasterTable kSuppliers{"FORNECEDORES", "Fornecedor", kSupplier, &supplierRules};

}  // namespace

automation::ObjectRef newClientes() {
  static const ClassInfo info("Clientes", kClient, masterMethods());
  return std::make_shared<MasterRecord>(info, kClients);
}

automation::ObjectRef newFornecedores() {
  static const ClassInfo info("Fornecedores", kSupplier, masterMethods());
  return std::make_shared<MasterRecord>(info, kSuppliers);
}

}  // namespace erpserver
