#include "manufacturing/MovementTestSupport.hpp"

namespace testing_support {

qvd::TipificacaoTransf movementSetting() {
  qvd::TipificacaoTransf tipif;
  tipif.Moeda = "EUR";
  tipif.ArmAcabados.Armazem = "A1";
  tipif.ArmAcabados.Sector = "PROD";
  tipif.ArmAcabados.DocEntProd = "EP";
  tipif.ArmAcabados.DocGuiaEntFornecedor = "GEF";
  tipif.ArmAcabados.DocGuiaRemessa = "GR";
  tipif.ArmAcabados.SerieEntProd = tipif.ArmAcabados.SerieGuiaEntFornecedor = tipif.ArmAcabados.SerieGuiaRemessa = 1;
  tipif.ArmMatPrima.Armazem = "A2";
  tipif.ArmMatPrima.Sector = "S1";
  tipif.ArmMatPrima.DocSaidaCons = "SC";
  tipif.ArmMatPrima.DocDevolConsumo = "DC";
  tipif.ArmMatPrima.SerieSaidaCons = tipif.ArmMatPrima.SerieDevolConsumo = 1;
  return tipif;
}

std::vector<std::string> MovementTest::rows(const std::string& sql) {
  automation::db::RecordsetRef rs;
  std::vector<std::string> rows;
  if (!dados->AbrirRecordset("", sql, rs, -1, 0)) return rows;
  for (; !rs->Eof(); rs->MoveNext()) {
    std::string row;
    for (int32_t i = 0; i < rs->GetFields().Count(); ++i) {
      automation::Variant value = rs->GetFields().Item(automation::Variant(i)).Value();
      row += (i > 0 ? "|" : "") + (value.isNull() ? std::string() : value.toString());
    }
    rows.push_back(row);
  }
  return rows;
}

std::vector<std::string> MovementTest::linesOf(const qvd::KeyDocumNext& key) {
  return rows("SELECT NUMLINHA, ARTIGO, DESCR, PRUNIT, QUANT, TXDESC FROM DOCGCLIN WHERE TPDOCUM = '" + key.sTpDoc +
              "' AND SERIE = " + std::to_string(key.iSerie) + " AND ANO = " + std::to_string(key.iAno) +
              " AND NNUMDOC = " + std::to_string(key.lNumDoc) + " ORDER BY NUMLINHA");
}

}  // namespace testing_support
