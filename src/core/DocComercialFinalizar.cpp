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

}  // namespace

int32_t DAL_Next::DocComercialFinalizar(NextOrigemDocumento Origem, Operacao lOperacao, ObjectRef& oDoc,
                                        int32_t lLastResult, KeyDocumNext& utNxtDocKey, NextError& utNextError) {
  // A document that refuses its origin is still processed.
  automation::ignoreError([&] { automation::propPut(oDoc, "Origem", static_cast<int32_t>(Origem)); });

  return trap("DocComercialFinalizar", [&]() -> int32_t {
    int32_t r = lLastResult;
    switch (lOperacao) {
      case Operacao::Inserir:
        // The accounting request is consumed by every insert attempt, whatever its outcome.
        r = erpresult::chamar(oDoc, "Validar");
        if (r == 0) r = erpresult::chamar(oDoc, "Inserir");
        if (r != 0) {
          opcoes.LigaContabilidade = false;
          break;
        }
        utNxtDocKey.iAno = headerField(oDoc, "Ano").toInteger();
        utNxtDocKey.iSerie = headerField(oDoc, "Serie").toInteger();
        utNxtDocKey.lNumDoc = headerField(oDoc, "NossoNoDocumento").toLong();
        utNxtDocKey.sTpDoc = headerField(oDoc, "TipoDocumento").toString();
        RegistarDocPendente(utNxtDocKey);
        if (opcoes.LigaContabilidade) {
          opcoes.LigaContabilidade = false;
          if (isTrue(propGet(oParametros, "LigacaoACtb"))) {
            // The commercial document stays inserted when its accounting document is refused.
            int32_t a = gerarDocumentoContabilistico(oDoc, utNextError);
            if (a != 0) return a;
          }
        }
        break;
      case Operacao::Alterar:
        if (r == 0) r = erpresult::chamar(oDoc, "Validar");
        if (r == 0) r = erpresult::chamar(oDoc, "Alterar");
        break;
      case Operacao::Remover:
        if (r == 0) r = erpresult::chamar(oDoc, "Remover");
        break;
      case Operacao::Validar:
        r = erpresult::chamar(oDoc, "Validar");
        break;
      case Operacao::Nada:
      default:
        break;
    }
    if (r != 0) erpresult::copiarErro(oDoc, utNextError);
    return r;
  });
}

int32_t DAL_Next::gerarDocumentoContabilistico(ObjectRef& oDoc, NextError& utNextError) {
  ObjectRef contabilistico = NxtObjectoCriar(erpclass::DocumentoContabilistico);
  automation::Variant documento[] = {automation::Variant(oDoc)};
  automation::invokeRef(contabilistico, "DocumentoComercial", documento);
  oDoc = documento[0].toObject();
  for (const char* step : {"Validar", "Inserir"}) {
    int32_t a = erpresult::chamar(contabilistico, step);
    if (a != 0) {
      erpresult::copiarErro(contabilistico, utNextError);
      return a;
    }
  }
  return 0;
}

}  // namespace qvd
