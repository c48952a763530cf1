#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "dataaccess/SqliteDataAccess.hpp"
#include "support/ErrorOf.hpp"
#include "support/SampleTables.hpp"
#include "support/TempFolder.hpp"

using automation::Date;
using automation::Variant;
using automation::db::Recordset;
using automation::db::RecordsetRef;
using dataaccess::SqliteDataAccess;
using testing_support::errorOf;
using testing_support::raisedBy;

namespace {

const char* const kImpressa = "SELECT CHAVE, UTILIZ, TPDOC, ANO, SERIE, NUMDOC, NUMVIA FROM IMPRESSA";

class DataAccess : public ::testing::Test {
 protected:
  void SetUp() override {
    dao = SqliteDataAccess::open(folder.file("erp.db"));
    ASSERT_TRUE(dao->ExecutarSQL("", testing_support::kSampleTables)) << dao->UltimoErroBD();
    ASSERT_TRUE(dao->ObterLigacao(connection));
  }

  // The first column of the first row, as text (a null as "NULL").
  static std::string first(SqliteDataAccess& on, const std::string& sql) {
    RecordsetRef rs;
    EXPECT_TRUE(on.AbrirRecordset("", sql, rs, -1, 0)) << on.UltimoErroBD();
    Variant value = rs->GetFields().Item(Variant(int32_t{0})).Value();
    return value.isNull() ? "NULL" : value.toString();
  }
  std::string first(const std::string& sql) { return first(*dao, sql); }
  std::string count(const std::string& table) { return first("SELECT COUNT(*) FROM " + table); }

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

  testing_support::TempFolder folder;
  std::shared_ptr<SqliteDataAccess> dao;
  automation::db::ConnectionRef connection;  // the one the object works on
};

}  // namespace

TEST_F(DataAccess, ValuesAndNullsMakeTheRoundTripThroughAnUpdatableRecordSet) {
  RecordsetRef rs = updatable("SELECT * FROM DOCGCCAB");
  rs->AddNew();
  rs->setValue("TPDOC", "FT");
  rs->setValue("SERIE", int16_t{1});
  rs->setValue("ANO", int16_t{2024});
  rs->setValue("NNUMDOC", int32_t{17});
  rs->setValue("TERCEIRO", Variant::null());
  rs->setValue("DATA", Date::fromParts(2024, 5, 31, 14, 30, 0));
  rs->setValue("OBSERV", "");
  rs->setValue("TOTAL", 0.1 + 0.2);
  rs->Update();
  ASSERT_TRUE(dao->GravarRecordset("", rs)) << dao->UltimoErroBD();
  // IVAINC was never written.
  EXPECT_EQ(first("SELECT IFNULL(TERCEIRO, 'NULL') || '|' || IFNULL(IVAINC, 'NULL') || '|' || OBSERV || '|' || "
                  "(TOTAL = 0.1 + 0.2) FROM DOCGCCAB"),
            "NULL|NULL||1");
  EXPECT_EQ(Variant(first("SELECT DATA FROM DOCGCCAB")).toDate(), Date::fromParts(2024, 5, 31, 14, 30, 0));

  rs = updatable("SELECT TPDOC, SERIE, ANO, NNUMDOC, TERCEIRO, TOTAL FROM DOCGCCAB");
  rs->setValue("TERCEIRO", "C1");
  rs->setValue("TOTAL", Variant::null());
  ASSERT_TRUE(dao->GravarRecordset("", rs)) << dao->UltimoErroBD();
  EXPECT_EQ(first("SELECT TERCEIRO || '|' || IFNULL(TOTAL, 'NULL') || '|' || OBSERV FROM DOCGCCAB"), "C1|NULL|");
}

