#include "documents/NxDocComercialCab.hpp"

#include "platform/Date.hpp"

namespace qvd {

NxDocComercialCab::NxDocComercialCab() {
  automation::Date agora = automation::Date::now();
  HoraCarga = agora.format("hh:mm:ss");
  HoraDescarga = HoraCarga;
  Data = agora.format("dd-mm-yyyy");
  DataVencimento = DataDescarga = DataCarga = DataAprovacao = Data;
}

}  // namespace qvd
