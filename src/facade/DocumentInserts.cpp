#include "core/DAL_Next.hpp"
#include "facade/BAL_Next.hpp"

// Document inserts from arrays: each member resets the error record, forwards its arguments
// with that record to the worker operation it is named after, and re-raises run-time errors
// with its own name.
namespace qvd {

bool BAL_Next::CF_DocGenInserir(NextOrigemDocumento Origem, TipoPrecoNext TipoPreco, const std::string& sTipoDoc,
                                const std::string& sSector, int16_t iSerie, const std::string& sTerceiro,
                                const std::string& sProcesso, const std::string& sVossoNumDoc, const std::string& sData,
                                const std::string& sObs, const std::string& sArm, bool bIvaIncluido,
                                const std::string& sVendedor, Texts& sArtigo, Texts& sNome, Numbers& dQuant,
                                Numbers& dPrUnit, Texts& sNotas, KeyDocumNext& utNxtDocKey) {
  return trap("CF_DocGenInserir", [&] {
    LimparErro();
    return oDAL->DocGenInserir(Origem, TipoPreco, sTipoDoc, sSector, iSerie, sTerceiro, sProcesso, sVossoNumDoc, sData,
                               sObs, sArm, bIvaIncluido, sVendedor, sArtigo, sNome, dQuant, dPrUnit, sNotas,
                               utNxtDocKey, utErro);
  });
}

bool BAL_Next::CF_DocNotaCreditoInserir(NextOrigemDocumento Origem, const std::string& sReference,
                                        const std::string& sReason, TipoPrecoNext TipoPreco,
                                        const std::string& sTipoDoc, const std::string& sSector, int16_t iSerie,
                                        const std::string& sTerceiro, const std::string& sProcesso,
                                        const std::string& sVossoNumDoc, const std::string& sData,
                                        const std::string& sObs, const std::string& sArm, bool bIvaIncluido,
                                        const std::string& sVendedor, Texts& sArtigo, Texts& sNome, Numbers& dQuant,
                                        Numbers& dPrUnit, Texts& sNotas, KeyDocumNext& utNxtDocKey) {
  return trap("CF_DocNotaCreditoInserir", [&] {
    LimparErro();
    return oDAL->DocNotaCreditoInserir(Origem, sReference, sReason, TipoPreco, sTipoDoc, sSector, iSerie, sTerceiro,
                                       sProcesso, sVossoNumDoc, sData, sObs, sArm, bIvaIncluido, sVendedor, sArtigo,
                                       sNome, dQuant, dPrUnit, sNotas, utNxtDocKey, utErro);
  });
}

bool BAL_Next::CF_DocGenInserirTipoLinha(NextOrigemDocumento Origem, TipoPrecoNext TipoPreco,
                                         const std::string& sTipoDoc, const std::string& sSector, int16_t iSerie,
                                         const std::string& sTerceiro, const std::string& sProcesso,
                                         const std::string& sVossoNumDoc, const std::string& sData,
                                         const std::string& sObs, const std::string& sArm, bool bIvaIncluido,
                                         const std::string& sVendedor, Texts& sArtigo, Texts& sNome, Numbers& dQuant,
                                         Numbers& dPrUnit, Texts& sNotas, automation::SafeArray<int16_t>& iTipoLinha,
                                         KeyDocumNext& utNxtDocKey) {
  return trap("CF_DocGenInserirTipoLinha", [&] {
    LimparErro();
    return oDAL->DocGenInserirTipoLinha(Origem, TipoPreco, sTipoDoc, sSector, iSerie, sTerceiro, sProcesso,
                                        sVossoNumDoc, sData, sObs, sArm, bIvaIncluido, sVendedor, sArtigo, sNome,
                                        dQuant, dPrUnit, sNotas, iTipoLinha, utNxtDocKey, utErro);
  });
}

bool BAL_Next::DocGenInserirMultiArm(NextOrigemDocumento Origem, TipoPrecoNext TipoPreco, const std::string& sTipoDoc,
                                     const std::string& sSector, int16_t iSerie, const std::string& sTerceiro,
                                     const std::string& sProcesso, const std::string& sVossoNumDoc,
                                     double dDescCabecalho, const std::string& sData, const std::string& sObs,
                                     bool bIvaIncluido, const std::string& sRegimeIva, const std::string& sVendedor,
                                     Texts& sArtigo, Texts& sNome, Numbers& dQuant, Numbers& dPrUnit, Texts& sNotas,
                                     Texts& sArm, Numbers& dDesc, Texts& sDescComp, std::shared_ptr<cDocLotes>& oLotes,
                                     KeyDocumNext& utNxtDocKey) {
  return trap("DocGenInserirMultiArm", [&] {
    LimparErro();
    return oDAL->DocGenInserirMultiArm(Origem, TipoPreco, sTipoDoc, sSector, iSerie, sTerceiro, sProcesso, sVossoNumDoc,
                                       dDescCabecalho, sData, sObs, bIvaIncluido, sRegimeIva, sVendedor, sArtigo, sNome,
                                       dQuant, dPrUnit, sNotas, sArm, dDesc, sDescComp, oLotes, utNxtDocKey, utErro);
  });
}

bool BAL_Next::DocGTInserirMultiArm(
    NextOrigemDocumento Origem, TipoPrecoNext TipoPreco, const std::string& sTipoDoc, const std::string& sSector,
    int16_t iSerie, const std::string& sTerceiro, const std::string& sProcesso, const std::string& sVossoNumDoc,
    double dDescCabecalho, const std::string& sData, const std::string& sObs, bool bIvaIncluido,
    const std::string& sRegimeIva, const std::string& sVendedor, Texts& sArtigo, Texts& sNome, Numbers& dQuant,
    Numbers& dPrUnit, Texts& sNotas, Texts& sArm, Numbers& dDesc, Texts& sDescComp, std::shared_ptr<cDocLotes>& oLotes,
    const std::string& sDataCarga, const std::string& sHorasCarga, const std::string& sMoradaDsg,
    const std::string& sLocalDsg, const std::string& sCepDsg, const std::string& sPaisDsg, const std::string& sDataDsg,
    const std::string& sHorasDsg, const std::string& sLocalCarga, const std::string& sATDocCodeID,
    const std::string& sMatricula, KeyDocumNext& utNxtDocKey) {
  return trap("DocGTInserirMultiArm", [&] {
    LimparErro();
    return oDAL->DocGTInserirMultiArm(Origem, TipoPreco, sTipoDoc, sSector, iSerie, sTerceiro, sProcesso, sVossoNumDoc,
                                      dDescCabecalho, sData, sObs, bIvaIncluido, sRegimeIva, sVendedor, sArtigo, sNome,
                                      dQuant, dPrUnit, sNotas, sArm, dDesc, sDescComp, oLotes, sDataCarga, sHorasCarga,
                                      sMoradaDsg, sLocalDsg, sCepDsg, sPaisDsg, sDataDsg, sHorasDsg, sLocalCarga,
                                      sATDocCodeID, sMatricula, utNxtDocKey, utErro);
  });
}

bool BAL_Next::DocNotaCreditoInserirMultiArm(
    NextOrigemDocumento Origem, const std::string& sReference, const std::string& sReason, TipoPrecoNext TipoPreco,
    const std::string& sTipoDoc, const std::string& sSector, int16_t iSerie, const std::string& sTerceiro,
    const std::string& sProcesso, const std::string& sVossoNumDoc, double dDescCabecalho, const std::string& sData,
    const std::string& sObs, bool bIvaIncluido, const std::string& sRegimeIva, const std::string& sVendedor,
    Texts& sArtigo, Texts& sNome, Numbers& dQuant, Numbers& dPrUnit, Texts& sNotas, Texts& sArm, Numbers& dDesc,
    Texts& sDescComp, std::shared_ptr<cDocLotes>& oLotes, KeyDocumNext& utNxtDocKey) {
  return trap("DocNotaCreditoInserirMultiArm", [&] {
    LimparErro();
    return oDAL->DocNotaCreditoInserirMultiArm(Origem, sReference, sReason, TipoPreco, sTipoDoc, sSector, iSerie,
                                               sTerceiro, sProcesso, sVossoNumDoc, dDescCabecalho, sData, sObs,
                                               bIvaIncluido, sRegimeIva, sVendedor, sArtigo, sNome, dQuant, dPrUnit,
                                               sNotas, sArm, dDesc, sDescComp, oLotes, utNxtDocKey, utErro);
  });
}

bool BAL_Next::CF_DocGenInserirAuto(NextOrigemDocumento Origem, TipoPrecoNext TipoPreco, const std::string& sTipoDoc,
                                    const std::string& sSector, int16_t iSerie, const std::string& sTerceiro,
                                    const std::string& sProcesso, const std::string& sVossoNumDoc,
                                    const std::string& sData, const std::string& sObs, const std::string& sArm,
                                    bool bIvaIncluido, const std::string& sVendedor, Texts& sArtigo, Texts& sNome,
                                    Numbers& dQuant, Numbers& dPrUnit, Texts& sNotas,
                                    const std::string& sManualExternalSerie,
                                    const std::string& sManualExternalInvoiceNo, KeyDocumNext& utNxtDocKey) {
  return trap("CF_DocGenInserirAuto", [&] {
    LimparErro();
    return oDAL->DocGenInserirAuto(Origem, TipoPreco, sTipoDoc, sSector, iSerie, sTerceiro, sProcesso, sVossoNumDoc,
                                   sData, sObs, sArm, bIvaIncluido, sVendedor, sArtigo, sNome, dQuant, dPrUnit, sNotas,
                                   sManualExternalSerie, sManualExternalInvoiceNo, utNxtDocKey, utErro);
  });
}

bool BAL_Next::DocGenInserirMultiArmAuto(
    NextOrigemDocumento Origem, TipoPrecoNext TipoPreco, const std::string& sTipoDoc, const std::string& sSector,
    int16_t iSerie, const std::string& sTerceiro, const std::string& sProcesso, const std::string& sVossoNumDoc,
    double dDescCabecalho, const std::string& sData, const std::string& sObs, bool bIvaIncluido,
    const std::string& sRegimeIva, const std::string& sVendedor, Texts& sArtigo, Texts& sNome, Numbers& dQuant,
    Numbers& dPrUnit, Texts& sNotas, Texts& sArm, Numbers& dDesc, Texts& sDescComp, std::shared_ptr<cDocLotes>& oLotes,
    const std::string& sManualExternalSerie, const std::string& sManualExternalInvoiceNo, KeyDocumNext& utNxtDocKey) {
  return trap("DocGenInserirMultiArmAuto", [&] {
    LimparErro();
    return oDAL->DocGenInserirMultiArmAuto(Origem, TipoPreco, sTipoDoc, sSector, iSerie, sTerceiro, sProcesso,
                                           sVossoNumDoc, dDescCabecalho, sData, sObs, bIvaIncluido, sRegimeIva,
                                           sVendedor, sArtigo, sNome, dQuant, dPrUnit, sNotas, sArm, dDesc, sDescComp,
                                           oLotes, sManualExternalSerie, sManualExternalInvoiceNo, utNxtDocKey, utErro);
  });
}

// Hands the facade's error record back through its own last argument as well.
bool BAL_Next::DocNotaCreditoInserirMultiArmAuto(
    NextOrigemDocumento Origem, const std::string& sReference, const std::string& sReason, TipoPrecoNext TipoPreco,
    std::string& sTipoDoc, std::string& sSector, int16_t& iSerie, std::string& sTerceiro, std::string& sProcesso,
    const std::string& sVossoNumDoc, double dDescCabecalho, const std::string& sData, const std::string& sObs,
    bool bIvaIncluido, const std::string& sRegimeIva, const std::string& sVendedor, Texts& sArtigo, Texts& sNome,
    Numbers& dQuant, Numbers& dPrUnit, Texts& sNotas, Texts& sArm, Numbers& dDesc, Texts& sDescComp,
    std::shared_ptr<cDocLotes>& oLotes, const std::string& sManualExternalSerie,
    const std::string& sManualExternalInvoiceNo, KeyDocumNext& utNxtDocKey, NextError& utNextError) {
  return trap("DocNotaCreditoInserirMultiArmAuto", [&] {
    LimparErro();
    bool ok = oDAL->DocNotaCreditoInserirMultiArmAuto(
        Origem, sReference, sReason, TipoPreco, sTipoDoc, sSector, iSerie, sTerceiro, sProcesso, sVossoNumDoc,
        dDescCabecalho, sData, sObs, bIvaIncluido, sRegimeIva, sVendedor, sArtigo, sNome, dQuant, dPrUnit, sNotas, sArm,
        dDesc, sDescComp, oLotes, sManualExternalSerie, sManualExternalInvoiceNo, utNxtDocKey, utErro);
    utNextError = utErro;
    return ok;
  });
}

// Errors of the worker reach the caller unchanged: this member has no handler and does not
// reset the error record.
bool BAL_Next::Inserir(NextOrigemDocumento Origem, automation::db::RecordsetRef& rsDocs,
                       automation::db::RecordsetRef& rsLinhas, automation::db::RecordsetRef& rsLotes,
                       KeyDocumNext& utNxtDocKey, NextError& utNextError) {
  return oDAL->Inserir(Origem, rsDocs, rsLinhas, rsLotes, utNxtDocKey, utNextError);
}

}  // namespace qvd
