#include <gtest/gtest.h>

#include "dataaccess/SqliteDataAccess.hpp"
#include "erpserver/DemoCompany.hpp"
#include "support/TempFolder.hpp"

namespace {

namespace fs = std::filesystem;

std::string companyName(const fs::path& file) {
  auto data = dataaccess::SqliteDataAccess::open(file.string());
  automation::db::RecordsetRef rs;
  EXPECT_TRUE(data->AbrirRecordset("", "SELECT NOMEEMP FROM PARAMS", rs, -1, 0)) << data->UltimoErroBD();
  return rs->value("NOMEEMP").toString();
}

// An existing company is only replaced on an explicit request, and creation leaves nothing else
// in the folder.
TEST(DemoCompany, AnExistingCompanyIsKeptUnlessReplacingIsAsked) {
  testing_support::TempFolder folder;
  fs::path file = folder.path() / "SHOP.db";
  erpserver::createDemoCompany(folder.path().string(), "SHOP");
  {
    auto data = dataaccess::SqliteDataAccess::open(file.string());
    ASSERT_TRUE(data->ExecutarSQL("", "UPDATE PARAMS SET NOMEEMP = 'Our own data'")) << data->UltimoErroBD();
  }
  EXPECT_THROW(erpserver::createDemoCompany(folder.path().string(), "SHOP"), erpserver::CompanyExists);
  EXPECT_EQ(companyName(file), "Our own data");

  erpserver::createDemoCompany(folder.path().string(), "SHOP", erpserver::ExistingCompany::Replace);
  EXPECT_NE(companyName(file), "Our own data");
  for (const auto& entry : fs::directory_iterator(folder.path()))
    EXPECT_EQ(entry.path().filename().string().find(".new-"), std::string::npos) << entry.path();
}

}  // namespace
