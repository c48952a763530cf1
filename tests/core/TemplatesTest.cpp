#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/DAL_Next.hpp"
#include "platform/db/Catalog.hpp"
#include "support/DalTestAccess.hpp"
#include "support/ErpFixture.hpp"
#include "support/ErrorOf.hpp"

using automation::db::RecordsetRef;
using testsupport::errorOf;

namespace {

class Templates : public testsupport::ErpTest {
 protected:
  void SetUp() override {
    ErpTest::SetUp();
    dal.DataAccess(automation::Variant(dados));
  }

  // The table's columns as the database describes them.
  std::vector<automation::db::ColumnInfo> tableColumns(const std::string& table) {
    automation::db::ConnectionRef connection;
    dados->ObterLigacao(connection);
    automation::db::Catalog catalog;
    catalog.SetActiveConnection(connection);
    return catalog.Tables(table).Columns();
  }

  static std::vector<std::string> names(const RecordsetRef& rs) {
    std::vector<std::string> out;
    for (const auto& c : rs->columns()) out.push_back(c.name);
    return out;
  }

  qvd::DAL_Next dal;
};

}  // namespace

TEST_F(Templates, HeaderIsAnEmptyDisconnectedRecordSetWithTheTablesColumns) {
  RecordsetRef rs = dal.TemplateCabecalho();
  ASSERT_NE(rs, nullptr);
  EXPECT_TRUE(rs->IsOpen());
  EXPECT_TRUE(rs->Eof());
  EXPECT_EQ(rs->CursorLocation(), automation::db::UseClientCursor);
  EXPECT_EQ(rs->updateTarget(), nullptr);

  std::vector<automation::db::ColumnInfo> expected = tableColumns("DOCGCCAB");
  ASSERT_EQ(rs->columns().size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(rs->columns()[i].name, expected[i].name);
    EXPECT_EQ(rs->columns()[i].type, expected[i].type) << expected[i].name;
    EXPECT_EQ(rs->columns()[i].definedSize, expected[i].definedSize) << expected[i].name;
    EXPECT_EQ(rs->columns()[i].attributes, expected[i].attributes) << expected[i].name;
  }

  // The caller fills it; each call gives a new one.
  rs->AddNew();
  rs->setValue("TPDOC", automation::Variant("FA"));
  rs->Update();
  EXPECT_EQ(rs->RecordCount(), 1);
  EXPECT_EQ(dal.TemplateCabecalho()->RecordCount(), 0);
}

TEST_F(Templates, LinesAndLotsComeFromQueriesThatMatchNoRow) {
  // Real rows that the queries must not pick up.
  ASSERT_GT(std::stoi(scalar("SELECT COUNT(*) FROM ARTLOT")), 0);

  RecordsetRef lines = dal.TemplateLinhas();
  ASSERT_NE(lines, nullptr);
  EXPECT_TRUE(lines->Eof());
  std::vector<std::string> expected;
  for (const auto& c : tableColumns("DOCGCLIN")) expected.push_back(c.name);
  EXPECT_EQ(names(lines), expected);

  RecordsetRef lots = dal.TemplateLotes();
  ASSERT_NE(lots, nullptr);
  EXPECT_TRUE(lots->Eof());
  expected.clear();
  for (const auto& c : tableColumns("LOTEMOVS")) expected.push_back(c.name);
  expected.push_back("DTAENTRA");
  EXPECT_EQ(names(lots), expected);
}

TEST_F(Templates, FailuresReachTheCallerUnchanged) {
  RecordsetRef rs;
  auto e = errorOf([&] { qvd::DAL_NextTestAccess::TemplateTabela(dal, "NAOEXISTE", rs); });
  EXPECT_EQ(e.number, 3265);
  EXPECT_EQ(e.source, "Tables");
  EXPECT_EQ(rs, nullptr);

  qvd::DAL_Next without;
  e = errorOf([&] { (void)without.TemplateLinhas(); });
  EXPECT_EQ(e.number, 91);
  EXPECT_EQ(e.source, "");
}
