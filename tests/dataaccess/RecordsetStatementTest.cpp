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
  // The library hands back what the data-access object opened without judging it: no rows.
  bal->LoadArtigo(stacked, rs);
  EXPECT_FALSE(rs->IsOpen());
  EXPECT_NE(dados->UltimoErroBD().find("more than one statement"), std::string::npos) << dados->UltimoErroBD();
  EXPECT_EQ(untouched(), before);

  for (const char* writing : {"DELETE FROM IMPRESSA RETURNING CHAVE", "UPDATE ARTIGOS SET NOME = 'x' RETURNING NOME"}) {
    EXPECT_FALSE(dados->AbrirRecordset("", writing, rs, -1, 0)) << writing;
    EXPECT_NE(dados->UltimoErroBD().find("nothing was run"), std::string::npos) << dados->UltimoErroBD();
    EXPECT_FALSE(dados->AbrirRecordsetActualizavel(automation::Variant(writing), rs, 4, -1)) << writing;
    EXPECT_EQ(untouched(), before) << writing;
  }

  // A query followed only by a separator and a comment is still one statement.
  ASSERT_TRUE(dados->AbrirRecordset("", "SELECT CHAVE FROM IMPRESSA; -- the print copies", rs, -1, 0));
  EXPECT_EQ(rs->RecordCount(), 1);
}

}  // namespace
}  // namespace testing_support
