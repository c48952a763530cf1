#include "core/DAL_Next.hpp"
#include "masterdata/StoredProcedure.hpp"
#include "platform/Text.hpp"

// Record sets straight from the ERP database, without the ERP server: three stored procedures
// and three queries written by the caller. The rows are the caller's business; none of these
// operations returns false: what fails is raised.
namespace qvd {

using automation::Variant;
using automation::db::DataType;
using automation::db::RecordsetRef;

namespace {

int32_t tamanhoDe(const std::string& s) { return static_cast<int32_t>(automation::text::length(s)); }

// Opens a caller's query. A query the data-access object refuses (a syntax error, stacked
// statements, a statement that writes) is raised: an empty record set and true would read as
// "no rows" when nothing ran.
void abrirConsulta(IDataAccess& oDataAccess, const std::string& sSql, RecordsetRef& rs) {
  if (oDataAccess.AbrirRecordset("", sSql, rs, -1, 0)) return;
  std::string motivo = oDataAccess.UltimoErroBD();
  automation::raise(automation::db::dberr::ProviderError,
                    "The data-access object did not open the query, and nothing of it ran: " +
                        (motivo.empty() ? std::string("check that its text is one statement that reads rows (SELECT)")
                                        : motivo));
}

}  // namespace

bool DAL_Next::GetArtigoArmazem(const std::string& sArtigo, const std::string& sArmazem, RecordsetRef& rsArtArm) {
  return trap("GetArtigoArmazem", [&] {
    executarProcedimento(dataAccess(), "sp_ost_Get_ARTIGOARMAZEM",
                         {{"Artigo", DataType::VarChar, tamanhoDe(sArtigo), Variant(sArtigo)},
                          {"Armazem", DataType::VarChar, tamanhoDe(sArmazem), Variant(sArmazem)}},
                         rsArtArm);
    return true;
  });
}

bool DAL_Next::GetPreSelecionadas(FiltrosOrdensFabricoPreSel utTipo, RecordsetRef& rsOrdFab,
                                  const std::optional<automation::Date>& DataIn) {
  return trap("GetPreSelecionadas", [&] {
    Variant data = DataIn ? Variant(*DataIn) : Variant::null();
    executarProcedimento(dataAccess(), "sp_ost_Get_ORDENSFABRICO",
                         {{"Tipo", DataType::Integer, 0, Variant(static_cast<int32_t>(utTipo))},
                          {"Data", DataType::Date, 0, data}},
                         rsOrdFab);
    return true;
  });
}

bool DAL_Next::Ordens_TrocaSequencia(int32_t lOrdem1, int32_t lOrdem2) {
  return trap("Ordens_TrocaSequencia", [&] {
    RecordsetRef rsIgnorado;
    executarProcedimento(dataAccess(), "SP_OST_ORDEMFABRICO_TROCASEQ",
                         {{"Ordem1", DataType::Integer, 0, Variant(lOrdem1)},
                          {"Ordem2", DataType::Integer, 0, Variant(lOrdem2)}},
                         rsIgnorado);
    return true;
  });
}

// The key and the error record are part of the interface but not used.
bool DAL_Next::DocComercialCarregar(KeyDocumNext&, const std::string& sQueryCab, const std::string& sQueryLin,
                                    RecordsetRef& rsCab, RecordsetRef& rsLin, NextError&) {
  return trap("DocComercialCarregar", [&] {
    abrirConsulta(dataAccess(), sQueryCab, rsCab);
    abrirConsulta(dataAccess(), sQueryLin, rsLin);
    return true;
  });
}

bool DAL_Next::ArtigoCarregar(const std::string& sQueryArt, RecordsetRef& rsArt, NextError&) {
  return trap("ArtigoCarregar", [&] {
    abrirConsulta(dataAccess(), sQueryArt, rsArt);
    return true;
  });
}

bool DAL_Next::ClienteCarregar(const std::string& sQueryCli, RecordsetRef& rsCli, NextError&) {
  return trap("ClienteCarregar", [&] {
    abrirConsulta(dataAccess(), sQueryCli, rsCli);
    return true;
  });
}

}  // namespace qvd
