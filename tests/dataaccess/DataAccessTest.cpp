#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "dataaccess/PostgresDataAccess.hpp"
#include "dataaccess/SqliteDataAccess.hpp"
#include "platform/db/EngineFault.hpp"
#include "platform/db/RoundTrips.hpp"
#include "platform/db/ServerAddress.hpp"
#include "support/CommaLocale.hpp"
#include "support/ErrorOf.hpp"
#include "support/SampleTables.hpp"
#include "support/TestDatabases.hpp"

using automation::Date;
using automation::Variant;
using automation::db::Recordset;
using automation::db::RecordsetRef;
using dataaccess::DatabaseDataAccess;
using testing_support::errorOf;
using testing_support::raisedBy;
using testing_support::TestEngine;

namespace {

const char* const kImpressa = "SELECT CHAVE, UTILIZ, TPDOC, ANO, SERIE, NUMDOC, NUMVIA FROM IMPRESSA";

// The first column of every row, joined by ",".
std::string column(DatabaseDataAccess& on, const std::string& sql) {
  RecordsetRef rs;
  EXPECT_TRUE(on.AbrirRecordset("", sql, rs, -1, 0)) << on.UltimoErroBD();
  std::string out;
  for (; rs->IsOpen() && !rs->Eof(); rs->MoveNext()) {
    Variant value = rs->GetFields().Item(Variant(int32_t{0})).Value();
    out += (out.empty() ? "" : ",") + (value.isNull() ? std::string("NULL") : value.toString());
  }
  return out;
}

class DataAccess : public ::testing::TestWithParam<TestEngine> {
 protected:
  void SetUp() override {
    dao = database.open();
    ASSERT_TRUE(dao->ExecutarSQL("", testing_support::sampleTables(postgres()))) << dao->UltimoErroBD();
  }

  bool postgres() const { return GetParam() == TestEngine::Postgres; }

  std::string column(const std::string& sql) { return ::column(*dao, sql); }
  std::string count(const std::string& table) { return column("SELECT COUNT(*) FROM " + table); }

  RecordsetRef updatable(const std::string& sql) {
    RecordsetRef rs;
    EXPECT_TRUE(dao->AbrirRecordsetActualizavel(Variant(sql), rs, 4, -1)) << dao->UltimoErroBD();
    return rs;
  }

  // Copies of a printed document, as SetNumVias adds them.
  static void addCopies(Recordset& rs, std::initializer_list<int32_t> keys) {
    for (int32_t key : keys) {
      rs.AddNew();
      rs.setValue("CHAVE", key);
      rs.setValue("UTILIZ", "ana");
      rs.setValue("NUMVIA", int16_t{1});
      rs.Update();
    }
  }

