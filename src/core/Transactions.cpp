#include "core/DAL_Next.hpp"
#include "foundation/coDoclPendentes.hpp"

// The transaction is a compensation list, not a database transaction: it only remembers the
// documents inserted since it started, so that they can be removed again.
namespace qvd {

void DAL_Next::TransaccaoIniciar() { oDocPendentes = std::make_shared<coDoclPendentes>(); }

void DAL_Next::TransaccaoTerminar() { oDocPendentes = nullptr; }

void DAL_Next::RegistarDocPendente(KeyDocumNext& utNxtDocKey) {
  if (!oDocPendentes) return;
  oDocPendentes->Add(utNxtDocKey.iAno, utNxtDocKey.sTpDoc, utNxtDocKey.iSerie, utNxtDocKey.lNumDoc, "");
}

}  // namespace qvd
