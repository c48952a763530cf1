#include <string>

#include "erpserver/schema/Schema.hpp"
#include "support/ErpFixture.hpp"

namespace testing_support {
namespace {

using ErpSchema = CompanyTest;

TEST_F(ErpSchema, OpeningAgainKeepsTheDataAndTheSingleVersionRow) {
  ASSERT_TRUE(dados->ExecutarSQL("", "INSERT INTO ARMAZENS VALUES ('A9', 'Novo')"));
  auto db = erpserver::sql::Database::open((folder / "DEMO.db").string(), false);
  erpserver::ensureSchema(*db);
  erpserver::ensureSchema(*db);
  EXPECT_EQ(erpserver::schemaVersion(*db), erpserver::kSchemaVersion);
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM SYS_SCHEMA"), "1");
  EXPECT_EQ(scalar("SELECT DESCR FROM ARMAZENS WHERE CODIGO = 'A9'"), "Novo");
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM SYS_PROCEDURES"), "3");
}

TEST_F(ErpSchema, TheDatabaseRefusesDuplicateDocumentsAndOrphans) {
  const std::string header =
      "INSERT INTO DOCGCCAB (TPDOC, SERIE, ANO, NNUMDOC, DATA) VALUES ('FA', 1, 2024, 1, '2024-05-01')";
  ASSERT_TRUE(dados->ExecutarSQL("", header));
  EXPECT_FALSE(dados->ExecutarSQL("", header));
  // A series the document type does not have, a line without its header, an unknown article.
  EXPECT_FALSE(dados->ExecutarSQL(
      "", "INSERT INTO DOCGCCAB (TPDOC, SERIE, ANO, NNUMDOC, DATA) VALUES ('FA', 7, 2024, 1, '2024-05-01')"));
  EXPECT_FALSE(
      dados->ExecutarSQL("", "INSERT INTO DOCGCLIN (TPDOCUM, SERIE, ANO, NNUMDOC, NUMLINHA) VALUES ('FA', 1, 2024, 2, 1)"));
  const std::string line =
      "INSERT INTO DOCGCLIN (TPDOCUM, SERIE, ANO, NNUMDOC, NUMLINHA, ARTIGO) VALUES ('FA', 1, 2024, 1, ";
  ASSERT_TRUE(dados->ExecutarSQL("", line + "1, 'A001')"));
  EXPECT_FALSE(dados->ExecutarSQL("", line + "2, 'ZZZ')"));
  // Removing the header takes its lines along.
  ASSERT_TRUE(dados->ExecutarSQL("", "DELETE FROM DOCGCCAB WHERE TPDOC = 'FA'"));
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM DOCGCLIN"), "0");
}

}  // namespace
}  // namespace testing_support