  testing_support::ScratchDatabase database{GetParam()};
  std::shared_ptr<DatabaseDataAccess> dao;
};

TEST_P(DataAccess, ValuesAndNullsMakeTheRoundTripThroughAnUpdatableRecordSet) {
  RecordsetRef rs = updatable("SELECT * FROM DOCGCCAB");
  rs->AddNew();
  rs->setValue("TPDOC", "FT");
  rs->setValue("SERIE", int16_t{1});
  rs->setValue("ANO", int16_t{2024});
  rs->setValue("NNUMDOC", int32_t{17});
  rs->setValue("TERCEIRO", Variant::null());
  rs->setValue("DATA", Date::fromParts(2024, 5, 31, 14, 30, 0));
  rs->setValue("OBSERV", "ação");
  rs->setValue("TOTAL", 0.1 + 0.2);
  rs->Update();
  ASSERT_TRUE(dao->GravarRecordset("", rs)) << dao->UltimoErroBD();

  RecordsetRef read;
  ASSERT_TRUE(dao->AbrirRecordset("", "SELECT TERCEIRO, IVAINC, OBSERV, TOTAL, DATA, SERIE FROM DOCGCCAB", read, -1, 0));
  EXPECT_TRUE(read->value("TERCEIRO").isNull());
  EXPECT_TRUE(read->value("IVAINC").isNull());  // never written
  EXPECT_EQ(read->value("OBSERV").toString(), "ação");
  EXPECT_EQ(read->value("TOTAL").toDouble(), 0.1 + 0.2);
  EXPECT_EQ(read->value("DATA").toDate(), Date::fromParts(2024, 5, 31, 14, 30, 0));
  EXPECT_EQ(read->GetFields().Item(Variant("SERIE")).Type(), automation::db::DataType::SmallInt);

  rs = updatable("SELECT TPDOC, SERIE, ANO, NNUMDOC, TERCEIRO, TOTAL FROM DOCGCCAB");
  rs->setValue("TERCEIRO", "C1");
  rs->setValue("TOTAL", Variant::null());
  ASSERT_TRUE(dao->GravarRecordset("", rs)) << dao->UltimoErroBD();
  EXPECT_EQ(column("SELECT TERCEIRO FROM DOCGCCAB") + column("SELECT TOTAL FROM DOCGCCAB"), "C1NULL");

  // A table without a key: the row is found by its old values, a null among them included.
  rs = updatable("SELECT TEXTO, VALOR FROM NOTAS");
  rs->AddNew();
  rs->setValue("TEXTO", "sem chave");
  rs->Update();
  ASSERT_TRUE(dao->GravarRecordset("", rs)) << dao->UltimoErroBD();
  rs = updatable("SELECT TEXTO, VALOR FROM NOTAS");
  rs->setValue("VALOR", 2.5);
  ASSERT_TRUE(dao->GravarRecordset("", rs)) << dao->UltimoErroBD();
  EXPECT_EQ(column("SELECT VALOR FROM NOTAS"), "2.5");
}

TEST_P(DataAccess, AnUpdatableRecordSetIsSavedAllOrNothing) {
  RecordsetRef rs = updatable(kImpressa);
  addCopies(*rs, {987655, 987656, 987657});
  ASSERT_TRUE(dao->GravarRecordset("", rs)) << dao->UltimoErroBD();
  addCopies(*rs, {987658, 987659, 987655});  // the last one is already there
  EXPECT_FALSE(dao->GravarRecordset("", rs));
  EXPECT_NE(dao->UltimoErroBD().find(postgres() ? "duplicate key" : "UNIQUE constraint failed: IMPRESSA.CHAVE"),
            std::string::npos)
      << dao->UltimoErroBD();
  EXPECT_EQ(count("IMPRESSA"), "3");
  EXPECT_FALSE(dao->EmTransaccao());
  EXPECT_EQ(rs->rows().back().state, Recordset::RowState::Added);  // still to be saved

  RecordsetRef readOnly;
  ASSERT_TRUE(dao->AbrirRecordset("", kImpressa, readOnly, -1, 0));
  readOnly->AddNew();
  EXPECT_FALSE(dao->GravarRecordset("", readOnly));
  EXPECT_FALSE(dao->UltimoErroBD().empty());
}

TEST_P(DataAccess, TheCallersTransactionSurvivesAFailedStatementAndIsCancelledWhole) {
  ASSERT_TRUE(dao->IniciarTransaccao());
  EXPECT_TRUE(dao->EmTransaccao());
  ASSERT_TRUE(dao->ExecutarSQL("", "INSERT INTO NOTAS VALUES ('a', 1)"));
  EXPECT_FALSE(dao->ExecutarSQL("", "INSERT INTO NAOHA VALUES (1)"));
  EXPECT_FALSE(dao->ExecutarSQL("", "INSERT INTO NOTAS VALUES ('b', 2); INSERT INTO NAOHA VALUES (1)"));
  RecordsetRef rs = updatable(kImpressa);
  addCopies(*rs, {1, 2});
  ASSERT_TRUE(dao->GravarRecordset("", rs)) << dao->UltimoErroBD();
  EXPECT_TRUE(dao->EmTransaccao());
  EXPECT_EQ(count("NOTAS") + count("IMPRESSA"), "12");
  ASSERT_TRUE(dao->CancelarTransaccao());
  EXPECT_FALSE(dao->EmTransaccao());
  EXPECT_EQ(count("NOTAS") + count("IMPRESSA"), "00");
  EXPECT_FALSE(dao->CancelarTransaccao());

  ASSERT_TRUE(dao->IniciarTransaccao());
  ASSERT_TRUE(dao->ExecutarSQL("", "INSERT INTO NOTAS VALUES ('c', 3)"));
  EXPECT_FALSE(dao->ExecutarSQL("", "INSERT INTO IMPRESSA (CHAVE) VALUES (1)"));
  ASSERT_TRUE(dao->TerminarTransaccao()) << dao->UltimoErroBD();
  EXPECT_EQ(column("SELECT TEXTO FROM NOTAS"), "c");
}

TEST_P(DataAccess, ARecordSetOnlyReadsInsideATransactionOrOutside) {
  ASSERT_TRUE(dao->ExecutarSQL("", "INSERT INTO NOTAS VALUES ('fica', 1)"));
  RecordsetRef rs;
  for (bool inTransaction : {false, true}) {
    if (inTransaction) {
      ASSERT_TRUE(dao->IniciarTransaccao());
    }
    for (const char* writing : {"DELETE FROM NOTAS RETURNING TEXTO", "UPDATE NOTAS SET VALOR = 2 RETURNING TEXTO"}) {
      EXPECT_FALSE(dao->AbrirRecordset("", writing, rs, -1, 0)) << writing;
      EXPECT_NE(dao->UltimoErroBD().find("nothing was run"), std::string::npos) << dao->UltimoErroBD();
    }
    EXPECT_FALSE(dao->AbrirRecordset("", "SELECT 1; DELETE FROM NOTAS", rs, -1, 0));
    EXPECT_EQ(column("SELECT TEXTO FROM NOTAS WHERE VALOR = 1"), "fica");
    EXPECT_EQ(dao->EmTransaccao(), inTransaction);
  }
  ASSERT_TRUE(dao->ExecutarSQL("", "INSERT INTO NOTAS VALUES ('depois', 2)"));
  ASSERT_TRUE(dao->TerminarTransaccao());
  EXPECT_EQ(count("NOTAS"), "2");
}

TEST_P(DataAccess, ASecondConnectionSeesWhatTheFirstCommittedAndWaitsForItsWrites) {
  ASSERT_TRUE(dao->ExecutarSQL("", "INSERT INTO NUMDOC VALUES (2024, 'FA', 1, 7)"));
  auto second = database.open();
  EXPECT_EQ(::column(*second, "SELECT NUM FROM NUMDOC"), "7");

  ASSERT_TRUE(dao->IniciarTransaccao());
  ASSERT_TRUE(dao->ExecutarSQL("", "UPDATE NUMDOC SET NUM = NUM + 1"));
  std::thread finisher([this] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_TRUE(dao->TerminarTransaccao());
  });
  // Had it not waited, both would have counted from 7.
  EXPECT_TRUE(second->ExecutarSQL("", "UPDATE NUMDOC SET NUM = NUM + 1")) << second->UltimoErroBD();
  finisher.join();
  EXPECT_EQ(::column(*database.open(), "SELECT NUM FROM NUMDOC"), "9");
}

