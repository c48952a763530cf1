#include <optional>

#include "core/DAL_Next.hpp"
#include "facade/BAL_Next.hpp"
#include "foundation/ErpClasses.hpp"
#include "foundation/ObjectFactory.hpp"

namespace qvd {

// The stock of one warehouse comes from the database's stock row; without a warehouse, the
// article's available stock as the ERP reads it. Exactly the needed quantity is enough; when
// no quantity can be found the answer is no and `dQntExistente` keeps what the caller put in.
bool BAL_Next::HaStockDoArtigo(const std::string& sCodArt, const std::string& sArmazem, double dQntNecessaria,
                               double& dQntExistente) {
  return trap("HaStockDoArtigo", [&] {
    std::optional<double> existente;
    if (!sArmazem.empty()) {
      automation::db::RecordsetRef rs;
      oDAL->GetArtigoArmazem(sCodArt, sArmazem, rs);
      if (rs) {
        if (!rs->Eof()) existente = rs->value("EXISTENC").toDouble();
        rs->Close();
      }
    } else {
      automation::ObjectRef artigo = NxtObjectoCriar(erpclass::Artigos);
      if (oDAL->ArtigoLer(sCodArt, artigo)) existente = automation::propGet(artigo, "StDisp").toDouble();
    }
    if (!existente) return false;
    dQntExistente = *existente;
    return dQntExistente >= dQntNecessaria;
  });
}

}  // namespace qvd
