#include "core/DAL_Next.hpp"
#include "facade/BAL_Next.hpp"

namespace qvd {

bool BAL_Next::MF_ActualizarPrcCustoMedio(NextOrigemDocumento Origem, automation::db::RecordsetRef& rsMovOrdem,
                                          automation::Currency& dPrcCstMed) {
  return trap("MF_ActualizarPrcCustoMedio", [&] {
    LimparErro();
    if (!rsMovOrdem) automation::raise(automation::errnum::ObjectNotSet);
    bool ok = false;
    if (rsMovOrdem->Eof()) return ok;
    rsMovOrdem->MoveFirst();
    ok = true;
    // The first document that fails stops the walk, with the record set on the row after it.
    while (!rsMovOrdem->Eof() && ok) {
      std::string artigo = rsMovOrdem->value("OrdemId").toString();
      if (!rsMovOrdem->value("DN_NumDoc").isNull()) {
        KeyDocumNext chave;
        chave.iAno = rsMovOrdem->value("DN_Ano").toInteger();
        chave.iSerie = rsMovOrdem->value("DN_Serie").toInteger();
        chave.lNumDoc = rsMovOrdem->value("DN_NumDoc").toLong();
        chave.sTpDoc = rsMovOrdem->value("DN_TPDoc").toString();
        ok = oDAL->DocNextAlteraPrcUnit(Origem, chave, artigo, dPrcCstMed, utErro);
      }
      rsMovOrdem->MoveNext();
    }
    return ok;
  });
}

}  // namespace qvd
