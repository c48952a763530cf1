#include <string>
#include <tuple>

#include "core/DAL_Next.hpp"
#include "docbuild/ArrayLines.hpp"
#include "docbuild/FailureLog.hpp"
#include "documents/CommercialHeader.hpp"
#include "documents/ErpDocument.hpp"
#include "documents/SqlText.hpp"
#include "foundation/ErpClasses.hpp"
#include "foundation/ObjectFactory.hpp"

// Altering a document by removing it and inserting it again under its old number, with the
// series' counter put back afterwards.
namespace qvd {

using automation::ObjectRef;
using automation::propGet;
using std::to_string;

namespace {

// "WHERE (DOC = 'FA') AND (SERIE =1) AND (ANO =2024 )": the counter row of the key's series.
std::string linhaDoContador(const KeyDocumNext& chave) {
  return "WHERE (DOC = " + sqlText(chave.sTpDoc) + ") AND (SERIE =" + to_string(chave.iSerie) + ") AND (ANO =" +
         to_string(chave.iAno) + " )";
}

// The rows of the document `chave` in a table whose type column is `colunaTipo`.
std::string linhasDoDocumento(const char* colunaTipo, const KeyDocumNext& chave) {
  return std::string("WHERE (") + colunaTipo + " = " + sqlText(chave.sTpDoc) + ") AND (NNUMDOC =" +
         to_string(chave.lNumDoc) + ") AND (SERIE =" + to_string(chave.iSerie) + ") AND (ANO =" +
         to_string(chave.iAno) + " )";
}

// Puts the counter read before the alteration back, unless a document numbered above it exists
// in the series by then: that number was taken by another writer meanwhile, and lowering the
// counter under it would undo that writer's advance. One statement, so the check and the write
// cannot be split by another writer.
std::string reporContador(int32_t N, const KeyDocumNext& chave) {
  return "UPDATE NUMDOC SET NUM = " + to_string(N) + " " + linhaDoContador(chave) +
         " AND NOT EXISTS (SELECT 1 FROM DOCGCCAB WHERE (TPDOC = " + sqlText(chave.sTpDoc) + ") AND (SERIE =" +
         to_string(chave.iSerie) + ") AND (ANO =" + to_string(chave.iAno) + ") AND (NNUMDOC >" + to_string(N) + "))";
}

}  // namespace

bool DAL_Next::DocGenAlterar(NextOrigemDocumento Origem, const std::string& sTipoDoc, const std::string& sSector,
                             int16_t iSerie, const std::string& sTerceiro, const std::string& sProcesso,
                             const std::string& sVossoNumDoc, const std::string& sData, const std::string& sObs,
                             const std::string& sArm, Texts& sArtigo, Texts& sNome, Numbers& dQuant, Numbers& dPrUnit,
                             Texts& sNotas, KeyDocumNext& utNxtDocKey, NextError& utNextError) {
  // The failure log describes the new contents, as the insert's own log does.
  docbuild::CommercialHeader cabecalho = docbuild::baseHeader(tpDefault, sTipoDoc, sSector, iSerie, sTerceiro,
                                                              sProcesso, sVossoNumDoc, sData, sObs, false, "");
  docbuild::LineArrays linhas{.sArtigo = sArtigo,
                              .dQuant = dQuant,
                              .armazens = docbuild::Warehouses(sArm),
                              .sNome = &sNome,
                              .dPrUnit = &dPrUnit,
                              .sNotas = &sNotas};
  std::string operacao = "Remoção";
  auto registarFalha = [&](int32_t numero, const std::string& texto) {
    if (!opcoes.UsaLogOstrel) return;
    docbuild::writeFailureLog(
        sPastaLog, "DocGenAlterar", numero, texto,
        [&](LogErrosApi& log) {
          docbuild::logCommercialHeader(log, cabecalho);
          docbuild::logArrayLines(log, linhas);
        },
        operacao);
  };
  try {
    // The counter of the document's series as it stands before anything changes. Without it
    // there is nothing to put back, so the document is not touched either.
    const KeyDocumNext serie = utNxtDocKey;
    automation::db::RecordsetRef contador;
    if (!dataAccess().AbrirRecordset("", "SELECT  ANO, DOC, SERIE, NUM From NUMDOC " + linhaDoContador(serie),
                                     contador, -1, 0)) {
      utNextError = {0, "O contador da série do documento " + serie.sTpDoc + " " + to_string(serie.iSerie) + "/" +
                            to_string(serie.iAno) + " não pôde ser lido: o documento não foi alterado"};
      return false;
    }
    if (!contador) automation::raise(automation::errnum::ObjectNotSet);
    int32_t N = contador->value("NUM").toLong();

    int32_t r = 0;
    int32_t P = 0;
    ObjectRef D = NxtObjectoCriar(erpclass::DocumentoComercial);
    if (DocComercialLer(utNxtDocKey, D, 0, utNextError)) {
      DocComercialAcertaRegimeIva(Origem, D, r, utNextError);
      P = propGet(erpdoc::cab(D), "TipoPreco").toLong();
      if (r == 0) r = DocComercialFinalizar(Origem, Operacao::Remover, D, 0, utNxtDocKey, utNextError);
    } else {
      r = -1;
    }
    bool V = propGet(erpdoc::cab(D), "IvaIncluido").toBool();
    D = nullptr;
    if (r == -1) {
      registarFalha(utNextError.lUltimoErro, utNextError.sTextoErro);
      return false;
    }
    if (r == 0) {
      // The ERP has removed the document already; these only sweep up rows it may have left.
      std::ignore = dataAccess().ExecutarSQL("", "DELETE FROM DOCGCCAB " + linhasDoDocumento("TPDOC", utNxtDocKey));
      std::ignore = dataAccess().ExecutarSQL("", "DELETE FROM DOCGCLIN " + linhasDoDocumento("TPDOCUM", utNxtDocKey));
    }
    operacao = "Inserção";
    if (r == 0) {
      // A negative year asks the insert for the old number.
      utNxtDocKey.iAno = static_cast<int16_t>(-utNxtDocKey.iAno);
      if (DocGenInserir(Origem, static_cast<TipoPrecoNext>(P), sTipoDoc, sSector, iSerie, sTerceiro, sProcesso,
                        sVossoNumDoc, sData, sObs, sArm, V, "", sArtigo, sNome, dQuant, dPrUnit, sNotas, utNxtDocKey,
                        utNextError)) {
        r = 0;
      } else {
        r = -1;
        registarFalha(utNextError.lUltimoErro, utNextError.sTextoErro);
      }
    }
    // The outcome is settled by now: a counter that stays where the insert left it changes no document.
    std::ignore = dataAccess().ExecutarSQL("", reporContador(N, serie));
    contador->Close();
    return r == 0;
  } catch (...) {
    automation::AutomationError erro = automation::currentError();
    operacao = "ErrorHandler";
    registarFalha(erro.number(), erro.description());
    throw automation::AutomationError(erro.number(), "DAL_Next: DocGenAlterar", erro.description());
  }
}

}  // namespace qvd
