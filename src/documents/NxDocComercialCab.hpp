#pragma once

#include <cstdint>
#include <string>

#include "foundation/Records.hpp"
#include "platform/Currency.hpp"
#include "platform/Object.hpp"

namespace qvd {

// The header of a document held in memory: plain values, read and written as they are. Dates
// and times are text and are never parsed here.
class NxDocComercialCab : public automation::Object {
 public:
  // Today's date in the five date fields and the time of creation in both time fields.
  NxDocComercialCab();

  std::string className() const override { return "NxDocComercialCab"; }

  NextOrigemDocumento Origem = NaoIndicado;
  bool IvaIncluido = false;
  automation::Currency DescontoCabecalho;
  automation::Currency DescontoCabValor;
  int16_t TipoPreco = 1;
  automation::Currency ComissaoVendedor;
  std::string VossoNoDocumento;
  std::string Vendedor;
  std::string TipoDocumento;
  std::string Terceiro;
  int16_t Serie = 0;
  std::string Sector;
  std::string Processo;
  std::string Observacoes;
  std::string NumeroContribuinte;
  int32_t NossoNumeroDocumento = 0;
  std::string Moeda = "EUR";
  std::string LocalDescarga;
  std::string LocalCarga;
  std::string HoraDescarga;
  std::string HoraCarga;
  std::string DataVencimento;
  std::string DataDescarga;
  std::string DataCarga;
  std::string DataAprovacao;
  std::string Data;
  int16_t Ano = 0;

 protected:
  const automation::MemberTable* memberTable() const override;
};

}  // namespace qvd
