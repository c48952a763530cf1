#include <gtest/gtest.h>

#include "platform/db/Catalog.hpp"
#include "platform/db/Connection.hpp"
#include "support/ErrorOf.hpp"
#include "support/SampleTables.hpp"
#include "support/TempFolder.hpp"

using automation::Date;
using automation::Variant;
using automation::db::Catalog;
using automation::db::ConnectionRef;
using automation::db::DataType;
using automation::db::NamedValue;
using automation::db::RecordsetRef;
using testing_support::errorOf;
using testing_support::raisedBy;
namespace fieldattr = automation::db::fieldattr;

namespace {

class Database : public ::testing::Test {
 protected:
  void SetUp() override {
    connection = automation::db::Connection::open(folder.file("erp.db"));
    connection->Execute(testing_support::kSampleTables);
  }
  int64_t count(const std::string& table) {
    return connection->Execute("SELECT COUNT(*) AS N FROM " + table)->value("N").toLong();
  }

  testing_support::TempFolder folder;
  ConnectionRef connection;
};

}  // namespace

TEST_F(Database, ColumnsAreTypedFromTheirDeclarationsAndValuesComeBackAsStored) {
  // Parameters named with or without "@", in any letter case.
  NamedValue values[] = {{"@tpdoc", Variant("FT")},       {"serie", Variant(int16_t{1})},
                         {"ano", Variant(int16_t{2024})}, {"nnumdoc", Variant(int32_t{17})},
                         {"terceiro", Variant::null()},   {"data", Variant(Date::fromParts(2024, 2, 29))},
                         {"total", Variant(12.75)},       {"observ", Variant("Cliente d'Ávila; \"urgente\"")}};
  connection->Execute(
      "INSERT INTO DOCGCCAB (TPDOC, SERIE, ANO, NNUMDOC, TERCEIRO, DATA, TOTAL, OBSERV) "
      "VALUES (@TPDOC, @Serie, @Ano, @NNumDoc, @Terceiro, @Data, @Total, @Observ)",
      values);

  RecordsetRef rs = connection->Execute("SELECT *, TOTAL * 2 AS DOBRO FROM DOCGCCAB");
  ASSERT_EQ(rs->RecordCount(), 1);
  auto fields = rs->GetFields();
  EXPECT_EQ(fields["TPDOC"].DefinedSize(), 5);
  EXPECT_EQ(fields["TPDOC"].Attributes() & (fieldattr::KeyColumn | fieldattr::IsNullable), fieldattr::KeyColumn);
  std::vector<DataType> types;
  for (const char* name : {"TPDOC", "SERIE", "NNUMDOC", "DATA", "TOTAL", "OBSERV", "DOBRO"})
    types.push_back(fields[name].Type());
  EXPECT_EQ(types, (std::vector<DataType>{DataType::VarWChar, DataType::SmallInt, DataType::Integer, DataType::Date,
                                          DataType::Double, DataType::LongVarWChar, DataType::Double}));
  EXPECT_FALSE(fields["DOBRO"].Attributes() & fieldattr::Updatable);

  for (const NamedValue& v : values) EXPECT_EQ(rs->value(v.name.substr(v.name[0] == '@')), v.value) << v.name;
  EXPECT_TRUE(rs->value("IVAINC").isNull());
  EXPECT_EQ(rs->value("DOBRO"), Variant(25.5));
}

TEST_F(Database, TheStatementsOfOneTextAllRunOrNoneDoEvenInsideAnOpenTransaction) {
  auto failed =
      raisedBy([&] { connection->Execute("INSERT INTO NOTAS VALUES ('a', 1); INSERT INTO NAOHA VALUES (2)"); });
  EXPECT_EQ(failed.number, automation::db::dberr::ProviderError);
  EXPECT_NE(failed.description.find("no such table: NAOHA"), std::string::npos);
  EXPECT_EQ(connection->lastError(), failed.description);
  EXPECT_EQ(count("NOTAS"), 0);
  EXPECT_FALSE(connection->InTransaction());

  connection->BeginTrans();
  connection->Execute("INSERT INTO NOTAS VALUES ('kept', 1)");
  EXPECT_NE(errorOf([&] { connection->Execute("INSERT INTO NOTAS VALUES ('b', 2); SELECT * FROM NAOHA"); }), 0);
  EXPECT_TRUE(connection->InTransaction());
  EXPECT_EQ(count("NOTAS"), 1);
  connection->RollbackTrans();
  EXPECT_EQ(count("NOTAS"), 0);

  auto unbound = raisedBy([&] { connection->Execute("SELECT * FROM NOTAS WHERE TEXTO = @Texto"); });
  EXPECT_NE(unbound.description.find("@Texto"), std::string::npos);
}

TEST_F(Database, TheCatalogDescribesATableFromTheDatabaseItself) {
  Catalog catalog;
  EXPECT_EQ(errorOf([&] { (void)catalog.Tables("DOCGCCAB"); }), 3709);
  catalog.SetActiveConnection(connection);

  auto table = catalog.Tables("docgccab");
  EXPECT_EQ(table.Name(), "DOCGCCAB");
  std::vector<std::string> names;
  for (const auto& c : table.Columns()) names.push_back(c.name);
  EXPECT_EQ(names, (std::vector<std::string>{"TPDOC", "SERIE", "ANO", "NNUMDOC", "TERCEIRO", "DATA", "TOTAL", "IVAINC",
                                             "OBSERV"}));
  const auto& terceiro = table.Columns()[4];
  EXPECT_EQ(terceiro.type, DataType::VarWChar);
  EXPECT_EQ(terceiro.definedSize, 15);
  EXPECT_EQ(terceiro.attributes & (fieldattr::IsNullable | fieldattr::KeyColumn), fieldattr::IsNullable);
  const auto& serie = table.Columns()[1];
  EXPECT_EQ(serie.type, DataType::SmallInt);
  EXPECT_EQ(serie.attributes & (fieldattr::IsNullable | fieldattr::KeyColumn | fieldattr::Fixed),
            fieldattr::KeyColumn | fieldattr::Fixed);

  EXPECT_FALSE(catalog.HasTable("DOCGCCABX"));
  auto missing = raisedBy([&] { (void)catalog.Tables("DOCGCCABX"); });
  EXPECT_EQ(missing.number, 3265);
  EXPECT_NE(missing.description.find("DOCGCCABX"), std::string::npos);
}
