#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>
#include <vector>

#include "TempFolder.hpp"
#include "erpserver/DemoCompany.hpp"
#include "erpserver/Schema.hpp"

namespace {

// A plain connection to a company file, as a test sees the database.
class Connection {
 public:
  explicit Connection(const std::string& path) {
    EXPECT_EQ(sqlite3_open(path.c_str(), &db_), SQLITE_OK);
    exec("PRAGMA foreign_keys=ON");
  }
  ~Connection() { sqlite3_close(db_); }
  sqlite3* handle() const { return db_; }

  int exec(const std::string& sql) { return sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr); }

  std::string scalar(const std::string& sql) {
    sqlite3_stmt* st = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(db_, sql.c_str(), -1, &st, nullptr), SQLITE_OK) << sqlite3_errmsg(db_);
    std::string out;
    if (sqlite3_step(st) == SQLITE_ROW && sqlite3_column_text(st, 0))
      out = reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
    sqlite3_finalize(st);
    return out;
  }

 private:
  sqlite3* db_ = nullptr;
};

}  // namespace

TEST(ErpSchema, ReopeningKeepsTheDataAndTheSingleVersionRow) {
  TempFolder folder;
  erpserver::createDemoCompany(folder.path(), "EMP1");
  Connection db(folder.file("EMP1.db"));
  ASSERT_EQ(db.exec("INSERT INTO ARMAZENS VALUES ('A9', 'Novo')"), SQLITE_OK);

  erpserver::ensureSchema(db.handle());
  erpserver::ensureSchema(db.handle());

  EXPECT_EQ(erpserver::schemaVersion(db.handle()), erpserver::kSchemaVersion);
  EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM SYS_SCHEMA"), "1");
  EXPECT_EQ(db.scalar("SELECT DESCR FROM ARMAZENS WHERE CODIGO = 'A9'"), "Novo");
  EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM SYS_PROCEDURES"), "3");
}

TEST(ErpSchema, AnEmptyDatabaseGetsTheSchemaAndANewerOneIsRefused) {
  TempFolder folder;
  Connection db(folder.file("NEW.db"));
  EXPECT_EQ(erpserver::schemaVersion(db.handle()), 0);
  erpserver::ensureSchema(db.handle());
  EXPECT_EQ(erpserver::schemaVersion(db.handle()), erpserver::kSchemaVersion);
  EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM ARTIGOS"), "0");

  ASSERT_EQ(db.exec("UPDATE SYS_SCHEMA SET VERSION = 99"), SQLITE_OK);
  EXPECT_ANY_THROW(erpserver::ensureSchema(db.handle()));
}

TEST(ErpSchema, TheDatabaseRefusesDuplicateDocumentsAndOrphans) {
  TempFolder folder;
  erpserver::createDemoCompany(folder.path());
  Connection db(folder.file("DEMO.db"));
  const std::string header = "INSERT INTO DOCGCCAB (TPDOC, SERIE, ANO, NNUMDOC, DATA) VALUES ('FA', 1, 2024, 1, '2024-05-01')";
  ASSERT_EQ(db.exec(header), SQLITE_OK);
  EXPECT_EQ(db.exec(header), SQLITE_CONSTRAINT);
  // A series the document type does not have, and a line without its header.
  EXPECT_EQ(db.exec("INSERT INTO DOCGCCAB (TPDOC, SERIE, ANO, NNUMDOC, DATA) VALUES ('FA', 7, 2024, 1, '2024-05-01')"),
            SQLITE_CONSTRAINT);
  EXPECT_EQ(db.exec("INSERT INTO DOCGCLIN (TPDOCUM, SERIE, ANO, NNUMDOC, NUMLINHA) VALUES ('FA', 1, 2024, 2, 1)"),
            SQLITE_CONSTRAINT);
  ASSERT_EQ(db.exec("INSERT INTO DOCGCLIN (TPDOCUM, SERIE, ANO, NNUMDOC, NUMLINHA, ARTIGO) VALUES ('FA', 1, 2024, 1, 1, 'A001')"),
            SQLITE_OK);
  EXPECT_EQ(db.exec("INSERT INTO DOCGCLIN (TPDOCUM, SERIE, ANO, NNUMDOC, NUMLINHA, ARTIGO) VALUES ('FA', 1, 2024, 1, 2, 'ZZZ')"),
            SQLITE_CONSTRAINT);
  // Removing the header takes its lines along.
  ASSERT_EQ(db.exec("DELETE FROM DOCGCCAB WHERE TPDOC = 'FA'"), SQLITE_OK);
  EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM DOCGCLIN"), "0");
}

TEST(ErpSchema, TemplateQueriesOfTheLibraryRunUnchanged) {
  TempFolder folder;
  erpserver::createDemoCompany(folder.path());
  Connection db(folder.file("DEMO.db"));
  const std::vector<std::string> queries = {
      "SELECT * FROM DOCGCLIN WHERE ANO=-1 AND TPDOCUM='' AND SERIE=-1 AND NNUMDOC=-1 AND NUMLINHA = -1 ",
      "SELECT LOTEMOVS.*, ARTLOT.DTAENTRA  FROM LOTEMOVS LEFT OUTER JOIN ARTLOT ON ARTLOT.ARTIGO=LOTEMOVS.ARTIGO "
      "WHERE ANO=-1 AND TPDOCUM='' AND SERIE=-1 AND NNUMDOC=-1 AND NUMLINHA = -1 AND LOTEMOVS.CODLOT='' AND "
      "LOTEMOVS.VOSSLOTE='' ",
      "SELECT  ANO, DOC, SERIE, NUM From NUMDOC WHERE (DOC = 'FA') AND (SERIE =1) AND (ANO =2024 )",
      "SELECT CHAVE, UTILIZ, TPDOC, ANO, SERIE, NUMDOC, NUMVIA FROM IMPRESSA",
  };
  for (const auto& q : queries) EXPECT_EQ(db.exec(q), SQLITE_OK) << q << ": " << sqlite3_errmsg(db.handle());
  ASSERT_EQ(db.exec("Update ARTLOT SET QTDSID = QTDSID - '2.5' WHERE (ARTIGO = 'A003') AND (CODLOTE = 'L-A003-1') "
                    "AND (ARMAZEM = 'A1')"),
            SQLITE_OK);
  EXPECT_EQ(db.scalar("SELECT QTDSID FROM ARTLOT WHERE ARTIGO = 'A003' AND CODLOTE = 'L-A003-1'"), "-2.5");
}
