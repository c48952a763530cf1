#pragma once

#include <cstdint>
#include <string>

#include "masterdata/Propriedade.hpp"
#include "platform/Currency.hpp"
#include "platform/Date.hpp"
#include "platform/Object.hpp"

namespace qvd {

// The fields of one ERP article under the ERP's own names: a plain holder that callers cannot
// create and the library never fills (it works with the ERP's article objects instead). The
// operations keep the interface's shape and do nothing.
class NxArtigo : public automation::Object {
 public:
  std::string className() const override { return "NxArtigo"; }

  void UltimoErro() {}
  [[nodiscard]] bool Herdar() { return false; }
  [[nodiscard]] bool Remover() { return false; }
  [[nodiscard]] bool Validar() { return false; }
  [[nodiscard]] bool Ler(const std::string&) { return false; }
  [[nodiscard]] bool Alterar() { return false; }
  [[nodiscard]] bool Inserir() { return false; }

  Propriedade<int16_t> Web;
  Propriedade<int16_t> StatIs;
  Propriedade<automation::Currency> UltBru;
  Propriedade<std::string> MedVer;
  Propriedade<std::string> TmHor;
  Propriedade<std::string> CodRef;
  Propriedade<std::string> ElVer;
  Propriedade<std::string> ElHor;
  Propriedade<automation::Currency> CFact;
  Propriedade<int16_t> PraExe;
  Propriedade<int16_t> TpValor;
  Propriedade<int16_t> Inacti;
  Propriedade<std::string> CntCom;
  Propriedade<std::string> CntVen;
  Propriedade<int16_t> ArtOuD;
  Propriedade<automation::Currency> PcmSI;
  Propriedade<automation::Currency> PcmCI;
  Propriedade<automation::Currency> PvpSIV;
  Propriedade<automation::Currency> PvpCIV;
  Propriedade<std::string> CnMvIn;
  Propriedade<automation::Currency> Valor;
  Propriedade<automation::Date> DtExMi;
  Propriedade<int16_t> PrzApr;
  Propriedade<int16_t> Dias52;
  Propriedade<int16_t> DiasPe;
  Propriedade<int16_t> DiasSk;
  Propriedade<automation::Currency> CustFx;
  Propriedade<automation::Currency> QtdMin;
  Propriedade<automation::Currency> ExMinP;
  Propriedade<int16_t> PrzEnt;
  Propriedade<std::string> UnVnd;
  Propriedade<std::string> UnCmp;
  Propriedade<automation::Currency> FactTr;
  Propriedade<automation::Currency> FactEm;
  Propriedade<std::string> UnTran;
  Propriedade<std::string> UnEmb;
  Propriedade<std::string> UnBase;
  Propriedade<int16_t> TpBem;
  Propriedade<automation::Date> DtSaid;
  Propriedade<automation::Date> DtEntr;
  Propriedade<std::string> Fornec;
  Propriedade<std::string> CntInv;
  Propriedade<automation::Currency> PontoE;
  Propriedade<automation::Currency> Custos;
  Propriedade<automation::Currency> Volume;
  Propriedade<automation::Currency> Peso;
  Propriedade<std::string> Grupo;
  Propriedade<automation::Currency> StkRep;
  Propriedade<std::string> CodPau;
  Propriedade<automation::Date> DtUltC;
  Propriedade<int16_t> CtrSto;
  Propriedade<std::string> SubFam;
  Propriedade<std::string> Famili;
  Propriedade<std::string> BlNota;
  Propriedade<std::string> Observ;
  Propriedade<int16_t> DecQua;
  Propriedade<std::string> ArtAss;
  Propriedade<std::string> ArtSub;
  Propriedade<automation::Currency> StMax;
  Propriedade<std::string> TCompo;
  Propriedade<std::string> CnComp;
  Propriedade<std::string> CnVend;
  Propriedade<automation::Currency> StMin;
  Propriedade<automation::Currency> UltPmp;
  Propriedade<automation::Currency> StDisp;
  Propriedade<std::string> Formul;
  Propriedade<automation::Currency> Prstnd;
  Propriedade<automation::Currency> UltPrc;
  Propriedade<int16_t> IVA;
  Propriedade<std::string> Nome;
  Propriedade<std::string> Abrev;
  Propriedade<int32_t> Numero;
  Propriedade<std::string> Codigo;

 protected:
  const automation::MemberTable* memberTable() const override;
};

}  // namespace qvd
