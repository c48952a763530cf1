#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/Text.hpp"
#include "platform/db/Catalog.hpp"
#include "platform/db/DataTypes.hpp"
#include "support/DalTestAccess.hpp"
#include "support/ErpFixture.hpp"
#include "support/RecordingDataAccess.hpp"

namespace testing_support {
namespace {

using automation::db::RecordsetRef;

// Each column as "name type size attributes".
Rows described(const std::vector<automation::db::ColumnInfo>& columns) {
  Rows out;
  for (const auto& c : columns)
    out.push_back(c.name + " " + std::to_string(static_cast<int>(c.type)) + " " + std::to_string(c.definedSize) + " " +
                  std::to_string(c.attributes));
  return out;
}

class Templates : public ErpTest {
 protected:
  Rows tableColumns(const std::string& table) {
    automation::db::ConnectionRef connection;
    EXPECT_TRUE(dados->ObterLigacao(connection));
    automation::db::Catalog catalog;
    catalog.SetActiveConnection(connection);
    return described(catalog.Tables(table).Columns());
  }
};

TEST_F(Templates, HeaderIsAnEmptyDisconnectedRecordSetWithTheTablesColumns) {
  RecordsetRef rs = bal->TemplateCabecalho();
  ASSERT_NE(rs, nullptr);
  EXPECT_TRUE(rs->IsOpen() && rs->Eof());
  EXPECT_EQ(rs->CursorLocation(), automation::db::UseClientCursor);
  EXPECT_EQ(rs->updateTarget(), nullptr);
  EXPECT_EQ(described(rs->columns()), tableColumns("DOCGCCAB"));
  // The caller fills it; each call gives a new one.
  rs->AddNew();
  rs->setValue("TPDOC", automation::Variant("FA"));
  rs->Update();
  EXPECT_EQ(bal->TemplateCabecalho()->RecordCount(), 0);
}

TEST_F(Templates, LinesAndLotsComeFromQueriesThatMatchNoRow) {
  ASSERT_NE(scalar("SELECT COUNT(*) FROM ARTLOT"), "0");
  RecordsetRef lines = bal->TemplateLinhas();
  ASSERT_NE(lines, nullptr);
  EXPECT_TRUE(lines->Eof());
  EXPECT_EQ(described(lines->columns()), tableColumns("DOCGCLIN"));

  RecordsetRef lots = bal->TemplateLotes();
  ASSERT_NE(lots, nullptr);
  EXPECT_TRUE(lots->Eof());
  // Names compare as a caller reaches fields: ignoring case, which a server may fold.
  Rows expected = tableColumns("LOTEMOVS");
  Rows names;
  for (const auto& c : lots->columns()) names.push_back(automation::text::foldCase(c.name));
  for (std::string& c : expected) c = automation::text::foldCase(c.erase(c.find(' ')));
  expected.push_back("dtaentra");
  EXPECT_EQ(names, expected);
}

TEST_F(Templates, FailuresReachTheCallerUnchanged) {
  RecordsetRef rs;
  auto dal = worker();
  EXPECT_EQ(raisedBy([&] { qvd::DAL_NextTestAccess::TemplateTabela(*dal, "NAOEXISTE", rs); }).numberAndSource(),
            "3265 Tables");
  EXPECT_EQ(rs, nullptr);
  EXPECT_EQ(raisedBy([&] { (void)qvd::DAL_Next().TemplateLinhas(); }).numberAndSource(), "91 ");
}

TEST_F(Templates, AQueryThatDoesNotOpenIsRaisedNamingItsTable) {
  // A refusing data-access object leaves the record set unset: handed back, it would fail only later.
  auto recusa = std::make_shared<RecordingDataAccess>(dados);
  recusa->refuse = [](const std::string& sql) { return sql.find("LOTEMOVS") != std::string::npos; };
  bal->DataAccess(automation::Variant(recusa));
  ASSERT_NE(bal->TemplateLinhas(), nullptr);
  RaisedError erro = raisedBy([&] { (void)bal->TemplateLotes(); });
  EXPECT_EQ(erro.number, automation::db::dberr::ProviderError);
  EXPECT_NE(erro.description.find("empty query on LOTEMOVS"), std::string::npos) << erro.description;
}

}  // namespace
}  // namespace testing_support
