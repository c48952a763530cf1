#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "erpserver/testhooks/Journal.hpp"
#include "erpserver/Registration.hpp"
#include "platform/HostSettings.hpp"
#include "platform/MessageBox.hpp"
#include "platform/Text.hpp"
#include "support/ErpFixture.hpp"

namespace testing_support {
namespace {

using automation::Date;
using automation::db::RecordsetRef;

using StockAndQueries = ErpTest;

std::string column(const RecordsetRef& rs, const char* field) {
  std::string out;
  for (; !rs->Eof(); rs->MoveNext()) out += (out.empty() ? "" : ",") + rs->value(field).toString();
  return out;
}

// A001 holds its whole stock in A1, so the warehouse's row and the article's available stock agree.
TEST_F(StockAndQueries, StockIsEnoughAtExactlyTheNeededQuantity) {
  for (const char* armazem : {"A1", ""}) {
    SCOPED_TRACE(std::string("warehouse '") + armazem + "'");
    for (const char* quantity : {"5", "4.999"}) {
      ASSERT_TRUE(dados->ExecutarSQL("", std::string("UPDATE ARTARM SET EXISTENC = CASE ARMAZEM WHEN 'A1' THEN ") +
                                             quantity + " ELSE 0 END WHERE ARTIGO = 'A001'"));
      double existente = -1;
      EXPECT_EQ(bal->HaStockDoArtigo("A001", armazem, 5.0, existente), std::string(quantity) == "5");
      EXPECT_EQ(existente, std::stod(quantity));
    }
    double existente = -1;
    EXPECT_FALSE(bal->HaStockDoArtigo("NAO-EXISTE", armazem, 0.0, existente));
    EXPECT_EQ(existente, -1);
  }
  double existente = -1;
  EXPECT_FALSE(bal->HaStockDoArtigo("A001", "A3", 0.0, existente));
  EXPECT_EQ(existente, -1);
}

TEST_F(StockAndQueries, PreselectedOrdersForEachFilterWithAndWithoutDate) {
  struct Case {
    qvd::FiltrosOrdensFabricoPreSel filtro;
    std::optional<Date> data;
    const char* ordens;
  };
  const Case cases[] = {
      {qvd::PRESEL_ORDFAB_TODAS, std::nullopt, "1,2,3,4,5,6"},
      {qvd::PRESEL_ORDFAB_ACTIVAS, std::nullopt, "1,2,3,4"},
      {qvd::PRESEL_ORDFAB_PRONTAS, std::nullopt, "5"},
      {qvd::PRESEL_ORDFAB_CANCELADAS, std::nullopt, "6"},
      {qvd::PRESEL_ORDFAB_EMFABRICO, std::nullopt, "3,4"},
      {qvd::PRESEL_ORDFAB_NOVAS, std::nullopt, "1"},
      {qvd::PRESEL_ORDFAB_CALENDARIZADAS, std::nullopt, "2"},
      {qvd::PRESEL_ORDFAB_APAGADAS, std::nullopt, "7"},
      {qvd::PRESEL_ORDFAB_TODAS, Date::fromParts(2024, 2, 1), "1,2,3"},
      {qvd::PRESEL_ORDFAB_EMFABRICO, Date::fromParts(2024, 2, 9), "3"},
      {qvd::PRESEL_ORDFAB_APAGADAS, Date::fromParts(2024, 2, 29), ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "filter " << c.filtro << (c.data ? " with date" : ""));
    RecordsetRef rs;
    EXPECT_TRUE(bal->VT_LerPreSelecionadas(c.filtro, rs, c.data));
    ASSERT_NE(rs, nullptr);
    EXPECT_EQ(column(rs, "ORDEMID"), c.ordens);
  }

  EXPECT_TRUE(bal->VT_Ordens_TrocaSequencia(2, 5));
  EXPECT_EQ(rows("SELECT ORDEMID, SEQUENCIA FROM ORDENSFABRICO WHERE ORDEMID IN (2, 5) ORDER BY ORDEMID"),
            (Rows{"2|5", "5|2"}));

  qvd::BAL_Next semDados;
  auto e = raisedBy([&] { semDados.VT_Ordens_TrocaSequencia(2, 5); });
  EXPECT_EQ(e.numberAndSource(), "91 BAL_Next: VT_Ordens_TrocaSequencia");
}

TEST_F(StockAndQueries, CallerQueriesReturnTheirRowsHeaderFirst) {
  RecordsetRef rsArt, rsCli, rsCab, rsLin;
  std::string sqlArt = "SELECT CODIGO FROM ARTIGOS WHERE GRUPO = 'MP' ORDER BY CODIGO";
  std::string sqlCli = "SELECT NOME FROM CLIENTES WHERE NOME LIKE '%''%' OR CODIGO = 'C002'";
  EXPECT_TRUE(bal->LoadArtigo(sqlArt, rsArt));
  EXPECT_EQ(column(rsArt, "CODIGO"), "A002,A003");
  EXPECT_TRUE(bal->LoadCliente(sqlCli, rsCli));
  EXPECT_EQ(column(rsCli, "NOME"), "Revenda Ibérica, S.L.");
  EXPECT_EQ(bal->ErroNumero(), -1);

  // A lines query the data-access object refuses is raised, with the header already opened and
  // the lines closed.
  qvd::KeyDocumNext chave;
  std::string sqlCab = "SELECT CODIGO FROM ARMAZENS ORDER BY CODIGO";
  std::string sqlLin = "SELECT ARTIGO FROM NOWHERE";
  auto e = raisedBy([&] { bal->LoadDocumento(chave, sqlCab, sqlLin, rsCab, rsLin); });
  EXPECT_EQ(e.source, "BAL_Next: LoadDocumento");
  EXPECT_NE(automation::text::foldCase(e.description).find("nowhere"), std::string::npos) << e.description;
  EXPECT_EQ(column(rsCab, "CODIGO"), "A1,A2,A3");
  ASSERT_NE(rsLin, nullptr);
  EXPECT_FALSE(rsLin->IsOpen());

  sqlLin = "SELECT ARTIGO, EXISTENC FROM ARTARM WHERE ARMAZEM = 'A2' AND EXISTENC > 0 ORDER BY ARTIGO";
  EXPECT_TRUE(bal->LoadDocumento(chave, sqlCab, sqlLin, rsCab, rsLin));
  EXPECT_EQ(column(rsLin, "ARTIGO"), "A001,A002,P001");

}

// The line's context goes to the ERP as text in the host's formats; element 8 is the line value.
TEST_F(StockAndQueries, DiscountRuleFoundThroughTheErp) {
  automation::ScopedHostSettings virgula({",", ".", "dd/mm/yyyy"});
  std::string composto = "antes";
  startJournal();
  automation::Currency desconto = bal->DocGenCalculaDesconto("MP", "F02", "", "A003", "G1", "C001",
                                                             Date::fromParts(2024, 3, 15), 2.5, 4.0, 1.5, composto);
  EXPECT_EQ(composto, "10+5");
  EXPECT_EQ(desconto.scaled, 14500);  // 10 less 10 % then 5 %: 14,5 % of 10
  std::vector<erpserver::JournalEntry> entries = erpserver::Journal::entries();
  ASSERT_FALSE(entries.empty());
  const erpserver::JournalEntry& calculo = entries.front();
  EXPECT_EQ(calculo.member, "CalcularDescontoComissao");
  ASSERT_EQ(calculo.args.size(), 2u);
  EXPECT_EQ(calculo.args[1], automation::Variant(int16_t{-1}));
  automation::VariantArrayRef dados = calculo.args[0].toArray();
  std::vector<std::string> textos;
  for (int32_t i = dados->lbound(); i <= dados->ubound(); ++i) textos.push_back((*dados)(i).toString());
  EXPECT_EQ(textos, (std::vector<std::string>{"", "MP", "F02", "", "A003", "G1", "C001", "15/03/2024", "10", "4",
                                              "1,5", "1", ""}));

  EXPECT_EQ(bal->DocGenCalculaDesconto("", "F02", "", "", "", "", Date::fromParts(2024, 3, 15), 2.5, 4, 0, composto)
                .scaled,
            0);
  EXPECT_EQ(composto, "");

  erpserver::unregisterServer();
  int shown = 0;
  auto previous = automation::setMessageBoxHook([&](const std::string&) { ++shown; });
  auto e = raisedBy([&] { bal->DocGenCalculaDesconto("", "", "", "", "", "", Date{}, 1, 1, 0, composto); });
  automation::setMessageBoxHook(previous);
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(e.numberAndSource(), "91 BAL_Next: DocGenCalculaDesconto");
}

}  // namespace
}  // namespace testing_support