TEST_F(DataAccess, AnUpdatableRecordSetIsSavedAllOrNothing) {
  RecordsetRef rs = updatable(kImpressa);
  addCopies(*rs, {987655, 987656, 987657});
  ASSERT_TRUE(dao->GravarRecordset("", rs)) << dao->UltimoErroBD();
  addCopies(*rs, {987658, 987659, 987655});  // the last one is already there
  EXPECT_FALSE(dao->GravarRecordset("", rs));
  EXPECT_NE(dao->UltimoErroBD().find("UNIQUE constraint failed: IMPRESSA.CHAVE"), std::string::npos);
  EXPECT_EQ(count("IMPRESSA"), "3");
  EXPECT_FALSE(dao->EmTransaccao());
  EXPECT_EQ(rs->rows().back().state, Recordset::RowState::Added);  // still to be saved

  RecordsetRef readOnly;
  ASSERT_TRUE(dao->AbrirRecordset("", kImpressa, readOnly, -1, 0));
  readOnly->AddNew();
  EXPECT_FALSE(dao->GravarRecordset("", readOnly));
  EXPECT_FALSE(dao->UltimoErroBD().empty());
}

TEST_F(DataAccess, CancellingTheCallersTransactionLeavesNoRow) {
  ASSERT_TRUE(dao->IniciarTransaccao());
  EXPECT_TRUE(dao->EmTransaccao());
  ASSERT_TRUE(dao->ExecutarSQL("", "INSERT INTO NOTAS VALUES ('a', 1)"));
  RecordsetRef rs = updatable(kImpressa);
  addCopies(*rs, {1, 2});
  ASSERT_TRUE(dao->GravarRecordset("", rs));
  EXPECT_TRUE(dao->EmTransaccao());
  ASSERT_TRUE(dao->CancelarTransaccao());
  EXPECT_FALSE(dao->EmTransaccao());
  EXPECT_EQ(count("NOTAS") + count("IMPRESSA"), "00");
  EXPECT_FALSE(dao->CancelarTransaccao());

  ASSERT_TRUE(dao->IniciarTransaccao());
  ASSERT_TRUE(dao->ExecutarSQL("", "INSERT INTO NOTAS VALUES ('b', 2)"));
  ASSERT_TRUE(dao->TerminarTransaccao());
  EXPECT_EQ(count("NOTAS"), "1");
}

TEST_F(DataAccess, ADatabaseOpenedAgainKeepsItsDataAndASecondWriterWaitsForTheFirst) {
  ASSERT_TRUE(dao->ExecutarSQL("", "INSERT INTO NOTAS VALUES ('guardada', 1.5)"));
  EXPECT_EQ(first("SELECT journal_mode FROM pragma_journal_mode"), "wal");
  auto second = SqliteDataAccess::open(folder.file("erp.db"));
  EXPECT_EQ(first(*second, "SELECT TEXTO FROM NOTAS"), "guardada");

  ASSERT_TRUE(dao->IniciarTransaccao());
  ASSERT_TRUE(dao->ExecutarSQL("", "INSERT INTO NOTAS VALUES ('primeiro', 1)"));
  std::thread finisher([this] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    dao->TerminarTransaccao();
  });
  EXPECT_TRUE(second->ExecutarSQL("", "INSERT INTO NOTAS VALUES ('segundo', 2)")) << second->UltimoErroBD();
  finisher.join();

  dao.reset();
  second.reset();
  auto third = SqliteDataAccess::open(folder.file("erp.db"));
  EXPECT_EQ(first(*third, "SELECT GROUP_CONCAT(TEXTO || ' ' || VALOR) FROM NOTAS"), "guardada 1.5,primeiro 1.0,segundo 2.0");
}

TEST_F(DataAccess, AFailedOperationReturnsFalseAndKeepsTheDatabaseText) {
  EXPECT_FALSE(dao->ExecutarSQL("", "INSERT INTO NOTAS VALUES ('a', 1); UPDATE NAOHA SET X = 1"));
  EXPECT_NE(dao->UltimoErroBD().find("no such table: NAOHA"), std::string::npos);
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

  auto missingFolder = raisedBy([&] { SqliteDataAccess::open(folder.file("nao/existe.db")); });
  EXPECT_EQ(missingFolder.number, automation::db::dberr::ProviderError);
  EXPECT_NE(missingFolder.description.find("nao/existe.db"), std::string::npos);
  std::ofstream(folder.file("texto.db")) << "isto não é uma base de dados, mas tem texto bastante para o parecer.";
  EXPECT_NE(errorOf([&] { SqliteDataAccess::open(folder.file("texto.db")); }), 0);
}
