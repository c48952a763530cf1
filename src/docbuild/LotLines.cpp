#include "docbuild/LotLines.hpp"

#include "foundation/ErpClasses.hpp"
#include "foundation/ObjectFactory.hpp"
#include "foundation/cDocLotes.hpp"

namespace qvd::docbuild {

using automation::ObjectRef;
using automation::propGet;
using automation::propPut;

namespace {

// The lot's own fields live on its sub-object, asked for afresh on every access.
void putCampo(const ObjectRef& lot, std::string_view member, const std::string& value) {
  propPut(propGet(lot, "Campos").toObject(), member, value);
}

void attachLot(NewDocument& doc, const cLote& lote, const Warehouses& armazens, VossoLote vossoLote) {
  ObjectRef lot = NxtObjectoCriar(erpclass::LotesLinha);
  putCampo(lot, "CodigoLote", lote.Lote());
  putCampo(lot, "Artigo", lote.Artigo());
  if (vossoLote == VossoLote::BeforeWarehouse) putCampo(lot, "VossoLote", lote.VossoLote());
  putCampo(lot, "Armazem", armazens.of(lote.Linha()));
  if (vossoLote == VossoLote::AfterWarehouse) putCampo(lot, "VossoLote", lote.VossoLote());
  propPut(lot, "QuantidadeMovimentada", lote.Quantidade());
  propPut(lot, "NumeroLinhaDocComercial", lote.Linha());
  doc.adicionaLote(lot);
}

}  // namespace

void attachLots(NewDocument& doc, const std::shared_ptr<cDocLotes>& lotes, const Warehouses& armazens,
                VossoLote vossoLote) {
  if (!lotes) return;
  for (const auto& linha : *lotes)
    for (const auto& lote : *linha) attachLot(doc, *lote, armazens, vossoLote);
}

}  // namespace qvd::docbuild
