#include "core/DAL_Next.hpp"
#include "documents/CommercialRecipe.hpp"

// The multi-warehouse family: a warehouse, discounts and lots per line, a header discount and a
// VAT regime. The base form and, in each member, only what differs from it.
namespace qvd {

using docbuild::CommercialHeader;
using docbuild::LineArrays;
using docbuild::Numbers;
using docbuild::Texts;

namespace {

CommercialHeader multiWarehouseHeader(TipoPrecoNext TipoPreco, const std::string& sTipoDoc, const std::string& sSector,
                                      int16_t iSerie, const std::string& sTerceiro, const std::string& sProcesso,
                                      const std::string& sVossoNumDoc, double dDescCabecalho, const std::string& sData,
                                      const std::string& sObs, bool bIvaIncluido, const std::string& sRegimeIva,
                                      const std::string& sVendedor) {
  CommercialHeader header = docbuild::baseHeader(TipoPreco, sTipoDoc, sSector, iSerie, sTerceiro, sProcesso,
                                                 sVossoNumDoc, sData, sObs, bIvaIncluido, sVendedor);
  header.sRegimeIva = sRegimeIva;
  header.dDescCabecalho = dDescCabecalho;
  header.loading = docbuild::Loading::AfterDiscount;
  header.timeFormat = "hh:nn";
  return header;
}

// Credit notes keep the loading data before the remarks, with seconds.
void asCreditNote(CommercialHeader& header, const std::string& sReference, const std::string& sReason) {
  header.creditNote = docbuild::CreditNote{sReference, sReason};
  header.loading = docbuild::Loading::BeforeRemarks;
  header.timeFormat = "hh:mm:ss";
}

LineArrays multiWarehouseLines(const Texts& sArtigo, const Texts& sNome, const Numbers& dQuant, const Numbers& dPrUnit,
                               const Texts& sNotas, const Texts& sArm, const Numbers& dDesc, const Texts& sDescComp) {
  return LineArrays{.sArtigo = sArtigo,
                    .dQuant = dQuant,
                    .armazens = docbuild::Warehouses(sArm),
                    .sNome = &sNome,
                    .dPrUnit = &dPrUnit,
                    .dDesc = &dDesc,
                    .sDescComp = &sDescComp,
                    .sNotas = &sNotas};
}

}  // namespace

bool DAL_Next::DocGenInserirMultiArm(NextOrigemDocumento Origem, TipoPrecoNext TipoPreco, const std::string& sTipoDoc,
                                     const std::string& sSector, int16_t iSerie, const std::string& sTerceiro,
                                     const std::string& sProcesso, const std::string& sVossoNumDoc,
                                     double dDescCabecalho, const std::string& sData, const std::string& sObs,
                                     bool bIvaIncluido, const std::string& sRegimeIva, const std::string& sVendedor,
                                     Texts& sArtigo, Texts& sNome, Numbers& dQuant, Numbers& dPrUnit, Texts& sNotas,
                                     Texts& sArm, Numbers& dDesc, Texts& sDescComp,
                                     const std::shared_ptr<cDocLotes>& oLotes, KeyDocumNext& utNxtDocKey,
                                     NextError& utNextError) {
  CommercialHeader header =
      multiWarehouseHeader(TipoPreco, sTipoDoc, sSector, iSerie, sTerceiro, sProcesso, sVossoNumDoc, dDescCabecalho,
                           sData, sObs, bIvaIncluido, sRegimeIva, sVendedor);
  LineArrays lines = multiWarehouseLines(sArtigo, sNome, dQuant, dPrUnit, sNotas, sArm, dDesc, sDescComp);
  return inserirDocumento("DocGenInserirMultiArm", Origem, docbuild::commercialRecipe(header, lines, oLotes),
                          utNxtDocKey, utNextError);
}

bool DAL_Next::DocGenInserirMultiArmAuto(
    NextOrigemDocumento Origem, TipoPrecoNext TipoPreco, const std::string& sTipoDoc, const std::string& sSector,
    int16_t iSerie, const std::string& sTerceiro, const std::string& sProcesso, const std::string& sVossoNumDoc,
    double dDescCabecalho, const std::string& sData, const std::string& sObs, bool bIvaIncluido,
    const std::string& sRegimeIva, const std::string& sVendedor, Texts& sArtigo, Texts& sNome, Numbers& dQuant,
    Numbers& dPrUnit, Texts& sNotas, Texts& sArm, Numbers& dDesc, Texts& sDescComp,
    const std::shared_ptr<cDocLotes>& oLotes, const std::string& sManualExternalSerie,
    const std::string& sManualExternalInvoiceNo, KeyDocumNext& utNxtDocKey, NextError& utNextError) {
  CommercialHeader header =
      multiWarehouseHeader(TipoPreco, sTipoDoc, sSector, iSerie, sTerceiro, sProcesso, sVossoNumDoc, dDescCabecalho,
                           sData, sObs, bIvaIncluido, sRegimeIva, sVendedor);
  header.external = docbuild::ExternalNumbering{sManualExternalSerie, sManualExternalInvoiceNo,
                                                docbuild::InvoiceIntoNumber::AfterValidation};
  LineArrays lines = multiWarehouseLines(sArtigo, sNome, dQuant, dPrUnit, sNotas, sArm, dDesc, sDescComp);
  return inserirDocumento("DocGenInserirMultiArmAuto", Origem, docbuild::commercialRecipe(header, lines, oLotes),
                          utNxtDocKey, utNextError);
}

bool DAL_Next::DocGTInserirMultiArm(
    NextOrigemDocumento Origem, TipoPrecoNext TipoPreco, const std::string& sTipoDoc, const std::string& sSector,
    int16_t iSerie, const std::string& sTerceiro, const std::string& sProcesso, const std::string& sVossoNumDoc,
    double dDescCabecalho, const std::string& sData, const std::string& sObs, bool bIvaIncluido,
    const std::string& sRegimeIva, const std::string& sVendedor, Texts& sArtigo, Texts& sNome, Numbers& dQuant,
    Numbers& dPrUnit, Texts& sNotas, Texts& sArm, Numbers& dDesc, Texts& sDescComp,
    const std::shared_ptr<cDocLotes>& oLotes, const std::string& sDataCarga, const std::string& sHorasCarga,
    const std::string& sMoradaDsg, const std::string& sLocalDsg, const std::string& sCepDsg,
    const std::string& sPaisDsg, const std::string& sDataDsg, const std::string& sHorasDsg,
    const std::string& sLocalCarga, const std::string& sATDocCodeID, const std::string& sMatricula,
    KeyDocumNext& utNxtDocKey, NextError& utNextError) {
  CommercialHeader header =
      multiWarehouseHeader(TipoPreco, sTipoDoc, sSector, iSerie, sTerceiro, sProcesso, sVossoNumDoc, dDescCabecalho,
                           sData, sObs, bIvaIncluido, sRegimeIva, sVendedor);
  header.transport = docbuild::Transport{sDataCarga, sHorasCarga, sMoradaDsg,  sLocalDsg,    sCepDsg,   sPaisDsg,
                                         sDataDsg,   sHorasDsg,   sLocalCarga, sATDocCodeID, sMatricula};
  LineArrays lines = multiWarehouseLines(sArtigo, sNome, dQuant, dPrUnit, sNotas, sArm, dDesc, sDescComp);
  return inserirDocumento("DocGTInserirMultiArm", Origem, docbuild::commercialRecipe(header, lines, oLotes),
                          utNxtDocKey, utNextError);
}

bool DAL_Next::DocNotaCreditoInserirMultiArm(
    NextOrigemDocumento Origem, const std::string& sReference, const std::string& sReason, TipoPrecoNext TipoPreco,
    const std::string& sTipoDoc, const std::string& sSector, int16_t iSerie, const std::string& sTerceiro,
    const std::string& sProcesso, const std::string& sVossoNumDoc, double dDescCabecalho, const std::string& sData,
    const std::string& sObs, bool bIvaIncluido, const std::string& sRegimeIva, const std::string& sVendedor,
    Texts& sArtigo, Texts& sNome, Numbers& dQuant, Numbers& dPrUnit, Texts& sNotas, Texts& sArm, Numbers& dDesc,
    Texts& sDescComp, const std::shared_ptr<cDocLotes>& oLotes, KeyDocumNext& utNxtDocKey, NextError& utNextError) {
  CommercialHeader header =
      multiWarehouseHeader(TipoPreco, sTipoDoc, sSector, iSerie, sTerceiro, sProcesso, sVossoNumDoc, dDescCabecalho,
                           sData, sObs, bIvaIncluido, sRegimeIva, sVendedor);
  asCreditNote(header, sReference, sReason);
  LineArrays lines = multiWarehouseLines(sArtigo, sNome, dQuant, dPrUnit, sNotas, sArm, dDesc, sDescComp);
  return inserirDocumento("DocNotaCreditoInserirMultiArm", Origem, docbuild::commercialRecipe(header, lines, oLotes),
                          utNxtDocKey, utNextError);
}

bool DAL_Next::DocNotaCreditoInserirMultiArmAuto(
    NextOrigemDocumento Origem, const std::string& sReference, const std::string& sReason, TipoPrecoNext TipoPreco,
    const std::string& sTipoDoc, const std::string& sSector, int16_t iSerie, const std::string& sTerceiro,
    const std::string& sProcesso, const std::string& sVossoNumDoc, double dDescCabecalho, const std::string& sData,
    const std::string& sObs, bool bIvaIncluido, const std::string& sRegimeIva, const std::string& sVendedor,
    Texts& sArtigo, Texts& sNome, Numbers& dQuant, Numbers& dPrUnit, Texts& sNotas, Texts& sArm, Numbers& dDesc,
    Texts& sDescComp, const std::shared_ptr<cDocLotes>& oLotes, const std::string& sManualExternalSerie,
    const std::string& sManualExternalInvoiceNo, KeyDocumNext& utNxtDocKey, NextError& utNextError) {
  CommercialHeader header =
      multiWarehouseHeader(TipoPreco, sTipoDoc, sSector, iSerie, sTerceiro, sProcesso, sVossoNumDoc, dDescCabecalho,
                           sData, sObs, bIvaIncluido, sRegimeIva, sVendedor);
  asCreditNote(header, sReference, sReason);
  // The external number is passed on, but never becomes the header's own number here.
  header.external =
      docbuild::ExternalNumbering{sManualExternalSerie, sManualExternalInvoiceNo, docbuild::InvoiceIntoNumber::No};
  LineArrays lines = multiWarehouseLines(sArtigo, sNome, dQuant, dPrUnit, sNotas, sArm, dDesc, sDescComp);
  return inserirDocumento("DocNotaCreditoInserirMultiArmAuto", Origem,
                          docbuild::commercialRecipe(header, lines, oLotes), utNxtDocKey, utNextError);
}

}  // namespace qvd
