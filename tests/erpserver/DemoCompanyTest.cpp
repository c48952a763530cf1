#include <gtest/gtest.h>

#include <unistd.h>

#include "dataaccess/PostgresDataAccess.hpp"
#include "erpserver/Server.hpp"
#include "qvd/QvdProgram.hpp"
#include "support/ErrorOf.hpp"
#include "support/TestDatabases.hpp"

namespace {

// An existing company is only replaced on an explicit request, and creation leaves nothing else
// in the folder, named in UTF-8 with letters outside ASCII.
TEST(DemoCompany, AnExistingCompanyIsKeptUnlessReplacingIsAsked) {
  testing_support::TempFolder temp;
  const std::string folder = temp.file("Grüße");
  const auto file = temp.path() / u8"Grüße" / "SHOP.db";
  erpserver::createDemoCompany(folder, "SHOP");
  ASSERT_TRUE(dataaccess::SqliteDataAccess::open(temp.file("Grüße/SHOP.db"))
                  ->ExecutarSQL("", "UPDATE PARAMS SET NOMEEMP = 'Ours'"));
  EXPECT_THROW(erpserver::createDemoCompany(folder, "SHOP"), erpserver::CompanyExists);
  EXPECT_EQ(qvdtest::firstValue(file, "SELECT NOMEEMP FROM PARAMS"), "Ours");
  erpserver::createDemoCompany(folder, "SHOP", erpserver::ExistingCompany::Replace);
  EXPECT_NE(qvdtest::firstValue(file, "SELECT NOMEEMP FROM PARAMS"), "Ours");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp.path() / u8"Grüße"), {}), 1);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp.path()), {}), 1);
}

// A name outside the rule never reaches the file system or the server's SQL, on either engine:
// not quoted out of its identifier to drop another company, not cut by the server to another's.
TEST(DemoCompany, OnlyNamesOfTheRuleAreCreatedOrOpened) {
  using testing_support::TestEngine;
  for (TestEngine engine : testing_support::testEngines()) {
    testing_support::TempFolder folder;
    const bool server = engine == TestEngine::Postgres;
    const std::string location = server ? testing_support::testServer() : folder.path().string();
    const std::string victim = "qvd_victim_" + std::to_string(getpid());
    if (server) testing_support::onTestServer("CREATE DATABASE " + victim);
    const std::string longName(64, 'x');
    for (const std::string& name : {victim + "\" WITH (FORCE) --", std::string("a'b"), std::string("a;b"),
                                    std::string("a\nb"), std::string(".."), std::string("a/b"), std::string("é"),
                                    std::string(), longName}) {
      EXPECT_EQ(testing_support::errorOf([&] {
                  erpserver::createDemoCompany(location, name, erpserver::ExistingCompany::Replace);
                }),
                5)
          << name;
      std::string message;
      std::weak_ptr<erpserver::Login> login;
      EXPECT_NE(erpserver::Session::instance().join(location, name, "admin", "admin", message, login), 0);
      EXPECT_NE(message.find("use de 1 a 63 letras"), std::string::npos) << message;
    }
    EXPECT_TRUE(erpserver::isCompanyName(longName.substr(1)) && erpserver::isCompanyName("Shop-2_b"));
    if (server) {
      auto left = dataaccess::PostgresDataAccess::open(testing_support::testServer());
      automation::db::RecordsetRef rs;
      ASSERT_TRUE(left->AbrirRecordset("", "SELECT COUNT(*) FROM pg_database WHERE datname = '" + victim +
                                           "' OR datname LIKE 'xxxxxxxx%'", rs, -1, 0));
      EXPECT_EQ(rs->GetFields().Item(automation::Variant(int32_t{0})).Value().toLong(), 1);
      testing_support::dropTestDatabase(victim);
    } else {
      EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
    }
  }
}

}  // namespace
