#include <string>
#include <tuple>

#include "core/DAL_Next.hpp"
#include "docbuild/FailureLog.hpp"
#include "documents/ErpDocument.hpp"
#include "foundation/ErpClasses.hpp"
#include "foundation/ObjectFactory.hpp"
#include "foundation/coDoclPendentes.hpp"
#include "oplog/LogErrosApi.hpp"

// Operations on documents that already exist in the ERP: read, remove, clone, mark as fully
// converted, and the thin pass-throughs to the worker's finalization.
namespace qvd {

using automation::ObjectRef;
using automation::propGet;
using automation::propPut;

namespace {

// A number as the runtime's Str shows it: a blank where a minus sign would stand.
std::string comSinal(int32_t n) { return n < 0 ? std::to_string(n) : " " + std::to_string(n); }

// The ERP's "nothing set": an empty text or an empty value. Null is not.
bool semValor(const automation::Variant& value) { return !value.isNull() && value.toString().empty(); }

}  // namespace

bool DAL_Next::DocComercialLer(KeyDocumNext& utNxtDocKey, ObjectRef& oDoc, int32_t /*lLastResult*/,
                               NextError& utNextError) {
  return trap("DocComercialLer", [&] {
    int32_t r = erpdoc::ler(oDoc, utNxtDocKey);
    return DocComercialErroCopiar(NaoAplicavel, oDoc, r, utNextError) == 0;
  });
}

// The key of a document these three insert or alter stays with the worker: callers that need
// it read the document's header themselves.
int32_t DAL_Next::DocComercialValidar(NextOrigemDocumento Origem, ObjectRef& oDoc, int32_t lLastResult,
                                      NextError& utNextError) {
  KeyDocumNext rascunho;
  return DocComercialFinalizar(Origem, Operacao::Validar, oDoc, lLastResult, rascunho, utNextError);
}

int32_t DAL_Next::DocComercialInserir(NextOrigemDocumento Origem, ObjectRef& oDoc, int32_t lLastResult,
                                      NextError& utNextError) {
  KeyDocumNext rascunho;
  return DocComercialFinalizar(Origem, Operacao::Inserir, oDoc, lLastResult, rascunho, utNextError);
}

int32_t DAL_Next::DocComercialAlterar(NextOrigemDocumento Origem, ObjectRef& oDoc, int32_t lLastResult,
                                      NextError& utNextError) {
  KeyDocumNext rascunho;
  return DocComercialFinalizar(Origem, Operacao::Alterar, oDoc, lLastResult, rascunho, utNextError);
}

void DAL_Next::DocComercialAcertaRegimeIva(NextOrigemDocumento& Origem, ObjectRef& oDoc, int32_t& resultado,
                                           NextError& utNextError) {
  if (!semValor(propGet(erpdoc::cab(oDoc), "RegimeIva"))) return;
  propPut(erpdoc::cab(oDoc), "RegimeIva", propGet(oParametros, "RegIvaNacional"));
  KeyDocumNext rascunho;
  resultado = DocComercialFinalizar(Origem, Operacao::Alterar, oDoc, 0, rascunho, utNextError);
}

bool DAL_Next::DocNextRemover(NextOrigemDocumento Origem, KeyDocumNext& utNxtDocKey, NextError& utNextError) {
  return trap("DocNextRemover", [&] {
    ObjectRef oDoc = NxtObjectoCriar(erpclass::DocumentoComercial);
    // A document that cannot be read leaves the caller's error record as it was.
    int32_t r = erpdoc::ler(oDoc, utNxtDocKey);
    if (r == 0) DocComercialAcertaRegimeIva(Origem, oDoc, r, utNextError);
    if (r == 0) r = DocComercialFinalizar(Origem, Operacao::Remover, oDoc, 0, utNxtDocKey, utNextError);
    return r == 0;
  });
}

bool DAL_Next::DocGenRemover(NextOrigemDocumento Origem, KeyDocumNext& utNxtDocKey, NextError& utNextError) {
  return trap("DocGenRemover", [&] {
    int32_t r = 0;
    ObjectRef oDoc = NxtObjectoCriar(erpclass::DocumentoComercial);
    if (DocComercialLer(utNxtDocKey, oDoc, 0, utNextError)) {
      DocComercialAcertaRegimeIva(Origem, oDoc, r, utNextError);
      if (r == 0) r = DocComercialFinalizar(NaoAplicavel, Operacao::Remover, oDoc, 0, utNxtDocKey, utNextError);
    } else {
      r = -1;
    }
    if (r != 0) registarFalhaRemocao(utNxtDocKey, utNextError);
    return r == 0;
  });
}

void DAL_Next::registarFalhaRemocao(const KeyDocumNext& utNxtDocKey, const NextError& utNextError) const {
  if (!opcoes.UsaLogOstrel) return;
  docbuild::writeFailureLog(
      sPastaLog, "DocGenRemover", utNextError.lUltimoErro, utNextError.sTextoErro,
      [&](LogErrosApi& log) {
        log.HdrAdd(utNxtDocKey.sTpDoc, "utNxtDocKey.sTpDoc");
        log.HdrAdd(comSinal(utNxtDocKey.lNumDoc), "utNxtDocKey.lNumDoc");
        log.HdrAdd(comSinal(utNxtDocKey.iSerie), "utNxtDocKey.iSerie");
        log.HdrAdd(comSinal(utNxtDocKey.iAno), "utNxtDocKey.iAno");
      },
      "Remoção");
}

bool DAL_Next::DocGenClonarComo(NextOrigemDocumento Origem, KeyDocumNext& utNxtOrigDocKey,
                                KeyDocumNext& utNxtDestDocKey, const std::string& sData, NextError& utNextError) {
  return trap("DocGenClonarComo", [&] {
    ObjectRef oDoc = NxtObjectoCriar(erpclass::DocumentoComercial);
    if (!DocComercialLer(utNxtOrigDocKey, oDoc, 0, utNextError)) return false;
    // The read document keeps its lines and the rest of its header; only these make it new.
    utNxtDestDocKey.lNumDoc = 0;
    propPut(erpdoc::cab(oDoc), "TipoDocumento", utNxtDestDocKey.sTpDoc);
    propPut(erpdoc::cab(oDoc), "Serie", utNxtDestDocKey.iSerie);
    propPut(erpdoc::cab(oDoc), "Data", sData);
    propPut(erpdoc::cab(oDoc), "DataLancamento", sData);
    propPut(erpdoc::cab(oDoc), "DataVencimento", sData);
    propPut(erpdoc::cab(oDoc), "Liquidado", int16_t{0});
    propPut(erpdoc::cab(oDoc), "NossoNoDocumento", int16_t{0});
    return DocComercialFinalizar(Origem, Operacao::Inserir, oDoc, 0, utNxtDestDocKey, utNextError) == 0;
  });
}

bool DAL_Next::SetTotalmenteConvertido(NextOrigemDocumento Origem, KeyDocumNext& utNxtDocKey,
                                       NextError& utNextError) {
  ObjectRef oDoc = NxtObjectoCriar(erpclass::DocumentoComercial);
  int32_t r = erpdoc::ler(oDoc, utNxtDocKey);
  if (r != 0) return DocComercialErroCopiar(Origem, oDoc, r, utNextError) == 0;
  propPut(erpdoc::cab(oDoc), "Convertido", int16_t{-1});
  int32_t n = erpdoc::numeroDeLinhas(oDoc);
  for (int32_t i = 1; i <= n; ++i) propPut(erpdoc::linha(oDoc, i), "Quantidade", int16_t{0});
  return DocComercialFinalizar(Origem, Operacao::Alterar, oDoc, 0, utNxtDocKey, utNextError) == 0;
}

void DAL_Next::TransaccaoCancelar() {
  if (oDocPendentes) {
    // A removal that raises stops here: the list stays, with the documents not yet reached.
    for (const auto& pendente : *oDocPendentes) {
      KeyDocumNext chave{pendente->Ano(), pendente->TipoDocumento(), pendente->Serie(), pendente->NumeroDocumento()};
      NextError erro;
      // One document the ERP keeps must not stop the others from being removed.
      std::ignore = DocNextRemover(NaoAplicavel, chave, erro);
    }
  }
  oDocPendentes = nullptr;
}

}  // namespace qvd
