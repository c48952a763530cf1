#include <gtest/gtest.h>

#include "erpserver/schema/DemoCompany.hpp"
#include "qvd/QvdProgram.hpp"

namespace {

// An existing company is only replaced on an explicit request, and creation leaves nothing else
// in the folder.
TEST(DemoCompany, AnExistingCompanyIsKeptUnlessReplacingIsAsked) {
  testing_support::TempFolder folder;
  auto file = folder.path() / "SHOP.db";
  erpserver::createDemoCompany(folder.path().string(), "SHOP");
  ASSERT_TRUE(dataaccess::SqliteDataAccess::open(file.string())->ExecutarSQL("", "UPDATE PARAMS SET NOMEEMP = 'Ours'"));
  EXPECT_THROW(erpserver::createDemoCompany(folder.path().string(), "SHOP"), erpserver::CompanyExists);
  EXPECT_EQ(qvdtest::firstValue(file, "SELECT NOMEEMP FROM PARAMS"), "Ours");
  erpserver::createDemoCompany(folder.path().string(), "SHOP", erpserver::ExistingCompany::Replace);
  EXPECT_NE(qvdtest::firstValue(file, "SELECT NOMEEMP FROM PARAMS"), "Ours");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

}  // namespace
