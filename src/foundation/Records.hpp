#pragma once

#include <cstdint>
#include <string>

// The public enumerations and records that cross the library's interface.
// Plain values: copy them freely, on any thread.
namespace qvd {

enum NextOrigemDocumento : int32_t {
  NaoIndicado = 0,
  NaoAplicavel = 1,
  Finalizado = 2,
  Preparacao = 3,
};

// Declared in this order; the values are not in order.
enum TipoPrecoNext : int32_t {
  tpDefault = 0,
  tpUltimaEntrada = 1,
  tpCustoMedioFixo = 2,
  tpCustoMedioFlutuante = 6,
  tpStandard = 3,
  tpManual = 4,
  tpFichaComposicao = 5,
};

enum QuandoCriaTransferencia : int32_t {
  CriaNaCriacao = 0,
  CriaNoInicio = 1,
};

enum FiltrosOrdensFabricoPreSel : int32_t {
  PRESEL_ORDFAB_TODAS = 0,
  PRESEL_ORDFAB_ACTIVAS = 1,
  PRESEL_ORDFAB_PRONTAS = 2,
  PRESEL_ORDFAB_CANCELADAS = 3,
  PRESEL_ORDFAB_EMFABRICO = 4,
  PRESEL_ORDFAB_NOVAS = 5,
  PRESEL_ORDFAB_CALENDARIZADAS = 6,
  PRESEL_ORDFAB_APAGADAS = 7,
};

// The key of one ERP commercial document.
struct KeyDocumNext {
  int16_t iAno = 0;
  std::string sTpDoc;
  int16_t iSerie = 0;
  int32_t lNumDoc = 0;
};

// The last error of one operation.
struct NextError {
  int32_t lUltimoErro = 0;
  std::string sTextoErro;
};

// The document types and series used for the movements of one warehouse role.
struct TipificacaoArmazem {
  std::string Armazem;
  std::string Sector;
  std::string DocTransf;
  int16_t SerieTransf = 0;
  std::string DocSaidaCons;
  int16_t SerieSaidaCons = 0;
  std::string DocEntProd;
  int16_t SerieEntProd = 0;
  std::string DocGuiaEntFornecedor;
  int16_t SerieGuiaEntFornecedor = 0;
  std::string DocGuiaRemessa;
  int16_t SerieGuiaRemessa = 0;
  std::string DocDevolConsumo;
  int16_t SerieDevolConsumo = 0;
};

// The whole setting of one manufacturing stock movement.
struct TipificacaoTransf {
  TipificacaoArmazem ArmMatPrima;
  TipificacaoArmazem ArmFabrico;
  TipificacaoArmazem ArmAcabados;
  std::string Data;
  int16_t Ano = 0;
  std::string Moeda;
  int16_t TipoPreco = 0;
  QuandoCriaTransferencia CriaTransf = CriaNaCriacao;
};

}  // namespace qvd
