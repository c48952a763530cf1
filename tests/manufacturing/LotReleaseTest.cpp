#include <gtest/gtest.h>

#include "manufacturing/LotRelease.hpp"
#include "manufacturing/cLote.hpp"
#include "platform/HostSettings.hpp"

namespace {

qvd::cLote lot(const std::string& artigo, const std::string& lote, double quantidade) {
  qvd::cLote l;
  l.Artigo(artigo);
  l.Lote(lote);
  l.Quantidade(quantidade);
  return l;
}

TEST(LotRelease, TheStatementWritesADecimalPointUnderAnyHostAndDoublesQuotes) {
  automation::ScopedHostSettings commas({.decimalSeparator = ",", .groupSeparator = "."});
  EXPECT_EQ(
      qvd::movement::artlotUpdate(lot("P1", "L7", 2.5), "01"),
      "Update ARTLOT SET QTDSID = QTDSID - '2.5' WHERE (ARTIGO = 'P1') AND (CODLOTE = 'L7') AND (ARMAZEM = '01')");
  EXPECT_EQ(qvd::movement::artlotUpdate(lot("P'1", "L'7", 1250), "O'A"),
            "Update ARTLOT SET QTDSID = QTDSID - '1250' WHERE (ARTIGO = 'P''1') AND (CODLOTE = 'L''7') AND "
            "(ARMAZEM = 'O''A')");
}

}  // namespace
