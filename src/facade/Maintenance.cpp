#include "core/DAL_Next.hpp"
#include "documents/NxDocComercial.hpp"
#include "facade/BAL_Next.hpp"

// Removal, cloning, conversion marking, print copies, transaction cancelling, the document
// pass-throughs and the document objects.
namespace qvd {

using automation::ObjectRef;

bool BAL_Next::SetNumVias(bool bCriar, int32_t lKey, const std::string& sUt, const std::string& sTpDoc, int16_t iAno,
                          int16_t iSerie, int32_t lNumDoc, int16_t iNumVia) {
  return oDAL->SetNumVias(bCriar, lKey, sUt, sTpDoc, iAno, iSerie, lNumDoc, iNumVia);
}

bool BAL_Next::RemoverDocumento(NextOrigemDocumento Origem, KeyDocumNext& utNxtDocKey) {
  return trap("RemoverDocumento", [&] {
    LimparErro();
    return oDAL->DocNextRemover(Origem, utNxtDocKey, utErro);
  });
}

bool BAL_Next::INEMER_DocValidar(NextOrigemDocumento Origem, ObjectRef& oDoc) {
  return oDAL->DocComercialValidar(Origem, oDoc, 0, utErro) == 0;
}

bool BAL_Next::INEMER_DocInserir(NextOrigemDocumento Origem, ObjectRef& oDoc) {
  return oDAL->DocComercialInserir(Origem, oDoc, 0, utErro) == 0;
}

bool BAL_Next::INEMER_DocAlterar(NextOrigemDocumento Origem, ObjectRef& oDoc) {
  return oDAL->DocComercialAlterar(Origem, oDoc, 0, utErro) == 0;
}

bool BAL_Next::INEMER_DocLer(KeyDocumNext& utNxtDocKey, ObjectRef& oDoc) {
  return oDAL->DocComercialLer(utNxtDocKey, oDoc, 0, utErro);
}

bool BAL_Next::CF_DocGenRemover(NextOrigemDocumento Origem, KeyDocumNext& utNxtDocKey, NextError& utNextError) {
  return trap("CF_DocGenRemover", [&] {
    LimparErro();
    bool ok = oDAL->DocGenRemover(Origem, utNxtDocKey, utErro);
    utNextError = utErro;
    return ok;
  });
}

bool BAL_Next::CF_DocGenAlterar(NextOrigemDocumento Origem, const std::string& sTipoDoc, const std::string& sSector,
                                int16_t iSerie, const std::string& sTerceiro, const std::string& sProcesso,
                                const std::string& sVossoNumDoc, const std::string& sData, const std::string& sObs,
                                const std::string& sArm, Texts& sArtigo, Texts& sNome, Numbers& dQuant,
                                Numbers& dPrUnit, Texts& sNotas, KeyDocumNext& utNxtDocKey) {
  return trap("CF_DocGenAlterar", [&] {
    LimparErro();
    return oDAL->DocGenAlterar(Origem, sTipoDoc, sSector, iSerie, sTerceiro, sProcesso, sVossoNumDoc, sData, sObs, sArm,
                               sArtigo, sNome, dQuant, dPrUnit, sNotas, utNxtDocKey, utErro);
  });
}

std::shared_ptr<NxDocComercial> BAL_Next::NxtDocComercialCriar() {
  return trap("NxtDocComercialCriar", [] { return std::make_shared<NxDocComercial>(); });
}

bool BAL_Next::DocGenClonarComo(NextOrigemDocumento Origem, KeyDocumNext& utNxtDocOrigKey,
                                KeyDocumNext& utNxtDocDestKey, const std::string& sData) {
  return trap("DocGenClonarComo", [&] {
    LimparErro();
    return oDAL->DocGenClonarComo(Origem, utNxtDocOrigKey, utNxtDocDestKey, sData, utErro);
  });
}

void BAL_Next::TransaccaoCancelar() { oDAL->TransaccaoCancelar(); }

bool BAL_Next::MarcarTotalmenteConvertido(NextOrigemDocumento Origem, KeyDocumNext& utNxtDocKey,
                                          NextError& utNextError) {
  return oDAL->SetTotalmenteConvertido(Origem, utNxtDocKey, utNextError);
}

}  // namespace qvd
