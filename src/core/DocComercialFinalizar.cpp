#include "core/DAL_Next.hpp"
#include "core/ErpValues.hpp"
#include "foundation/ErpClasses.hpp"
#include "foundation/ObjectFactory.hpp"

namespace qvd {

using automation::invoke;
using automation::ObjectRef;
using automation::propGet;

namespace {

int32_t resultOf(const ObjectRef& object, const char* method) { return invoke(object, method).toLong(); }

void copyError(const ObjectRef& object, NextError& utNextError) {
  utNextError.lUltimoErro = propGet(object, "UltimoErro").toLong();
  utNextError.sTextoErro = propGet(object, "UltimaMensagem").toString();
}

// One field of the document's header; the header is asked for on every read, as it is live.
automation::Variant headerField(const ObjectRef& oDoc, const char* field) {
  return propGet(propGet(oDoc, "Cab").toObject(), field);
}

}  // namespace

int32_t DAL_Next::DocComercialFinalizar(NextOrigemDocumento Origem, int32_t& lOperacao, ObjectRef& oDoc,
                                        int32_t lLastResult, KeyDocumNext& utNxtDocKey, NextError& utNextError) {
  // A document that refuses its origin is still processed.
  automation::ignoreError([&] { automation::propPut(oDoc, "Origem", static_cast<int32_t>(Origem)); });

  return trap("DocComercialFinalizar", [&]() -> int32_t {
    int32_t r = lLastResult;
    switch (lOperacao) {
      case 0:
        // The accounting request is consumed by every insert attempt, whatever its outcome.
        r = resultOf(oDoc, "Validar");
        if (r == 0) r = resultOf(oDoc, "Inserir");
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
      case 1:
        if (r == 0) r = resultOf(oDoc, "Validar");
        if (r == 0) r = resultOf(oDoc, "Alterar");
        break;
      case 2:
        if (r == 0) r = resultOf(oDoc, "Remover");
        break;
      case 4:
        r = resultOf(oDoc, "Validar");
        break;
      default:
        break;
    }
    if (r != 0) copyError(oDoc, utNextError);
    return r;
  });
}

int32_t DAL_Next::gerarDocumentoContabilistico(ObjectRef& oDoc, NextError& utNextError) {
  ObjectRef contabilistico = NxtObjectoCriar(erpclass::DocumentoContabilistico);
  automation::Variant documento[] = {automation::Variant(oDoc)};
  automation::invokeRef(contabilistico, "DocumentoComercial", documento);
  oDoc = documento[0].toObject();
  for (const char* step : {"Validar", "Inserir"}) {
    int32_t a = resultOf(contabilistico, step);
    if (a != 0) {
      copyError(contabilistico, utNextError);
      return a;
    }
  }
  return 0;
}

}  // namespace qvd