TEST_P(DataAccess, AFailedOperationReturnsFalseAndKeepsTheDatabaseText) {
  EXPECT_FALSE(dao->ExecutarSQL("", "INSERT INTO NOTAS VALUES ('a', 1); UPDATE NAOHA SET X = 1"));
  EXPECT_NE(dao->UltimoErroBD().find(postgres() ? "\"naoha\" does not exist" : "no such table: NAOHA"),
            std::string::npos)
      << dao->UltimoErroBD();
  EXPECT_EQ(count("NOTAS"), "0");
  EXPECT_TRUE(dao->UltimoErroBD().empty());

  RecordsetRef rs;
  EXPECT_FALSE(dao->AbrirRecordset("", "SELECT NADA FROM NOTAS", rs, -1, 0));
  ASSERT_TRUE(rs);
  EXPECT_FALSE(rs->IsOpen());
  EXPECT_FALSE(dao->AbrirRecordsetActualizavel(
      Variant("SELECT DOCGCCAB.*, NOTAS.VALOR FROM DOCGCCAB LEFT JOIN NOTAS ON NOTAS.TEXTO = DOCGCCAB.OBSERV"), rs, 4,
      -1));
  EXPECT_NE(dao->UltimoErroBD().find("more than one table"), std::string::npos);
}

