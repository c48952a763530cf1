#include <string>

#include "erpserver/schema/Migrations.hpp"
#include "erpserver/schema/Schema.hpp"
#include "platform/db/ServerAddress.hpp"
#include "support/ErpFixture.hpp"

namespace testing_support {
namespace {

using ErpSchema = CompanyTest;

// A company as the first version left it: its tables, the version in a table of its own.
TEST_F(ErpSchema, AnOlderCompanyIsMigratedInOrderAndANewerOneRefusedUntouched) {
  if (onServer()) GTEST_SKIP() << "a company file";
  auto db = erpserver::sql::Database::open((folder / "OLD.db").string(), true);
  erpserver::migrations().front().onFile(*db);
  db->exec("CREATE TABLE SYS_SCHEMA (VERSION INTEGER NOT NULL); INSERT INTO SYS_SCHEMA VALUES (1)");
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
  EXPECT_EQ(count("SELECT COUNT(*) FROM SYS_PROCEDURES"), 3);
  EXPECT_EQ(count("SELECT COUNT(LOTEXPIR) + COUNT(STKNEG) FROM PARAMS"), 0);

  const int newer = erpserver::kSchemaVersion + 1;
  db->exec("PRAGMA user_version = " + std::to_string(newer));
  RaisedError refused = raisedBy([&] { erpserver::ensureSchema(*db); });
  EXPECT_NE(refused.description.find("versão " + std::to_string(newer)), std::string::npos) << refused.text();
  EXPECT_EQ(erpserver::schemaVersion(*db), newer);
}

// A company left by either of the two previous versions of the schema, on the engine of this run,
// is brought to the current one by the steps that make a new company: its data stays, and its
// tables end with the columns of a new company's.
TEST_F(ErpSchema, ACompanyOfAnEarlierVersionIsUpgradedByTheStepsThatMakeANewOne) {
  auto made = erpserver::sql::Database::open(onServer() ? automation::db::address::withDatabase(location, company)
                                                        : (folder / "DEMO.db").string(),
                                             false);
  auto columns = [](erpserver::sql::Database& on, const char* table) {
    std::string list;
    auto q = on.query(on.dialect().sql.tableColumns);
    q->bind(1, table);
    while (q->step()) list += q->text(0) + " ";
    return list;
  };
  for (int previous : {erpserver::kSchemaVersion - 2, erpserver::kSchemaVersion - 1}) {
    SCOPED_TRACE("from version " + std::to_string(previous));
    ScratchDatabase scratch(companyEngine());
    auto db = erpserver::sql::Database::open(scratch.target(), true);
    {
      erpserver::sql::Transaction tx(*db);
      for (const erpserver::Migration& step : erpserver::migrations())
        if (step.version <= previous) (step.*db->dialect().migrationStep)(*db);
      db->exec(db->dialect().writeSchemaVersion + std::to_string(previous));
      db->exec("INSERT INTO ARMAZENS (CODIGO, DESCR) VALUES ('A9', 'Novo'); "
               "INSERT INTO ARMAZENS (CODIGO, DESCR) VALUES ('A8', 'Outro'); "
               "INSERT INTO UNIDADES VALUES ('UN', 'Unidade'); INSERT INTO IVAS VALUES (1, 'Normal', 23); "
               "INSERT INTO ARTIGOS (CODIGO, NOME, UNBASE, IVA) VALUES ('L1', 'Com lotes', 'UN', 1); "
               "INSERT INTO ARTLOT (ARTIGO, CODLOTE, ARMAZEM, QTDENT, QTDSID) VALUES ('L1', 'X', 'A9', 10, 2.5); "
               "INSERT INTO ARTLOT (ARTIGO, CODLOTE, ARMAZEM, QTDENT, QTDSID) VALUES ('L1', 'Y', 'A9', 4, 0); "
               "INSERT INTO ARTLOT (ARTIGO, CODLOTE, ARMAZEM, QTDENT, QTDSID) VALUES ('L1', 'X', 'A8', 3, 1)");
      db->exec("INSERT INTO MOEDAS VALUES ('EUR', 'Euro', 2); INSERT INTO REGIVA VALUES ('NAC', 'Nacional', 0);"
               "INSERT INTO PARAMS (ID, NOMEEMP, REGIVANAC, MOEDANAC) VALUES (1, 'Antiga', 'NAC', 'EUR')");
      tx.commit();
    }
    ASSERT_EQ(erpserver::schemaVersion(*db), previous);

    erpserver::ensureSchema(*db);
    EXPECT_EQ(erpserver::schemaVersion(*db), erpserver::kSchemaVersion);
    for (const char* table : {"PARAMS", "DOCGCCAB", "LOTEMOVS", "ARTLOTLIB", "DOCREMLOT", "ARTARMLOT"})
      EXPECT_EQ(columns(*db, table), columns(*made, table)) << table;
    auto kept = db->query("SELECT NOMEEMP, LOTEXPIR, STKNEG, (SELECT COUNT(*) FROM ARMAZENS WHERE CODIGO = 'A9') "
                          "FROM PARAMS");
    ASSERT_TRUE(kept->step());
    EXPECT_EQ(kept->text(0) + " " + kept->text(1) + " " + kept->text(2) + " " + kept->text(3), "Antiga 0 0 1");

    // Each warehouse's lots total starts from the lots already there and follows every later
    // write of a lot: a change, a new lot, a lot moved to another place, a lot removed.
    auto totals = [&] {
      std::string list;
      auto t = db->query("SELECT ARTIGO, ARMAZEM, QUANT FROM ARTARMLOT ORDER BY ARMAZEM");
      while (t->step()) list += t->text(0) + "/" + t->text(1) + "=" + std::to_string(t->real(2)) + " ";
      return list;
    };
    EXPECT_EQ(totals(), "L1/A8=2.000000 L1/A9=11.500000 ");
    db->exec("UPDATE ARTLOT SET QTDSID = QTDSID + 1.5 WHERE CODLOTE = 'X' AND ARMAZEM = 'A9'; "
             "INSERT INTO ARTLOT (ARTIGO, CODLOTE, ARMAZEM, QTDENT, QTDSID) VALUES ('L1', 'Z', 'A8', 7, 0)");
    EXPECT_EQ(totals(), "L1/A8=9.000000 L1/A9=10.000000 ");
    db->exec("UPDATE ARTLOT SET ARMAZEM = 'A8' WHERE CODLOTE = 'Y'; "
             "DELETE FROM ARTLOT WHERE CODLOTE = 'X' AND ARMAZEM = 'A8'");
    EXPECT_EQ(totals(), "L1/A8=11.000000 L1/A9=6.000000 ");
  }
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
