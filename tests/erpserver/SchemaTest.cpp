#include <string>

#include "erpserver/schema/Migrations.hpp"
#include "erpserver/schema/Schema.hpp"
#include "support/ErpFixture.hpp"

namespace testing_support {
namespace {

using ErpSchema = CompanyTest;

// A company as the first version left it: its tables, the version in a table of its own.
TEST_F(ErpSchema, AnOlderCompanyIsMigratedInOrderAndANewerOneRefusedUntouched) {
  if (onServer()) GTEST_SKIP() << "a company file";
  auto db = erpserver::sql::Database::open((folder / "OLD.db").string(), true);
  erpserver::migrations().front().apply(*db);
  db->exec("CREATE TABLE SYS_SCHEMA (VERSION INTEGER NOT NULL); INSERT INTO SYS_SCHEMA VALUES (1);"
           "INSERT INTO ARMAZENS (CODIGO, DESCR) VALUES ('A9', 'Novo')");
  ASSERT_EQ(erpserver::schemaVersion(*db), 1);

  erpserver::ensureSchema(*db);
  erpserver::ensureSchema(*db);
  EXPECT_EQ(erpserver::schemaVersion(*db), erpserver::kSchemaVersion);
  auto count = [&](const std::string& sql) {
    auto q = db->query(sql);
    return q->step() ? q->integer(0) : -1;
  };
  EXPECT_EQ(count("SELECT COUNT(*) FROM sqlite_master WHERE name IN ('SYS_SCHEMA', 'DOCREMOVIDOS', 'DOCGCCAB_ORIGEM')"), 2);
  EXPECT_EQ(count("SELECT COUNT(*) FROM sqlite_master WHERE name = 'SYS_SCHEMA'"), 0);
  EXPECT_EQ(count("SELECT COUNT(*) FROM ARMAZENS WHERE CODIGO = 'A9'"), 1);
  EXPECT_EQ(count("SELECT COUNT(*) FROM SYS_PROCEDURES"), 3);
  EXPECT_EQ(count("SELECT COUNT(LOTEXPIR) + COUNT(STKNEG) FROM PARAMS"), 0);

  const int newer = erpserver::kSchemaVersion + 1;
  db->exec("PRAGMA user_version = " + std::to_string(newer));
  try {
    erpserver::ensureSchema(*db);
    ADD_FAILURE() << "a newer company was opened";
  } catch (const erpserver::sql::Error& e) {
    EXPECT_NE(std::string(e.what()).find("versão " + std::to_string(newer)), std::string::npos) << e.what();
  }
  EXPECT_EQ(erpserver::schemaVersion(*db), newer);
}

// A server makes its companies whole at its version; one made by an earlier server takes the
// steps since, keeping what it holds.
TEST_F(ErpSchema, ACompanyOnAServerTakesTheStepsSinceItsVersion) {
  if (!onServer()) GTEST_SKIP() << "a company on a server";
  ASSERT_TRUE(dados->ExecutarSQL("", "ALTER TABLE PARAMS DROP COLUMN LOTEXPIR"));
  ASSERT_TRUE(dados->ExecutarSQL("", "UPDATE SYS_SCHEMA SET VERSION = 3"));
  startSession();
  EXPECT_EQ(scalar("SELECT MAX(VERSION) FROM SYS_SCHEMA"), std::to_string(erpserver::kSchemaVersion));
  EXPECT_EQ(scalar("SELECT LOTEXPIR || ' ' || NOMEEMP FROM PARAMS"), "0 Empresa de demonstração");
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