// Prepared statements read numbers in the database's own format whatever the process locale,
// and a column read without a current row is null, as it is on a file. On a server, currency goes
// as an exact decimal and a procedure's name is quoted like any other identifier.
TEST_P(DataAccess, StatementsReadAndSendValuesExactly) {
  testing_support::CommaLocale comma;
  if (!comma.active()) GTEST_SKIP() << "no locale with a decimal comma could be made (localedef)";
  automation::db::ConnectionRef connection;
  ASSERT_TRUE(dao->ObterLigacao(connection));
  auto statement = connection->engine().prepare("SELECT 2.5, 7.75, 'x' WHERE 1 = ?");
  auto readsNothing = [&] {
    EXPECT_TRUE(statement->isNull(0));
    EXPECT_EQ(statement->integer(0), 0);
    EXPECT_EQ(statement->real(1), 0);
    EXPECT_EQ(statement->text(2), "");
  };
  statement->bind(1, int64_t{1});
  readsNothing();
  ASSERT_TRUE(statement->step());
  EXPECT_EQ(statement->real(0), 2.5);
  EXPECT_EQ(statement->real(1), 7.75);
  EXPECT_EQ(statement->integer(1), 7);
  EXPECT_FALSE(statement->step());
  readsNothing();
  if (!postgres()) return;

  auto first = [](const RecordsetRef& rs) { return rs->GetFields().Item(Variant(int32_t{0})).Value(); };
  automation::db::NamedValue largest{"v", Variant(automation::Currency{INT64_MAX})};
  EXPECT_EQ(first(connection->Execute("SELECT CAST(@v AS TEXT)", std::span(&largest, 1))).toString(),
            "922337203685477.5807");
  connection->Execute("CREATE FUNCTION \"odd\"\"name\"() RETURNS TABLE (N INTEGER) LANGUAGE sql AS 'SELECT 1'");
  EXPECT_EQ(first(connection->engine().callProcedure("odd\"name", {})).toLong(), 1);
}

