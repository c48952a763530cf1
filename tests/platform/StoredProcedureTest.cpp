#include <gtest/gtest.h>

#include "platform/Text.hpp"
#include "platform/db/Command.hpp"
#include "support/ErrorOf.hpp"
#include "support/SampleTables.hpp"
#include "support/TempFolder.hpp"

using automation::Date;
using automation::Variant;
using automation::db::Command;
using automation::db::CommandType;
using automation::db::ConnectionRef;
using automation::db::DataType;
using automation::db::ParameterDirection;
using automation::db::RecordsetRef;
using testing_support::errorOf;
using testing_support::raisedBy;

namespace {

class StoredProcedure : public ::testing::Test {
 protected:
  void SetUp() override {
    connection = automation::db::Connection::open(folder.file("erp.db"));
    connection->Execute(testing_support::kSampleTables);
    connection->Execute(
        "INSERT INTO ARTARM VALUES ('PARAF', 'A1', 40), ('PARAF', 'A2', 5), ('TINTA', 'A1', 3);"
        "INSERT INTO ORDENSFAB VALUES (1, 1, '2024-01-10', 10), (2, 2, '2024-02-10', 20), (3, 1, '2024-03-10', 30)");
  }

  // A command on the procedure, its parameters created and appended first and given their values
  // by name afterwards, as the library does.
  std::shared_ptr<Command> procedure(const std::string& name,
                                     std::vector<std::tuple<std::string, DataType, int32_t, Variant>> parameters) {
    auto command = std::make_shared<Command>();
    command->SetCommandText(name);
    command->SetCommandType(CommandType::StoredProc);
    command->SetActiveConnection(connection);
    for (const auto& [pname, type, size, value] : parameters) {
      command->GetParameters().Append(command->CreateParameter(pname, type, ParameterDirection::Input, size));
    }
    for (const auto& [pname, type, size, value] : parameters) command->GetParameters()[pname].SetValue(value);
    return command;
  }

  RecordsetRef stock(const std::string& article, const std::string& warehouse) {
    auto size = [](const std::string& s) { return static_cast<int32_t>(automation::text::length(s)); };
    return procedure("sp_ost_get_artigoarmazem", {{"Artigo", DataType::VarChar, size(article), Variant(article)},
                                                  {"Armazem", DataType::VarChar, size(warehouse), Variant(warehouse)}})
        ->Execute();
  }

  std::vector<int32_t> orders(int32_t filter, const Variant& date) {
    RecordsetRef rs = procedure("sp_ost_Get_ORDENSFABRICO",
                                {{"Tipo", DataType::Integer, 0, Variant(filter)}, {"Data", DataType::Date, 0, date}})
                          ->Execute();
    std::vector<int32_t> numbers;
    for (; !rs->Eof(); rs->MoveNext()) numbers.push_back(rs->value("NUMERO").toLong());
    return numbers;
  }

  RecordsetRef swap(int32_t first, int32_t second) {
    return procedure("SP_OST_ORDEMFABRICO_TROCASEQ", {{"Ordem1", DataType::Integer, 0, Variant(first)},
                                                      {"Ordem2", DataType::Integer, 0, Variant(second)}})
        ->Execute();
  }

  testing_support::TempFolder folder;
  ConnectionRef connection;
};

}  // namespace

TEST_F(StoredProcedure, TextParametersAreBoundByNameWithinTheirSize) {
  RecordsetRef rs = stock("PARAF", "A2");
  ASSERT_EQ(rs->RecordCount(), 1);
  EXPECT_EQ(rs->value("EXISTENC"), Variant(5.0));
  EXPECT_EQ(stock("PARAF' OR '1'='1", "A1")->RecordCount(), 0);  // a value never becomes SQL
  EXPECT_EQ(stock("", "A1")->RecordCount(), 0);

  auto command = procedure("sp_ost_Get_ARTIGOARMAZEM", {{"@Artigo", DataType::VarChar, 5, Variant("TINTA")},
                                                        {"Armazem", DataType::VarChar, 2, Variant("A1")}});
  EXPECT_EQ(command->GetParameters().Item(Variant(int32_t{0})).Name(), "@Artigo");
  EXPECT_EQ(command->GetParameters()["artigo"].Value(), Variant("TINTA"));
  EXPECT_EQ(command->Execute()->value("EXISTENC"), Variant(3.0));
  command->GetParameters()["Artigo"].SetValue("TINTAS");
  auto tooLong = raisedBy([&] { command->Execute(); });
  EXPECT_NE(tooLong.description.find("size of 5"), std::string::npos);

  EXPECT_EQ(errorOf([&] { (void)command->GetParameters()["Lote"]; }), 3265);
  EXPECT_EQ(errorOf([&] {
              command->GetParameters().Append(
                  command->CreateParameter("ARMAZEM", DataType::VarChar, ParameterDirection::Input, 2));
            }),
            3367);
}

TEST_F(StoredProcedure, IntegerAndDateParametersIncludingANullDate) {
  EXPECT_EQ(orders(0, Variant::null()), (std::vector<int32_t>{1, 2, 3}));
  EXPECT_EQ(orders(1, Variant::null()), (std::vector<int32_t>{1, 3}));
  EXPECT_EQ(orders(0, Variant(Date::fromParts(2024, 2, 10))), (std::vector<int32_t>{1, 2}));
  EXPECT_EQ(orders(1, Variant("2024-02-10")), (std::vector<int32_t>{1}));  // text converted to the date type
}

TEST_F(StoredProcedure, AManyStatementBodyRunsAllOrNothingAndReturnsAClosedRecordSet) {
  RecordsetRef result = swap(1, 3);
  EXPECT_FALSE(result->IsOpen());
  EXPECT_EQ(orders(0, Variant::null()), (std::vector<int32_t>{3, 2, 1}));

  auto failed = raisedBy([&] { swap(3, 99); });  // the last statement cannot find order 99
  EXPECT_EQ(failed.number, automation::db::dberr::ProviderError);
  EXPECT_EQ(orders(0, Variant::null()), (std::vector<int32_t>{3, 2, 1}));

  connection->BeginTrans();
  swap(2, 3);
  EXPECT_TRUE(connection->InTransaction());
  connection->RollbackTrans();
  EXPECT_EQ(orders(0, Variant::null()), (std::vector<int32_t>{3, 2, 1}));
}

TEST_F(StoredProcedure, AnUnknownProcedureOrAMissingConnectionIsRefused) {
  auto unknown = raisedBy([&] { procedure("sp_nao_existe", {})->Execute(); });
  EXPECT_EQ(unknown.number, automation::db::dberr::ProviderError);
  EXPECT_NE(unknown.description.find("sp_nao_existe"), std::string::npos);

  Command command;
  command.SetCommandText("sp_ost_Get_ORDENSFABRICO");
  command.SetCommandType(CommandType::StoredProc);
  EXPECT_EQ(errorOf([&] { command.Execute(); }), 3709);
}
