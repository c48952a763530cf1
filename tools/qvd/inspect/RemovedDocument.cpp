#include "inspect/RemovedDocument.hpp"

namespace qvdtool {

std::optional<Removal> latestRemoval(CompanySession& session, const qvd::KeyDocumNext& key) {
  automation::db::RecordsetRef rs = session.query(
      "SELECT ID, REMOVIDO, UTILIZADOR FROM DOCREMOVIDOS WHERE TPDOC = @tipo AND SERIE = @serie AND ANO = @ano AND "
      "NNUMDOC = @numero ORDER BY ID DESC LIMIT 1",
      {{"tipo", automation::Variant(key.sTpDoc)}, {"serie", automation::Variant(key.iSerie)},
       {"ano", automation::Variant(key.iAno)}, {"numero", automation::Variant(key.lNumDoc)}});
  if (rs->Eof()) return std::nullopt;
  return Removal{rs->value("ID").toLong(), rs->value("REMOVIDO").toString(), rs->value("UTILIZADOR").toString()};
}

}  // namespace qvdtool
