#include "erpserver/objects/MasterData.hpp"
#include "erpserver/objects/ServerClasses.hpp"

namespace erpserver {
namespace {

constexpr FieldSpec kFields[] = {
    {"Codigo", VarType::String, "CODIGO", 20},
    {"Nome", VarType::String, "NOME", 60},
    {"Abrev", VarType::String, "ABREV", 20},
    {"Formul", VarType::String, "FORMUL", 60},
    {"CnVend", VarType::String, "CNVEND", 20},
    {"CnComp", VarType::String, "CNCOMP", 20},
    {"TCompo", VarType::String, "TCOMPO", 10},
    {"ArtSub", VarType::String, "ARTSUB", 20},
    {"ArtAss", VarType::String, "ARTASS", 20},
    {"Observ", VarType::String, "OBSERV", 255},
    {"BlNota", VarType::String, "BLNOTA", 255},
    {"Famili", VarType::String, "FAMILI", 10},
    {"SubFam", VarType::String, "SUBFAM", 10},
    {"CodPau", VarType::String, "CODPAU", 20},
    {"Grupo", VarType::String, "GRUPO", 10},
    {"CntInv", VarType::String, "CNTINV", 20},
    {"Fornec", VarType::String, "FORNEC", 20},
    {"UnBase", VarType::String, "UNBASE", 5},
    {"UnEmb", VarType::String, "UNEMB", 5},
    {"UnTran", VarType::String, "UNTRAN", 5},
    {"UnCmp", VarType::String, "UNCMP", 5},
    {"UnVnd", VarType::String, "UNVND", 5},
    {"CnMvIn", VarType::String, "CNMVIN", 20},
    {"CntVen", VarType::String, "CNTVEN", 20},
    {"CntCom", VarType::String, "CNTCOM", 20},
    {"ElHor", VarType::String, "ELHOR", 10},
    {"ElVer", VarType::String, "ELVER", 10},
    {"CodRef", VarType::String, "CODREF", 20},
    {"TmHor", VarType::String, "TMHOR", 10},
    {"MedVer", VarType::String, "MEDVER", 10},
    {"UltPrc", VarType::Double, "ULTPRC"},
    {"Prstnd", VarType::Double, "PRSTND"},
    {"StDisp", VarType::Double, "STDISP", 0, Storage::Plain, true},  // kept from ARTARM by the database
    {"UltPmp", VarType::Double, "ULTPMP"},
    {"StMin", VarType::Double, "STMIN"},
    {"StMax", VarType::Double, "STMAX"},
    {"StkRep", VarType::Double, "STKREP"},
    {"Peso", VarType::Double, "PESO"},
    {"Volume", VarType::Double, "VOLUME"},
    {"Custos", VarType::Double, "CUSTOS"},
    {"PontoE", VarType::Double, "PONTOE"},
    {"FactEm", VarType::Double, "FACTEM"},
    {"FactTr", VarType::Double, "FACTTR"},
    {"ExMinP", VarType::Double, "EXMINP"},
    {"QtdMin", VarType::Double, "QTDMIN"},
    {"CustFx", VarType::Double, "CUSTFX"},
    {"Valor", VarType::Double, "VALOR"},
    {"PvpCIV", VarType::Double, "PVPCIV"},
    {"PvpSIV", VarType::Double, "PVPSIV"},
    {"PcmCI", VarType::Double, "PCMCI"},
    {"PcmSI", VarType::Double, "PCMSI"},
    {"CFact", VarType::Double, "CFACT"},
    {"UltBru", VarType::Double, "ULTBRU"},
    {"IVA", VarType::Integer, "IVA"},
    {"DecQua", VarType::Integer, "DECQUA"},
    {"CtrSto", VarType::Integer, "CTRSTO"},
    {"CtrLote", VarType::Integer, "CTRLOTE"},
    {"TpBem", VarType::Integer, "TPBEM"},
    {"PrzEnt", VarType::Integer, "PRZENT"},
    {"DiasSk", VarType::Integer, "DIASSK"},
    {"DiasPe", VarType::Integer, "DIASPE"},
    {"Dias52", VarType::Integer, "DIAS52"},
    {"PrzApr", VarType::Integer, "PRZAPR"},
    {"ArtOuD", VarType::Integer, "ARTOUD"},
    {"Inacti", VarType::Integer, "INACTI"},
    {"TpValor", VarType::Integer, "TPVALOR"},
    {"PraExe", VarType::Integer, "PRAEXE"},
    {"StatIs", VarType::Integer, "STATIS"},
    {"Web", VarType::Integer, "WEB"},
    {"DtUltC", VarType::String, "DTULTC", 0, Storage::DateText},
    {"DtEntr", VarType::String, "DTENTR", 0, Storage::DateText},
    {"DtSaid", VarType::String, "DTSAID", 0, Storage::DateText},
    {"DtExMi", VarType::String, "DTEXMI", 0, Storage::DateText},
    {"Numero", VarType::Long, "NUMERO"},
};

void rules(ServerObject& a, sql::Database& db) {
  constexpr int unBase = slotOf(kFields, "UnBase");
  requireText(a, slotOf(kFields, "Nome"));
  requireText(a, unBase);
  requireKnown(db, a, unBase, "UNIDADES", "Unidade");
  defaultText(a, slotOf(kFields, "UnVnd"), a.text(unBase));
  defaultText(a, slotOf(kFields, "UnCmp"), a.text(unBase));
  for (int unit : {slotOf(kFields, "UnVnd"), slotOf(kFields, "UnCmp"), slotOf(kFields, "UnEmb"),
                   slotOf(kFields, "UnTran")})
    requireKnown(db, a, unit, "UNIDADES", "Unidade");
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
