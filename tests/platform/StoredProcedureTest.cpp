#include <gtest/gtest.h>

#include "platform/Text.hpp"
#include "platform/db/Command.hpp"
#include "support/ErpFixture.hpp"

namespace testing_support {
namespace {

using automation::db::Command;
using automation::db::CommandType;
using automation::db::DataType;
using automation::db::ParameterDirection;
using automation::db::RecordsetRef;

// The company's own procedures, run by a command on the caller's connection.
class StoredProcedure : public CompanyTest {
 protected:
  void SetUp() override {
    CompanyTest::SetUp();
    ASSERT_TRUE(dados->ObterLigacao(connection));
  }

  // A command on the procedure, its parameters created and appended first and given their values
  // by name afterwards, as the library does.
  std::shared_ptr<Command> procedure(const std::string& name,
                                     std::vector<std::tuple<std::string, DataType, int32_t, Variant>> parameters) {
    auto command = std::make_shared<Command>();
    command->SetCommandText(name);
    command->SetCommandType(CommandType::StoredProc);
    command->SetActiveConnection(connection);
    for (const auto& [pname, type, size, value] : parameters)
      command->GetParameters().Append(command->CreateParameter(pname, type, ParameterDirection::Input, size));
    for (const auto& [pname, type, size, value] : parameters) command->GetParameters()[pname].SetValue(value);
    return command;
  }

  RecordsetRef stock(const std::string& article, const std::string& warehouse) {
    auto size = [](const std::string& s) { return static_cast<int32_t>(automation::text::length(s)); };
    return procedure("sp_ost_get_artigoarmazem", {{"Artigo", DataType::VarChar, size(article), Variant(article)},
                                                  {"Armazem", DataType::VarChar, size(warehouse), Variant(warehouse)}})
        ->Execute();
  }

  std::string orders(int32_t filter, const Variant& date) {
    RecordsetRef rs = procedure("sp_ost_Get_ORDENSFABRICO",
                                {{"Tipo", DataType::Integer, 0, Variant(filter)}, {"Data", DataType::Date, 0, date}})
                          ->Execute();
    std::string numbers;
    for (; !rs->Eof(); rs->MoveNext()) numbers += (numbers.empty() ? "" : ",") + rs->value("ORDEMID").toString();
    return numbers;
  }

  void swap(int32_t first, int32_t second) {
    procedure("SP_OST_ORDEMFABRICO_TROCASEQ",
              {{"Ordem1", DataType::Integer, 0, Variant(first)}, {"Ordem2", DataType::Integer, 0, Variant(second)}})
        ->Execute();
  }

  automation::db::ConnectionRef connection;
};

TEST_F(StoredProcedure, TextParametersAreBoundByNameWithinTheirSize) {
  RecordsetRef rs = stock("A001", "A2");
  ASSERT_EQ(rs->RecordCount(), 1);
  EXPECT_EQ(rs->value("EXISTENC"), Variant(50.0));
  EXPECT_EQ(stock("A001' OR '1'='1", "A1")->RecordCount(), 0);  // a value never becomes SQL
  EXPECT_EQ(stock("", "A1")->RecordCount(), 0);

  auto command = procedure("sp_ost_Get_ARTIGOARMAZEM", {{"@Artigo", DataType::VarChar, 4, Variant("A002")},
                                                        {"Armazem", DataType::VarChar, 2, Variant("A1")}});
  EXPECT_EQ(command->GetParameters().Item(Variant(int32_t{0})).Name(), "@Artigo");
  EXPECT_EQ(command->GetParameters()["artigo"].Value(), Variant("A002"));
  EXPECT_EQ(command->Execute()->value("ARTIGO"), Variant("A002"));
  command->GetParameters()["Artigo"].SetValue("A0021");
  EXPECT_NE(raisedBy([&] { command->Execute(); }).description.find("size of 4"), std::string::npos);

  EXPECT_EQ(errorOf([&] { (void)command->GetParameters()["Lote"]; }), 3265);
  EXPECT_EQ(errorOf([&] {
              command->GetParameters().Append(
                  command->CreateParameter("ARMAZEM", DataType::VarChar, ParameterDirection::Input, 2));
            }),
            3367);
}

TEST_F(StoredProcedure, IntegerAndDateParametersAndASequenceSwapOfBothOrdersOrNeither) {
  EXPECT_EQ(orders(4, Variant("2024-02-09")), "3");  // text converted to the date type
  swap(1, 5);
  EXPECT_EQ(orders(0, Variant::null()), "5,2,3,4,1,6");
  swap(2, 99);
  EXPECT_EQ(orders(0, Variant::null()), "5,2,3,4,1,6");
  connection->BeginTrans();
  swap(2, 3);
  EXPECT_TRUE(connection->InTransaction());
  connection->RollbackTrans();
  EXPECT_EQ(orders(0, Variant::null()), "5,2,3,4,1,6");
}

}  // namespace
}  // namespace testing_support
