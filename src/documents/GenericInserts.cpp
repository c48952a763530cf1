#include "core/DAL_Next.hpp"
#include "documents/CommercialRecipe.hpp"

// The generic family: one warehouse for every line, no discounts and no lots. The base form
// and, in each member, only what differs from it.
namespace qvd {

using docbuild::CommercialHeader;
using docbuild::LineArrays;
using docbuild::Numbers;
using docbuild::Texts;
using docbuild::Warehouses;

namespace {

LineArrays genericLines(const std::string& sArm, const Texts& sArtigo, const Texts& sNome, const Numbers& dQuant,
                        const Numbers& dPrUnit, const Texts& sNotas) {
  return LineArrays{.sArtigo = sArtigo,
                    .dQuant = dQuant,
                    .armazens = Warehouses(sArm),
                    .sNome = &sNome,
                    .dPrUnit = &dPrUnit,
                    .sNotas = &sNotas};
}

}  // namespace

bool DAL_Next::DocGenInserir(NextOrigemDocumento Origem, TipoPrecoNext TipoPreco, const std::string& sTipoDoc,
                             const std::string& sSector, int16_t iSerie, const std::string& sTerceiro,
                             const std::string& sProcesso, const std::string& sVossoNumDoc, const std::string& sData,
                             const std::string& sObs, const std::string& sArm, bool bIvaIncluido,
                             const std::string& sVendedor, Texts& sArtigo, Texts& sNome, Numbers& dQuant,
                             Numbers& dPrUnit, Texts& sNotas, KeyDocumNext& utNxtDocKey, NextError& utNextError) {
  CommercialHeader header = docbuild::baseHeader(TipoPreco, sTipoDoc, sSector, iSerie, sTerceiro, sProcesso,
                                                 sVossoNumDoc, sData, sObs, bIvaIncluido, sVendedor);
  LineArrays lines = genericLines(sArm, sArtigo, sNome, dQuant, dPrUnit, sNotas);
  return inserirDocumento("DocGenInserir", Origem, docbuild::commercialRecipe(header, lines, nullptr), utNxtDocKey,
                          utNextError);
}

bool DAL_Next::DocGenInserirAuto(NextOrigemDocumento Origem, TipoPrecoNext TipoPreco, const std::string& sTipoDoc,
                                 const std::string& sSector, int16_t iSerie, const std::string& sTerceiro,
                                 const std::string& sProcesso, const std::string& sVossoNumDoc,
                                 const std::string& sData, const std::string& sObs, const std::string& sArm,
                                 bool bIvaIncluido, const std::string& sVendedor, Texts& sArtigo, Texts& sNome,
                                 Numbers& dQuant, Numbers& dPrUnit, Texts& sNotas,
                                 const std::string& sManualExternalSerie, const std::string& sManualExternalInvoiceNo,
                                 KeyDocumNext& utNxtDocKey, NextError& utNextError) {
  CommercialHeader header = docbuild::baseHeader(TipoPreco, sTipoDoc, sSector, iSerie, sTerceiro, sProcesso,
                                                 sVossoNumDoc, sData, sObs, bIvaIncluido, sVendedor);
  header.external = docbuild::ExternalNumbering{sManualExternalSerie, sManualExternalInvoiceNo,
                                                docbuild::InvoiceIntoNumber::AfterSalesperson};
  LineArrays lines = genericLines(sArm, sArtigo, sNome, dQuant, dPrUnit, sNotas);
  return inserirDocumento("DocGenInserirAuto", Origem, docbuild::commercialRecipe(header, lines, nullptr), utNxtDocKey,
                          utNextError);
}

bool DAL_Next::DocNotaCreditoInserir(NextOrigemDocumento Origem, const std::string& sReference,
                                     const std::string& sReason, TipoPrecoNext TipoPreco, const std::string& sTipoDoc,
                                     const std::string& sSector, int16_t iSerie, const std::string& sTerceiro,
                                     const std::string& sProcesso, const std::string& sVossoNumDoc,
                                     const std::string& sData, const std::string& sObs, const std::string& sArm,
                                     bool bIvaIncluido, const std::string& sVendedor, Texts& sArtigo, Texts& sNome,
                                     Numbers& dQuant, Numbers& dPrUnit, Texts& sNotas, KeyDocumNext& utNxtDocKey,
                                     NextError& utNextError) {
  CommercialHeader header = docbuild::baseHeader(TipoPreco, sTipoDoc, sSector, iSerie, sTerceiro, sProcesso,
                                                 sVossoNumDoc, sData, sObs, bIvaIncluido, sVendedor);
  header.creditNote = docbuild::CreditNote{sReference, sReason};
  LineArrays lines = genericLines(sArm, sArtigo, sNome, dQuant, dPrUnit, sNotas);
  return inserirDocumento("DocNotaCreditoInserir", Origem, docbuild::commercialRecipe(header, lines, nullptr),
                          utNxtDocKey, utNextError);
}

bool DAL_Next::DocGenInserirTipoLinha(NextOrigemDocumento Origem, TipoPrecoNext TipoPreco, const std::string& sTipoDoc,
                                      const std::string& sSector, int16_t iSerie, const std::string& sTerceiro,
                                      const std::string& sProcesso, const std::string& sVossoNumDoc,
                                      const std::string& sData, const std::string& sObs, const std::string& sArm,
                                      bool bIvaIncluido, const std::string& sVendedor, Texts& sArtigo, Texts& sNome,
                                      Numbers& dQuant, Numbers& dPrUnit, Texts& sNotas,
                                      automation::SafeArray<int16_t>& iTipoLinha, KeyDocumNext& utNxtDocKey,
                                      NextError& utNextError) {
  CommercialHeader header = docbuild::baseHeader(TipoPreco, sTipoDoc, sSector, iSerie, sTerceiro, sProcesso,
                                                 sVossoNumDoc, sData, sObs, bIvaIncluido, sVendedor);
  LineArrays lines = genericLines(sArm, sArtigo, sNome, dQuant, dPrUnit, sNotas);
  lines.iTipoLinha = &iTipoLinha;
  return inserirDocumento("DocGenInserirTipoLinha", Origem, docbuild::commercialRecipe(header, lines, nullptr),
                          utNxtDocKey, utNextError);
}

}  // namespace qvd
