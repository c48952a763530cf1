#include <gtest/gtest.h>

#include "manufacturing/LotRelease.hpp"
#include "platform/HostSettings.hpp"
#include "support/DocumentMembers.hpp"

// Movements and quotes through the facade against the reference server, judged by what the
// company database holds afterwards.
namespace testing_support {
namespace {

class MovementsEndToEnd : public MovementTest {};

TEST_F(MovementsEndToEnd, ProductionEntryPricesTheCompositeAtItsElementsCost) {
  ASSERT_TRUE(dados->ExecutarSQL("", "UPDATE ARTIGOS SET ULTPMP = 10 WHERE CODIGO = 'A002'"));
  ASSERT_TRUE(dados->ExecutarSQL("", "UPDATE ARTIGOS SET ULTPMP = 20 WHERE CODIGO = 'A003'"));
  Texts sElementos = texts({"A002", "A003", "NAO-EXISTE"});
  Numbers dPercent = numbers({50, 25, 100});  // the unreadable element adds nothing
  std::string sComposto = "P001";
  double dQuantidade = 4;
  bal->UsaPrecoUnitario(true);

  ASSERT_TRUE(bal->MF_MovEntradaProducaoCriar(qvd::tpDefault, tipif, sProcesso, sComposto, dQuantidade, sElementos,
                                              dPercent, key))
      << bal->ErroDescricao();
  EXPECT_EQ(key.sTpDoc, "EP");
  EXPECT_EQ(linesOf(key), Rows{"1|P001|Mesa de pinho|10|4|0"});
  EXPECT_EQ(rows("SELECT SECTOR, TERCEIRO, PROCESSO, MOEDA FROM DOCGCCAB WHERE TPDOC = 'EP'"),
            Rows{"PROD|PROD|PRC-9|EUR"});
}

TEST_F(MovementsEndToEnd, MultiWarehouseProductionEntryPutsEachLotOnItsLineAndWarehouse) {
  Texts sArt = texts({"A001", "A002"});
  Numbers dQuant = numbers({5, 3});
  Numbers dPrUni = numbers({0, 0});
  Texts sArm = texts({"A1", "A2"});
  auto daLinha = std::make_shared<qvd::colLotes>();
  daLinha->Add("A002", 2, "L-A002-1", "FORN-77");
  daLinha->Add("A002", 1, "L-NOVO", "FORN-80");
  auto oLotes = std::make_shared<qvd::cDocLotes>();
  oLotes->SetLotesDaLinha(2, daLinha);

  ASSERT_TRUE(
      bal->EP_MovEntradaProdMultiArmCriar(qvd::tpDefault, tipif, sProcesso, sArt, dQuant, dPrUni, sArm, oLotes, key))
      << bal->ErroDescricao();
  EXPECT_EQ(rows("SELECT NUMLINHA, ARTIGO, ARMAZEM FROM DOCGCLIN ORDER BY NUMLINHA"), (Rows{"1|A001|A1", "2|A002|A2"}));
  EXPECT_EQ(rows("SELECT NUMLINHA, CODLOT, ARMAZEM, QUANT, VOSSLOTE FROM LOTEMOVS ORDER BY CODLOT"),
            (Rows{"2|L-A002-1|A2|2|FORN-77", "2|L-NOVO|A2|1|FORN-80"}));
}

TEST_F(MovementsEndToEnd, ConsumptionExitLowersLotStockAndItsReturnRaisesItAgain) {
  const std::string issued =
      "SELECT QTDSID FROM ARTLOT WHERE ARTIGO = 'A002' AND CODLOTE = 'L-A002-1' AND ARMAZEM = 'A2'";
  Texts sArtigos = texts({"A002", "A001"});
  Numbers dQuant = numbers({2.5, 1});
  Numbers dPrUni(0, {7, 7, 7, 7, 7});
  auto oLotes = oneLot(1, "A002", "L-A002-1", 2.5);

  ASSERT_TRUE(bal->EP_MovSaidaDeConsumoCriar(qvd::tpDefault, tipif, sProcesso, sArtigos, dQuant, dPrUni, oLotes, key))
      << bal->ErroDescricao();
  EXPECT_EQ(dPrUni, Numbers(0, {0, 4, 0.2})) << "the caller's prices become the articles' average costs";
  EXPECT_EQ(rows("SELECT ARTIGO, ARMAZEM FROM DOCGCLIN ORDER BY NUMLINHA"), (Rows{"A002|A2", "A001|A2"}));
  EXPECT_EQ(scalar(issued), "2.5");

  // The lot statement writes its quantity with a point whatever the host's separator, and
  // doubles the quotes in its values.
  automation::ScopedHostSettings commas({.decimalSeparator = ",", .groupSeparator = "."});
  qvd::cLote quoted;
  quoted.Artigo("P'1");
  quoted.Lote("L'7");
  quoted.Quantidade(1250.5);
  EXPECT_EQ(qvd::movement::artlotUpdate(quoted, "O'A"),
            "Update ARTLOT SET QTDSID = QTDSID - '1250.5' WHERE (ARTIGO = 'P''1') AND (CODLOTE = 'L''7') AND "
            "(ARMAZEM = 'O''A')");
  ASSERT_TRUE(bal->EP_MovDevolucaoSaidaDeConsumoCriar(qvd::tpDefault, tipif, sProcesso, sArtigos, dQuant, oLotes, key))
      << bal->ErroDescricao();
  EXPECT_EQ(key.sTpDoc, "DC");
  EXPECT_EQ(scalar(issued), "0");
}

TEST_F(MovementsEndToEnd, DeliveryNoteHoldsTheSerialNumberTextUnderItsArticle) {
  std::string sCliente = "C001";
  Texts sArt = texts({"A001", "P001", "A002"});
  Texts sSerie = texts({"", "NS 4411", ""});
  Numbers dQuant = numbers({1, 2, 3});
  bal->UsaPrecoUnitario(true);  // the prices are the articles' sale prices
  ASSERT_TRUE(bal->MF_MovGuiaRemessaCriar(qvd::tpDefault, tipif, sCliente, sProcesso, sArt, sSerie, dQuant, key))
      << bal->ErroDescricao();
  EXPECT_EQ(linesOf(key), (Rows{"1|A001|Parafuso M6|0.5|1|0", "2|P001|Mesa de pinho|199|2|0", "3||NS 4411|0|0|0",
                                "4|A002|Tinta branca|9.9|3|0"}));
  EXPECT_EQ(scalar("SELECT TERCEIRO FROM DOCGCCAB WHERE TPDOC = 'GR'"), "C001");
}

TEST_F(MovementsEndToEnd, SalesQuoteHandsBackOnlyItsNumberAndTheDiscountSwitchHoldsForOneCall) {
  std::string sTipoDoc = "ORC", sSector = "S1", sTerceiro = "C001", sArm = "A1";
  int16_t iSerie = 1;
  // From 0, as callers dimension them: element 0 is never read.
  Texts sArt(0, {"X", "A001", "", "P001"});
  Numbers dQnt(0, {9, 2, 0, 1});
  Numbers dPrc(0, {9, 0, 0, 0});
  Texts sDes(0, {"X", "", "Prazo: 30 dias", ""});
  Texts sNome(0, {"X", "", "", ""});
  Numbers dDesconto(0, {9, 10, 0, 5});
  int32_t lNumDoc = -5;
  auto inserir = [&](const std::string& sComplem) {
    return bal->EP_OrcamentoVendaInserir(qvd::NaoAplicavel, qvd::tpDefault, sTipoDoc, sSector, iSerie, sTerceiro,
                                         sProcesso, sComplem, "PED-3", "Validade 15 dias", sArm, sArt, dQnt, dPrc, sDes,
                                         sNome, dDesconto, lNumDoc);
  };

  bal->UsaDescontoLinha(true);
  ASSERT_TRUE(inserir("Proposta n.º 12")) << bal->ErroDescricao();
  EXPECT_EQ(lNumDoc, 1);
  qvd::KeyDocumNext quote{.iAno = static_cast<int16_t>(std::stoi(scalar("SELECT ANO FROM DOCGCCAB"))),
                          .sTpDoc = "ORC",
                          .iSerie = 1,
                          .lNumDoc = 1};
  EXPECT_EQ(linesOf(quote), (Rows{"1||Proposta n.º 12|0|0|0", "2|A001|Parafuso M6|0.5|2|10", "3||Prazo: 30 dias|0|0|0",
                                  "4|P001|Mesa de pinho|199|1|5"}));
  EXPECT_EQ(rows("SELECT VNUMDOC, OBSERV FROM DOCGCCAB"), Rows{"PED-3|Validade 15 dias"});

  ASSERT_TRUE(inserir("")) << bal->ErroDescricao();
  EXPECT_EQ(lNumDoc, 2);
  quote.lNumDoc = 2;
  EXPECT_EQ(linesOf(quote),
            (Rows{"1|A001|Parafuso M6|0.5|2|0", "2||Prazo: 30 dias|0|0|0", "3|P001|Mesa de pinho|199|1|0"}));

  sTerceiro = "NAO-EXISTE";
  EXPECT_FALSE(inserir(""));
  EXPECT_EQ(lNumDoc, 0);
  EXPECT_NE(bal->ErroNumero(), -1);
}

}  // namespace
}  // namespace testing_support
