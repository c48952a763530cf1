#include "erpserver/objects/Dispatch.hpp"
#include "erpserver/objects/ServerClasses.hpp"

// Classes the library only creates and hands to its caller: plain property holders.
namespace erpserver {
namespace {

constexpr FieldSpec kNumSerieLinha[] = {
    {"NumeroSerie", VarType::String}, {"Artigo", VarType::String},         {"Armazem", VarType::String},
    {"NumeroLinha", VarType::Integer}, {"Quantidade", VarType::Double, {}, 0, Storage::Plain, false, 1},
};

constexpr FieldSpec kDocumentoFinanceiro[] = {
    {"TipoDocumento", VarType::String}, {"Serie", VarType::Integer},     {"NossoNoDocumento", VarType::Long},
    {"Ano", VarType::Integer},          {"Terceiro", VarType::String},   {"Data", VarType::String},
    {"Moeda", VarType::String},         {"Valor", VarType::Double},      {"Observacoes", VarType::String},
};

constexpr FieldSpec kDocumentosCcLin[] = {
    {"TipoDocOrigem", VarType::String},  {"SerieOrigem", VarType::Integer}, {"NumDocOrigem", VarType::Long},
    {"AnoOrigem", VarType::Integer},     {"ValorPendente", VarType::Double}, {"ValorLiquidado", VarType::Double},
    {"Descricao", VarType::String},
};

automation::ObjectRef holder(const ClassInfo& info) { return std::make_shared<ServerObject>(info); }

}  // namespace

automation::ObjectRef newNumSerieLinha() {
  static const ClassInfo info("NumSerieLinha", kNumSerieLinha, {});
  return holder(info);
}

automation::ObjectRef newDocumentoFinanceiro() {
  static const ClassInfo info("DocumentoFinanceiro", kDocumentoFinanceiro, {});
  return holder(info);
}

automation::ObjectRef newDocumentosCcLin() {
  static const ClassInfo info("DocumentosCcLin", kDocumentosCcLin, {});
  return holder(info);
}

}  // namespace erpserver
