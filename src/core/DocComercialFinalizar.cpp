// The one finalization of a filled ERP document: its origin, validate-then-act by operation code,
// the key read back, the pending list, the accounting document and the error record.
#include <cassert>

#include "core/DAL_Next.hpp"
#include "core/ErpResult.hpp"
#include "core/ErpValues.hpp"
#include "foundation/ErpClasses.hpp"
#include "foundation/ObjectFactory.hpp"

namespace qvd {

using automation::ObjectRef;
using automation::propGet;

namespace {

// One field of the document's header; the header is asked for on every read, as it is live.
automation::Variant headerField(const ObjectRef& oDoc, const char* field) {
  return propGet(propGet(oDoc, "Cab").toObject(), field);
}

// Alteration and removal act only on a document whose previous step succeeded.
int32_t alterar(ObjectRef& oDoc, int32_t r) {
  if (r == 0) r = erpresult::chamar(oDoc, "Validar");
  if (r == 0) r = erpresult::chamar(oDoc, "Alterar");
  return r;
}

int32_t remover(ObjectRef& oDoc, int32_t r) { return r == 0 ? erpresult::chamar(oDoc, "Remover") : r; }

void lerChave(const ObjectRef& oDoc, KeyDocumNext& utNxtDocKey) {
  utNxtDocKey.iAno = headerField(oDoc, "Ano").toInteger();
  utNxtDocKey.iSerie = headerField(oDoc, "Serie").toInteger();
  utNxtDocKey.lNumDoc = headerField(oDoc, "NossoNoDocumento").toLong();
  utNxtDocKey.sTpDoc = headerField(oDoc, "TipoDocumento").toString();
}

}  // namespace

int32_t DAL_Next::DocComercialFinalizar(NextOrigemDocumento Origem, Operacao lOperacao, ObjectRef& oDoc,
                                        int32_t lLastResult, KeyDocumNext& utNxtDocKey, NextError& utNextError) {
  escreverOrigem(Origem, oDoc);
  return trap("DocComercialFinalizar", [&]() -> int32_t {
    switch (lOperacao) {
      case Operacao::Inserir:
        return finalizarInsercao(oDoc, utNxtDocKey, utNextError);
      case Operacao::Alterar:
        return erroDoDocumento(oDoc, alterar(oDoc, lLastResult), utNextError);
      case Operacao::Remover:
        return erroDoDocumento(oDoc, remover(oDoc, lLastResult), utNextError);
      case Operacao::Validar:
        return erroDoDocumento(oDoc, erpresult::chamar(oDoc, "Validar"), utNextError);
      case Operacao::Nada:
        break;
    }
    return erroDoDocumento(oDoc, lLastResult, utNextError);
  });
}

int32_t DAL_Next::DocComercialErroCopiar(NextOrigemDocumento Origem, ObjectRef& oDoc, int32_t lLastResult,
                                         NextError& utNextError) {
  escreverOrigem(Origem, oDoc);
  return trap("DocComercialFinalizar", [&] { return erroDoDocumento(oDoc, lLastResult, utNextError); });
}

void DAL_Next::escreverOrigem(NextOrigemDocumento Origem, ObjectRef& oDoc) {
  // A document that refuses its origin is still processed.
  automation::ignoreError([&] { automation::propPut(oDoc, "Origem", static_cast<int32_t>(Origem)); });
}

int32_t DAL_Next::erroDoDocumento(const ObjectRef& oDoc, int32_t r, NextError& utNextError) {
  if (r != 0) erpresult::copiarErro(oDoc, utNextError);
  return r;
}

int32_t DAL_Next::finalizarInsercao(ObjectRef& oDoc, KeyDocumNext& utNxtDocKey, NextError& utNextError) {
  // Insertion always validates afresh; the accounting request is consumed by every attempt.
  int32_t r = erpresult::chamar(oDoc, "Validar");
  if (r == 0) r = erpresult::chamar(oDoc, "Inserir");
  if (r != 0) {
    opcoes.LigaContabilidade = false;
    return erroDoDocumento(oDoc, r, utNextError);
  }
  lerChave(oDoc, utNxtDocKey);
  RegistarDocPendente(utNxtDocKey);
  if (!opcoes.LigaContabilidade) return 0;
  opcoes.LigaContabilidade = false;
  if (!isTrue(propGet(oParametros, "LigacaoACtb"))) return 0;
  // The commercial document stays inserted when its accounting document is refused.
  return gerarDocumentoContabilistico(oDoc, utNextError);
}

int32_t DAL_Next::gerarDocumentoContabilistico(ObjectRef& oDoc, NextError& utNextError) {
  ObjectRef contabilistico = NxtObjectoCriar(erpclass::DocumentoContabilistico);
  assert(contabilistico && "the object factory raises rather than hand back nothing");
  automation::Variant documento[] = {automation::Variant(oDoc)};
  automation::invokeRef(contabilistico, "DocumentoComercial", documento);
  oDoc = documento[0].toObject();
  int32_t a = erpresult::chamar(contabilistico, "Validar");
  if (a == 0) a = erpresult::chamar(contabilistico, "Inserir");
  return erroDoDocumento(contabilistico, a, utNextError);
}

}  // namespace qvd
