#include <string>
#include <tuple>

#include "core/DAL_Next.hpp"
#include "documents/SqlText.hpp"

// The print-copies register: one IMPRESSA row per printed copy of a document and user.
namespace qvd {

namespace {

// Each copy's row key: a fixed base plus its copy number, whatever the document.
constexpr int32_t kChaveBase = 987654;

}  // namespace

bool DAL_Next::SetNumVias(bool bCriar, int32_t /*lKey*/, const std::string& sUt, const std::string& sTpDoc,
                          int16_t iAno, int16_t iSerie, int32_t lNumDoc, int16_t iNumVia) {
  // Every run-time error is reported as false, and only so; rows already saved stay.
  try {
    if (!bCriar) {
      // The register only records printing: a row left behind is no failure of the caller's.
      std::ignore = dataAccess().ExecutarSQL(
          "", "DELETE FROM IMPRESSA WHERE (UTILIZ = " + sqlText(sUt) + ") AND (TPDOC = " + sqlText(sTpDoc) +
                  ") AND (ANO =" + std::to_string(iAno) + ") AND (SERIE =" + std::to_string(iSerie) +
                  ") AND (NUMDOC =" + std::to_string(lNumDoc) + ")");
      return true;
    }
    automation::db::RecordsetRef rs;
    if (!dataAccess().AbrirRecordsetActualizavel(
            automation::Variant("SELECT CHAVE, UTILIZ, TPDOC, ANO, SERIE, NUMDOC, NUMVIA FROM IMPRESSA"), rs, 4, -1))
      return true;
    if (!rs) automation::raise(automation::errnum::ObjectNotSet);
    for (int32_t via = 1; via <= iNumVia; ++via) {
      auto i = static_cast<int16_t>(via);
      rs->AddNew();
      rs->setValue("CHAVE", int32_t{kChaveBase + i});
      rs->setValue("UTILIZ", sUt);
      rs->setValue("TPDOC", sTpDoc);
      rs->setValue("ANO", iAno);
      rs->setValue("SERIE", iSerie);
      rs->setValue("NUMDOC", lNumDoc);
      rs->setValue("NUMVIA", i);
      rs->Update();
    }
    // As with the deletion, copies that could not be saved do not make the call fail.
    std::ignore = dataAccess().GravarRecordset("", rs);
    return true;
  } catch (...) {
    return false;
  }
}

}  // namespace qvd
