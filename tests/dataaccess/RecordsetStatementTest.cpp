#include <gtest/gtest.h>

#include "support/ErpFixture.hpp"

// A record set reads one query: stacked or writing statements are refused before anything runs.
namespace testing_support {
namespace {

using automation::db::RecordsetRef;

class RecordsetStatement : public ErpTest {
 protected:
  void SetUp() override {
    ErpTest::SetUp();
    ASSERT_TRUE(dados->ExecutarSQL("", "INSERT INTO IMPRESSA (CHAVE, TPDOC, NUMVIA) VALUES (1, 'FA', 1)"));
  }
  std::string untouched() const {
    return scalar("SELECT COUNT(*) FROM IMPRESSA") + " " + scalar("SELECT NOME FROM ARTIGOS WHERE CODIGO = 'A001'");
  }
};

TEST_F(RecordsetStatement, OnlyOneReadingStatementOpensARecordSetAndNothingElseRuns) {
  const std::string before = untouched();
  RecordsetRef rs;
  std::string stacked = "SELECT * FROM ARTIGOS WHERE CODIGO='A001'; DELETE FROM IMPRESSA; UPDATE ARTIGOS SET NOME='x'";
  // Refused by the data-access object, the query is an error of the member, which says why:
  // not true with no rows.
  RaisedError e = raisedBy([&] { bal->LoadArtigo(stacked, rs); });
  EXPECT_EQ(e.numberAndSource(), std::to_string(automation::db::dberr::ProviderError) + " BAL_Next: LoadArtigo");
  EXPECT_NE(e.description.find("more than one statement"), std::string::npos) << e.description;
  EXPECT_FALSE(rs->IsOpen());
  EXPECT_EQ(bal->ErroNumero(), -1);
  EXPECT_EQ(raisedBy([&] { bal->LoadCliente(stacked, rs); }).numberAndSource(),
            std::to_string(automation::db::dberr::ProviderError) + " BAL_Next: LoadCliente");
  EXPECT_EQ(untouched(), before);

  for (const char* writing : {"DELETE FROM IMPRESSA RETURNING CHAVE", "UPDATE ARTIGOS SET NOME = 'x' RETURNING NOME"}) {
    EXPECT_FALSE(dados->AbrirRecordsetActualizavel(automation::Variant(writing), rs, 4, -1)) << writing;
    EXPECT_EQ(untouched(), before) << writing;
  }

  // A query followed only by a separator and a comment is still one statement.
  ASSERT_TRUE(dados->AbrirRecordset("", "SELECT CHAVE FROM IMPRESSA; -- the print copies", rs, -1, 0));
  EXPECT_EQ(rs->RecordCount(), 1);
}

}  // namespace
}  // namespace testing_support
