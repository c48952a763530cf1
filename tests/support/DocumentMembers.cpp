#include "support/DocumentMembers.hpp"

namespace testing_support {

std::string nameOf(Member member) {
  static const char* const names[] = {
      "CF_DocGenInserir",          "CF_DocGenInserirAuto",          "CF_DocNotaCreditoInserir",
      "CF_DocGenInserirTipoLinha", "DocGenInserirMultiArm",         "DocGenInserirMultiArmAuto",
      "DocGTInserirMultiArm",      "DocNotaCreditoInserirMultiArm", "DocNotaCreditoInserirMultiArmAuto"};
  return names[static_cast<int>(member)];
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

std::shared_ptr<qvd::cDocLotes> oneLot(int32_t linha, const std::string& artigo, const std::string& lote,
                                       double quantidade, const std::string& vossoLote) {
  auto lotes = std::make_shared<qvd::cDocLotes>();
  auto daLinha = std::make_shared<qvd::colLotes>();
  daLinha->Add(artigo, quantidade, lote, vossoLote);
  lotes->SetLotesDaLinha(linha, daLinha);
  return lotes;
}

qvd::TipificacaoTransf movementSetting() {
  qvd::TipificacaoTransf tipif;
  tipif.Moeda = "EUR";
  tipif.ArmAcabados.Armazem = "A1";
  tipif.ArmAcabados.Sector = "PROD";
  tipif.ArmAcabados.DocEntProd = "EP";
  tipif.ArmAcabados.DocGuiaEntFornecedor = "GEF";
  tipif.ArmAcabados.DocGuiaRemessa = "GR";
  tipif.ArmAcabados.SerieEntProd = tipif.ArmAcabados.SerieGuiaEntFornecedor = tipif.ArmAcabados.SerieGuiaRemessa = 1;
  tipif.ArmMatPrima.Armazem = "A2";
  tipif.ArmMatPrima.Sector = "S1";
  tipif.ArmMatPrima.DocSaidaCons = "SC";
  tipif.ArmMatPrima.DocDevolConsumo = "DC";
  tipif.ArmMatPrima.SerieSaidaCons = tipif.ArmMatPrima.SerieDevolConsumo = 1;
  return tipif;
}

}  // namespace testing_support
