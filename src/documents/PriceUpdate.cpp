#include "core/DAL_Next.hpp"
#include "core/ErpResult.hpp"
#include "documents/ErpDocument.hpp"
#include "foundation/ErpClasses.hpp"
#include "foundation/ObjectFactory.hpp"

namespace qvd {

using automation::ObjectRef;
using automation::propGet;
using automation::propPut;

bool DAL_Next::DocNextAlteraPrcUnit(NextOrigemDocumento Origem, KeyDocumNext& utNxtDocKey, const std::string& sArtigo,
                                    automation::Currency dPrcCstMed, NextError& utNextError) {
  return trap("DocNextAltPCMArtigo", [&] {
    ObjectRef oDoc = NxtObjectoCriar(erpclass::DocumentoComercial);
    int32_t r = erpdoc::ler(oDoc, utNxtDocKey);
    if (r == 0) {
      int32_t n = erpdoc::numeroDeLinhas(oDoc);
      for (int32_t i = 1; i <= n; ++i) {
        // An exact comparison: an article that differs only in letter case is another article.
        automation::Variant artigo = propGet(erpdoc::linha(oDoc, i), "Artigo");
        if (!artigo.isNull() && artigo.toString() == sArtigo)
          propPut(erpdoc::linha(oDoc, i), "PrecoUnitario", dPrcCstMed);
      }
      // Saved without the worker's finalization: no VAT regime fix, no pending list.
      propPut(oDoc, "Origem", static_cast<int32_t>(Origem));
      r = erpresult::chamar(oDoc, "Validar");
      if (r == 0) r = erpresult::chamar(oDoc, "Alterar");
    }
    if (r != 0) erpresult::copiarErro(oDoc, utNextError);
    return r == 0;
  });
}

}  // namespace qvd
