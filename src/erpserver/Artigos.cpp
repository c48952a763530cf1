#include "erpserver/MasterData.hpp"
#include "erpserver/ServerClasses.hpp"

namespace erpserver {
namespace {

constexpr FieldSpec kFields[] = {
    {"Codigo", VarType::String, "CODIGO", 20},
    {"Nome", VarType::String, "NOME", 60},
    {"Abrev", VarType::String, "ABREV", 20},
    {"Famili", VarType::String, "FAMILI", 10},
    {"SubFam", VarType::String, "SUBFAM", 10},
    {"Grupo", VarType::String, "GRUPO", 10},
    {"UnBase", VarType::String, "UNBASE", 5},
    {"UnVnd", VarType::String, "UNVND", 5},
    {"UnCmp", VarType::String, "UNCMP", 5},
    {"TpBem", VarType::Integer, "TPBEM"},
    {"IVA", VarType::Integer, "IVA"},
    {"CtrSto", VarType::Integer, "CTRSTO"},
    {"CtrLote", VarType::Integer, "CTRLOTE"},
    // Stock of all warehouses, computed from ARTARM.
    {"StDisp", VarType::Double, "(SELECT TOTAL(EXISTENC) FROM ARTARM WHERE ARTARM.ARTIGO = ARTIGOS.CODIGO)", 0,
     Storage::Plain, true},
    {"UltPmp", VarType::Double, "ULTPMP"},
    {"UltPrc", VarType::Double, "ULTPRC"},
    {"Prstnd", VarType::Double, "PRSTND"},
    {"PvpSIV", VarType::Double, "PVPSIV"},
    {"PvpCIV", VarType::Double, "PVPCIV"},
    {"Observ", VarType::String, "OBSERV", 255},
    {"Fornec", VarType::String, "FORNEC", 20},
    {"Inacti", VarType::Integer, "INACTI"},
    {"Peso", VarType::Double, "PESO"},
    {"Volume", VarType::Double, "VOLUME"},
};

void rules(ServerObject& a, sql::Database& db) {
  constexpr int unBase = slotOf(kFields, "UnBase");
  requireText(a, slotOf(kFields, "Nome"));
  requireText(a, unBase);
  requireKnown(db, a, unBase, "UNIDADES", "Unidade");
  defaultText(a, slotOf(kFields, "UnVnd"), a.text(unBase));
  defaultText(a, slotOf(kFields, "UnCmp"), a.text(unBase));
  requireKnown(db, a, slotOf(kFields, "UnVnd"), "UNIDADES", "Unidade");
  requireKnown(db, a, slotOf(kFields, "UnCmp"), "UNIDADES", "Unidade");
  requireKnown(db, a, slotOf(kFields, "IVA"), "IVAS", "Código de IVA");
  requireKnown(db, a, slotOf(kFields, "Grupo"), "GRUPOS", "Grupo");
  requireKnown(db, a, slotOf(kFields, "Famili"), "FAMILIAS", "Família");
}

constexpr MasterTable kTable{"ARTIGOS", "Artigo", kFields, &rules};

const ClassInfo& info() {
  static const ClassInfo info("Artigos", kFields, masterMethods());
  return info;
}

}  // namespace

automation::ObjectRef newArtigos() { return std::make_shared<MasterRecord>(info(), kTable); }

}  // namespace erpserver
