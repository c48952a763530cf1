#include "core/DAL_Next.hpp"
#include "facade/BAL_Next.hpp"

// Record sets from the ERP database, forwarded to the worker unchanged.
namespace qvd {

using automation::db::RecordsetRef;

bool BAL_Next::LoadDocumento(KeyDocumNext& utNxtDocKey, std::string& sQueryCab, std::string& sQueryLin,
                             RecordsetRef& rsCab, RecordsetRef& rsLin) {
  return trap("LoadDocumento", [&] {
    LimparErro();
    return oDAL->DocComercialCarregar(utNxtDocKey, sQueryCab, sQueryLin, rsCab, rsLin, utErro);
  });
}

bool BAL_Next::LoadArtigo(std::string& sQueryArt, RecordsetRef& rsArt) {
  return trap("LoadArtigo", [&] {
    LimparErro();
    return oDAL->ArtigoCarregar(sQueryArt, rsArt, utErro);
  });
}

bool BAL_Next::LoadCliente(std::string& sQueryCli, RecordsetRef& rsCli) {
  return trap("LoadCliente", [&] {
    LimparErro();
    return oDAL->ClienteCarregar(sQueryCli, rsCli, utErro);
  });
}

bool BAL_Next::VT_LerPreSelecionadas(FiltrosOrdensFabricoPreSel utTipo, RecordsetRef& rsOrdFab,
                                     const std::optional<automation::Date>& DataIn) {
  return trap("VT_LerPreSelecionadas", [&] { return oDAL->GetPreSelecionadas(utTipo, rsOrdFab, DataIn); });
}

bool BAL_Next::VT_Ordens_TrocaSequencia(int32_t lOrdem_Id_1, int32_t lOrdem_Id_2) {
  return trap("VT_Ordens_TrocaSequencia", [&] { return oDAL->Ordens_TrocaSequencia(lOrdem_Id_1, lOrdem_Id_2); });
}

}  // namespace qvd
