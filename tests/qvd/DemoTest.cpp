#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "QvdProgram.hpp"
#include "support/StockInvariant.hpp"

namespace {

using qvdtest::firstValue;
using qvdtest::Outcome;

// The day of work leaves in the database exactly the documents and stock each step printed, in a
// folder named with letters outside ASCII.
TEST(QvdDemo, RunsTheDayOfWorkAndLeavesItInTheCompany) {
  testing_support::TempFolder temp;
  Outcome run = qvdtest::qvd(temp.path(), {"demo", "Grüße"});
  ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
  EXPECT_NE(run.out.find("Every step went as it should."), std::string::npos);
  EXPECT_EQ(run.out.find("did not go as it should"), std::string::npos) << run.out;
  for (const char* member : {"EP_OrcamentoVendaInserir", "CF_DocGenInserir)", "CF_DocNotaCreditoInserir",
                             "DocGenInserirMultiArm", "MF_MovEntradaProducaoCriar", "EP_MovSaidaDeConsumoCriar",
                             "EP_MovDevolucaoSaidaDeConsumoCriar", "MF_MovGuiaRemessaCriar", "TransaccaoCancelar",
                             "UsaLogOstrel"})
    EXPECT_NE(run.out.find(member), std::string::npos) << member;
  EXPECT_NE(run.out.find("  A002 lot L-A002-1 in A2: 15 -> 13 (-2)\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Refused: error 1013: Artigo 'Z404' não existe"), std::string::npos);

  auto db = temp.path() / u8"Grüße" / "DEMO.db";
  EXPECT_EQ(firstValue(db, "SELECT GROUP_CONCAT(TPDOC || SERIE || '/' || NNUMDOC, ' ') FROM "
                       "(SELECT * FROM DOCGCCAB ORDER BY TPDOC, SERIE, NNUMDOC)"),
            "DC1/1 EP1/1 FA1/1 FA2/5001 GR1/1 NC1/1 ORC1/1 SC1/1");
  EXPECT_EQ(firstValue(db, "SELECT COUNT(*) FROM LOTEMOVS"), "6");
  EXPECT_EQ(firstValue(db, "SELECT EXISTENC FROM ARTARM WHERE ARTIGO = 'A001' AND ARMAZEM = 'A1'"), "85");
  EXPECT_EQ(firstValue(db, "SELECT EXISTENC FROM ARTARM WHERE ARTIGO = 'P001' AND ARMAZEM = 'A1'"), "9");
  EXPECT_EQ(firstValue(db, "SELECT EXISTENC FROM ARTARM WHERE ARTIGO = 'A003' AND ARMAZEM = 'A1'"), "275");
  EXPECT_EQ(firstValue(db, "SELECT QTDENT - QTDSID FROM ARTLOT WHERE CODLOTE = 'L-A003-1'"), "175");
  EXPECT_EQ(firstValue(db, "SELECT PRUNIT FROM DOCGCLIN WHERE TPDOCUM = 'EP'"), "2.15");  // 4 x 50 % + 0.6 x 25 %
  EXPECT_EQ(testing_support::stockInvariantBreaches([&](const std::string& sql) { return firstValue(db, sql); }), "");
  std::string log = qvdtest::readFile(temp.path() / u8"Grüße" / "OST_LOGNXTAPI.LOG");
  EXPECT_NE(log.find("Z404"), std::string::npos);

  Outcome again = qvdtest::qvd(temp.path(), {"demo", "Grüße"});
  EXPECT_EQ(again.exitCode, 2);
  EXPECT_NE(again.err.find("the demo needs a folder without a company DEMO"), std::string::npos) << again.err;
}

}  // namespace
