#include "documents/DocumentTestSupport.hpp"

namespace testing_support {

std::string nameOf(Member member) {
  switch (member) {
    case Member::CF_DocGenInserir: return "CF_DocGenInserir";
    case Member::CF_DocGenInserirAuto: return "CF_DocGenInserirAuto";
    case Member::CF_DocNotaCreditoInserir: return "CF_DocNotaCreditoInserir";
    case Member::CF_DocGenInserirTipoLinha: return "CF_DocGenInserirTipoLinha";
    case Member::DocGenInserirMultiArm: return "DocGenInserirMultiArm";
    case Member::DocGenInserirMultiArmAuto: return "DocGenInserirMultiArmAuto";
    case Member::DocGTInserirMultiArm: return "DocGTInserirMultiArm";
    case Member::DocNotaCreditoInserirMultiArm: return "DocNotaCreditoInserirMultiArm";
    case Member::DocNotaCreditoInserirMultiArmAuto: return "DocNotaCreditoInserirMultiArmAuto";
  }
  return {};
}

bool multiWarehouse(Member member) { return member >= Member::DocGenInserirMultiArm; }

bool call(qvd::BAL_Next& bal, Member member, DocumentArgs& a) {
  const qvd::NextOrigemDocumento origem = qvd::Preparacao;
  const qvd::TipoPrecoNext preco = a.TipoPreco;
  switch (member) {
    case Member::CF_DocGenInserir:
      return bal.CF_DocGenInserir(origem, preco, a.sTipoDoc, a.sSector, a.iSerie, a.sTerceiro, a.sProcesso,
                                  a.sVossoNumDoc, a.sData, a.sObs, a.sArmazem, a.bIvaIncluido, a.sVendedor, a.sArtigo,
                                  a.sNome, a.dQuant, a.dPrUnit, a.sNotas, a.key);
    case Member::CF_DocGenInserirAuto:
      return bal.CF_DocGenInserirAuto(origem, preco, a.sTipoDoc, a.sSector, a.iSerie, a.sTerceiro, a.sProcesso,
                                      a.sVossoNumDoc, a.sData, a.sObs, a.sArmazem, a.bIvaIncluido, a.sVendedor,
                                      a.sArtigo, a.sNome, a.dQuant, a.dPrUnit, a.sNotas, a.sManualExternalSerie,
                                      a.sManualExternalInvoiceNo, a.key);
    case Member::CF_DocNotaCreditoInserir:
      return bal.CF_DocNotaCreditoInserir(origem, a.sReference, a.sReason, preco, a.sTipoDoc, a.sSector, a.iSerie,
                                          a.sTerceiro, a.sProcesso, a.sVossoNumDoc, a.sData, a.sObs, a.sArmazem,
                                          a.bIvaIncluido, a.sVendedor, a.sArtigo, a.sNome, a.dQuant, a.dPrUnit,
                                          a.sNotas, a.key);
    case Member::CF_DocGenInserirTipoLinha:
      return bal.CF_DocGenInserirTipoLinha(origem, preco, a.sTipoDoc, a.sSector, a.iSerie, a.sTerceiro, a.sProcesso,
                                           a.sVossoNumDoc, a.sData, a.sObs, a.sArmazem, a.bIvaIncluido, a.sVendedor,
                                           a.sArtigo, a.sNome, a.dQuant, a.dPrUnit, a.sNotas, a.iTipoLinha, a.key);
    case Member::DocGenInserirMultiArm:
      return bal.DocGenInserirMultiArm(origem, preco, a.sTipoDoc, a.sSector, a.iSerie, a.sTerceiro, a.sProcesso,
                                       a.sVossoNumDoc, a.dDescCabecalho, a.sData, a.sObs, a.bIvaIncluido,
                                       a.sRegimeIva, a.sVendedor, a.sArtigo, a.sNome, a.dQuant, a.dPrUnit, a.sNotas,
                                       a.sArm, a.dDesc, a.sDescComp, a.oLotes, a.key);
    case Member::DocGenInserirMultiArmAuto:
      return bal.DocGenInserirMultiArmAuto(origem, preco, a.sTipoDoc, a.sSector, a.iSerie, a.sTerceiro, a.sProcesso,
                                           a.sVossoNumDoc, a.dDescCabecalho, a.sData, a.sObs, a.bIvaIncluido,
                                           a.sRegimeIva, a.sVendedor, a.sArtigo, a.sNome, a.dQuant, a.dPrUnit,
                                           a.sNotas, a.sArm, a.dDesc, a.sDescComp, a.oLotes, a.sManualExternalSerie,
                                           a.sManualExternalInvoiceNo, a.key);
    case Member::DocGTInserirMultiArm:
      return bal.DocGTInserirMultiArm(origem, preco, a.sTipoDoc, a.sSector, a.iSerie, a.sTerceiro, a.sProcesso,
                                      a.sVossoNumDoc, a.dDescCabecalho, a.sData, a.sObs, a.bIvaIncluido, a.sRegimeIva,
                                      a.sVendedor, a.sArtigo, a.sNome, a.dQuant, a.dPrUnit, a.sNotas, a.sArm, a.dDesc,
                                      a.sDescComp, a.oLotes, a.sDataCarga, a.sHorasCarga, a.sMoradaDsg, a.sLocalDsg,
                                      a.sCepDsg, a.sPaisDsg, a.sDataDsg, a.sHorasDsg, a.sLocalCarga, a.sATDocCodeID,
                                      a.sMatricula, a.key);
    case Member::DocNotaCreditoInserirMultiArm:
      return bal.DocNotaCreditoInserirMultiArm(origem, a.sReference, a.sReason, preco, a.sTipoDoc, a.sSector,
                                               a.iSerie, a.sTerceiro, a.sProcesso, a.sVossoNumDoc, a.dDescCabecalho,
                                               a.sData, a.sObs, a.bIvaIncluido, a.sRegimeIva, a.sVendedor, a.sArtigo,
                                               a.sNome, a.dQuant, a.dPrUnit, a.sNotas, a.sArm, a.dDesc, a.sDescComp,
                                               a.oLotes, a.key);
    case Member::DocNotaCreditoInserirMultiArmAuto:
      return bal.DocNotaCreditoInserirMultiArmAuto(
          origem, a.sReference, a.sReason, preco, a.sTipoDoc, a.sSector, a.iSerie, a.sTerceiro, a.sProcesso,
          a.sVossoNumDoc, a.dDescCabecalho, a.sData, a.sObs, a.bIvaIncluido, a.sRegimeIva, a.sVendedor, a.sArtigo,
          a.sNome, a.dQuant, a.dPrUnit, a.sNotas, a.sArm, a.dDesc, a.sDescComp, a.oLotes, a.sManualExternalSerie,
          a.sManualExternalInvoiceNo, a.key, a.erro);
  }
  return false;
}

}  // namespace testing_support
