#pragma once

#include <cstdint>
#include <string>

#include "platform/Currency.hpp"
#include "platform/Object.hpp"

namespace qvd {

// One line of a document held in memory: plain values, read and written as they are.
class NxDocComercialLin : public automation::Object {
 public:
  std::string className() const override { return "NxDocComercialLin"; }

  automation::Currency DescontoValor;
  automation::Currency TaxaDesconto;
  std::string VossoLote;
  std::string Unidade;
  int16_t TipoDeLinha = 0;
  automation::Currency TaxaIVA;
  automation::Currency Quantidade;
  automation::Currency PrecoUnitario;
  std::string NumeroSerie;
  int16_t NumeroDaLinha = 0;
  int16_t LinhaAnulada = 0;
  int32_t IvaLinhas = 0;
  automation::Currency Factor{10000};
  std::string Descritor;
  std::string DescricaoRTF;
  std::string Descricao;
  std::string Artigo;
  std::string Armazem;

 protected:
  const automation::MemberTable* memberTable() const override;
};

}  // namespace qvd
