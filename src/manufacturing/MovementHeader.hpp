#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "core/NewDocument.hpp"
#include "foundation/Records.hpp"

namespace qvd::movement {

// The puts and calls that fill a movement's header; each operation lists them in its own order.
enum class HeaderStep {
  TipoDocumento,
  Sector,
  Serie,
  Processo,
  Terceiro,
  Moeda,
  TipoPreco,
  Data,     // the current local date, "dd-mm-yyyy"
  Validar,  // the early validation, its result not examined
  Datas,    // DataVencimento and DataCarga from Data as the ERP holds it, then HoraCarga now
  VossoNoDocumento,
  Observacoes,
};

// The values a movement's header takes; a value whose step is not in the order is not put.
struct MovementHeader {
  TipoPrecoNext TipoPreco = tpDefault;
  std::string sTipoDoc;
  std::string sSector;
  int16_t iSerie = 0;
  std::string sTerceiro;
  std::string sMoeda;
  std::string sProcesso;
  std::string sVossoNumDoc;
  std::string sObs;
};

void fillMovementHeader(NewDocument& doc, const MovementHeader& header, std::span<const HeaderStep> order);

}  // namespace qvd::movement