// Rows sent ahead, or kept for reuse, save a wait on a server only while nothing could have changed
// them: a write deferred after them or other parameters make the statement ask again.
TEST_P(DataAccess, RowsSentAheadAreReadOnlyWhileNothingCanHaveChangedThem) {
  automation::db::ConnectionRef connection;
  ASSERT_TRUE(dao->ObterLigacao(connection));
  automation::db::Engine& engine = connection->engine();
  connection->Execute("CREATE TABLE AHEAD (K INTEGER, N INTEGER); INSERT INTO AHEAD VALUES (1, 10), (2, 20)");
  auto read = engine.prepare("SELECT N FROM AHEAD WHERE K = ?");
  auto other = engine.prepare("SELECT COUNT(*) FROM AHEAD WHERE K > ?");
  auto write = engine.prepare("UPDATE AHEAD SET N = N + 1 WHERE K = ?");
  auto readOne = [&](int64_t key) {
    read->bind(1, key);
    double n = read->step() ? read->real(0) : -1;
    read->reset();
    return n;
  };
  engine.begin();
  // Sent with the next read: the two cost one round trip, and the rows ahead none.
  read->bind(1, int64_t{1});
  read->prefetch();
  int64_t before = automation::db::serverRoundTrips();
  other->bind(1, int64_t{0});
  ASSERT_TRUE(other->step());
  EXPECT_EQ(other->integer(0), 2);
  other->reset();
  EXPECT_EQ(readOne(1), 10);
  EXPECT_EQ(automation::db::serverRoundTrips() - before, postgres() ? 1 : 0);

  read->bind(1, int64_t{1});
  read->prefetch();
  write->bind(1, int64_t{1});
  write->defer({});
  EXPECT_EQ(readOne(1), 11);  // the write waiting behind them

  read->bind(1, int64_t{1});
  read->prefetch();
  EXPECT_EQ(readOne(2), 20);  // other parameters

  read->bind(1, int64_t{2});
  read->prefetch();
  write->bind(1, int64_t{2});
  write->defer({});
  engine.flush();
  EXPECT_EQ(readOne(2), 21);  // the write went in a round trip of its own

  // Rows read under the writer lock and marked for reuse come again without asking, until
  // something that may change them goes or the transaction ends.
  read->reuseRows();
  EXPECT_EQ(readOne(2), 21);
  before = automation::db::serverRoundTrips();
  EXPECT_EQ(readOne(2), 21);
  EXPECT_EQ(automation::db::serverRoundTrips() - before, 0);
  write->bind(1, int64_t{2});
  write->defer({});
  EXPECT_EQ(readOne(2), 22);
  engine.commit();
  before = automation::db::serverRoundTrips();
  EXPECT_EQ(readOne(2), 22);
  EXPECT_EQ(automation::db::serverRoundTrips() - before, postgres() ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Engines, DataAccess, ::testing::ValuesIn(testing_support::testEngines()),
                         testing_support::engineName);

TEST(SqliteDataAccess, AFileThatIsNoDatabaseIsRefusedNamingIt) {
  testing_support::TempFolder folder;
  auto missingFolder = raisedBy([&] { dataaccess::SqliteDataAccess::open(folder.file("nao/existe.db")); });
  EXPECT_EQ(missingFolder.number, automation::db::dberr::ProviderError);
  EXPECT_NE(missingFolder.description.find("nao/existe.db"), std::string::npos);
  std::ofstream(folder.file("texto.db")) << "isto não é uma base de dados, mas tem texto bastante para o parecer.";
  EXPECT_NE(errorOf([&] { dataaccess::SqliteDataAccess::open(folder.file("texto.db")); }), 0);
}

TEST(SqliteDataAccess, TextWrittenByAnotherProgramThatIsNotUtf8IsRefusedNamingTheColumn) {
  testing_support::ScratchDatabase database(TestEngine::Sqlite);
  auto dao = database.open();
  ASSERT_TRUE(dao->ExecutarSQL("", "CREATE TABLE NOTAS (TEXTO TEXT, VALOR INTEGER);"
                                   "INSERT INTO NOTAS VALUES ('cafe', 1), (CAST(X'636166E9' AS TEXT), 2)"))
      << dao->UltimoErroBD();
  RecordsetRef rs;
  EXPECT_FALSE(dao->AbrirRecordset("", "SELECT TEXTO FROM NOTAS ORDER BY VALOR", rs, -1, 0));
  EXPECT_NE(dao->UltimoErroBD().find("column 'TEXTO'"), std::string::npos) << dao->UltimoErroBD();
  EXPECT_NE(dao->UltimoErroBD().find("not UTF-8"), std::string::npos) << dao->UltimoErroBD();
  EXPECT_EQ(column(*dao, "SELECT VALOR FROM NOTAS ORDER BY VALOR"), "1,2");
}

TEST(PostgresDataAccess, AConnectionLostInATransactionFailsAtOnceAndLeavesNothingOfIt) {
  if (testing_support::testEngines().size() < 2) GTEST_SKIP() << "QVD_TEST_POSTGRES names no server";
  testing_support::ScratchDatabase database(TestEngine::Postgres);
  auto dao = database.open();
  auto other = database.open();
  ASSERT_TRUE(dao->ExecutarSQL("", testing_support::sampleTables(true)));
  std::string backend = column(*dao, "SELECT pg_backend_pid()");
  ASSERT_TRUE(dao->IniciarTransaccao());
  ASSERT_TRUE(dao->ExecutarSQL("", "INSERT INTO NOTAS VALUES ('meio', 1)"));
  ASSERT_TRUE(other->ExecutarSQL("", "SELECT pg_terminate_backend(" + backend + ")")) << other->UltimoErroBD();

  auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(dao->ExecutarSQL("", "INSERT INTO NOTAS VALUES ('fim', 2)"));
  EXPECT_NE(dao->UltimoErroBD().find("connection to the database server \"" +
                                     automation::db::address::withoutPassword(database.target()) + "\" was lost"),
            std::string::npos)
      << dao->UltimoErroBD();
  EXPECT_FALSE(dao->TerminarTransaccao());
  RecordsetRef rs;
  EXPECT_FALSE(dao->AbrirRecordset("", "SELECT 1", rs, -1, 0));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  EXPECT_EQ(column(*other, "SELECT COUNT(*) FROM NOTAS"), "0");

  // An opening the client fails after connecting (out of memory) leaves no session on the server,
  // and a refused read whose refusal it fails to raise leaves the session free to write.
  automation::db::engineFault = [] { throw std::runtime_error("the client failed"); };
  EXPECT_THROW(dataaccess::PostgresDataAccess::open(database.target()), std::runtime_error);
  const std::string sessions = "SELECT COUNT(*) FROM pg_stat_activity WHERE datname = current_database() AND "
                               "backend_type = 'client backend' AND pid <> pg_backend_pid()";
  // The server ends a session a moment after its client closed it.
  for (int i = 0; i < 250 && column(*other, sessions) != "0"; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_EQ(column(*other, sessions), "0");
  EXPECT_FALSE(other->AbrirRecordset("", "SELECT 1 / 0", rs, -1, 0));
  automation::db::engineFault = nullptr;
  EXPECT_TRUE(other->ExecutarSQL("", "INSERT INTO NOTAS VALUES ('depois', 3)")) << other->UltimoErroBD();

  std::string missing = automation::db::address::withDatabase(database.target(), "qvd_nao_existe");
  auto refused = raisedBy([&] { dataaccess::PostgresDataAccess::open(missing); });
  EXPECT_EQ(refused.number, automation::db::dberr::ProviderError);
  EXPECT_NE(refused.description.find("qvd_nao_existe"), std::string::npos) << refused.description;
}

}  // namespace
