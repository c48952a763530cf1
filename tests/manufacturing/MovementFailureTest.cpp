#include <gtest/gtest.h>

#include "erpserver/testhooks/Faults.hpp"
#include "platform/Date.hpp"
#include "platform/Text.hpp"
#include "support/DocumentMembers.hpp"

// A refused movement: what is logged and left behind.
namespace testing_support {
namespace {

using automation::text::fit;

class MovementFailure : public MovementTest {
 protected:
  Texts sArtigos = texts({"A002", "A001"});
  Numbers dQuant = numbers({2, 3});
  Numbers dPrUni = numbers({0, 0});
};

TEST_F(MovementFailure, ARefusedConsumptionExitLogsItsHeaderLinesAndLots) {
  bal->UsaLogOstrel(true);
  erpserver::Faults::returnCode("DocumentoComercial", "Inserir", 1, 4711, "Stock insuficiente");
  auto oLotes = oneLot(1, "A002", "L-A002-1", 2);
  key.lNumDoc = 5;

  EXPECT_FALSE(bal->EP_MovSaidaDeConsumoCriar(qvd::tpDefault, tipif, sProcesso, sArtigos, dQuant, dPrUni, oLotes, key));
  EXPECT_EQ(key.lNumDoc, 0) << "the caller's key is cleared first";

  std::string text = logText();
  std::size_t stamp = text.find("\r\n") + 2;  // the line with the time of the save
  text.erase(stamp, text.find("\r\n", stamp) + 2 - stamp);
  const std::string rule(120, '-');
  EXPECT_EQ(text, rule + "\r\n" + rule +
                      "\r\n"
                      "Stock insuficiente\r\n"
                      "\r\n"
                      "No Modulo DAL_Next:      Rotina MovSaidaDeConsumoCriar         Operação " +
                      fit("Inserção", 30) +
                      "\r\n"
                      "\r\n"
                      "uArm.DocSaidaCons    = SC\r\n"
                      "uArm.Sector          = S1\r\n"
                      "uArm.SerieSaidaCons  = 1\r\n"
                      "sTerceiro            = S1\r\n"
                      "sProcesso            = PRC-9\r\n"
                      "utTipif.Moeda        = EUR\r\n"
                      "sData NOW()          = " +
                      automation::Date::now().format("dd-mm-yyyy") +
                      "\r\n"
                      "\r\n"
                      "Linha Artigo               Pr.Un        Qnt Arm\r\n"
                      "    1 A002                     4          2 A2\r\n"
                      "    2 A001                                3 A2\r\n"
                      "\r\n"
                      "Lotes\r\n"
                      "Lote            Artigo                 Qnt      Linha\r\n"
                      "L-A002-1        A002                     2          1 \r\n"
                      "\r\n");
}

}  // namespace
}  // namespace testing_support
