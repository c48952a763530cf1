#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/db/Catalog.hpp"
#include "support/DalTestAccess.hpp"
#include "support/ErpFixture.hpp"

using automation::db::RecordsetRef;
using testing_support::raisedBy;

namespace {

// Each column as "name type size attributes".
std::vector<std::string> described(const std::vector<automation::db::ColumnInfo>& columns) {
  std::vector<std::string> out;
  for (const auto& c : columns)
    out.push_back(c.name + " " + std::to_string(static_cast<int>(c.type)) + " " + std::to_string(c.definedSize) + " " +
                  std::to_string(c.attributes));
  return out;
}

class Templates : public testing_support::ErpTest {
 protected:
  void SetUp() override {
    ErpTest::SetUp();
    dal.DataAccess(automation::Variant(dados));
  }

  std::vector<std::string> tableColumns(const std::string& table) {
    automation::db::ConnectionRef connection;
    dados->ObterLigacao(connection);
    automation::db::Catalog catalog;
    catalog.SetActiveConnection(connection);
    return described(catalog.Tables(table).Columns());
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
  EXPECT_EQ(described(rs->columns()), tableColumns("DOCGCCAB"));

  // The caller fills it; each call gives a new one.
  rs->AddNew();
  rs->setValue("TPDOC", automation::Variant("FA"));
  rs->Update();
  EXPECT_EQ(rs->RecordCount(), 1);
  EXPECT_EQ(dal.TemplateCabecalho()->RecordCount(), 0);
}

TEST_F(Templates, LinesAndLotsComeFromQueriesThatMatchNoRow) {
  ASSERT_NE(scalar("SELECT COUNT(*) FROM ARTLOT"), "0");
  RecordsetRef lines = dal.TemplateLinhas();
  ASSERT_NE(lines, nullptr);
  EXPECT_TRUE(lines->Eof());
  EXPECT_EQ(described(lines->columns()), tableColumns("DOCGCLIN"));

  RecordsetRef lots = dal.TemplateLotes();
  ASSERT_NE(lots, nullptr);
  EXPECT_TRUE(lots->Eof());
  std::vector<std::string> names;
  for (const auto& c : lots->columns()) names.push_back(c.name);
  std::vector<std::string> expected;
  for (const auto& c : tableColumns("LOTEMOVS")) expected.push_back(c.substr(0, c.find(' ')));
  expected.push_back("DTAENTRA");
  EXPECT_EQ(names, expected);
}

TEST_F(Templates, FailuresReachTheCallerUnchanged) {
  RecordsetRef rs;
  auto e = raisedBy([&] { qvd::DAL_NextTestAccess::TemplateTabela(dal, "NAOEXISTE", rs); });
  EXPECT_EQ(e.number, 3265);
  EXPECT_EQ(e.source, "Tables");
  EXPECT_EQ(rs, nullptr);

  e = raisedBy([&] { (void)qvd::DAL_Next().TemplateLinhas(); });
  EXPECT_EQ(e.number, 91);
  EXPECT_EQ(e.source, "");
}
