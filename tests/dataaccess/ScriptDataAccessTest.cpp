#include <gtest/gtest.h>

#include "dataaccess/ScriptDataAccess.hpp"
#include "erpserver/schema/DemoCompany.hpp"
#include "support/ErpFixture.hpp"

using automation::invoke;
using automation::propGet;
using automation::Variant;
using testing_support::raisedBy;

namespace {

using ScriptDataAccessTest = testing_support::CompanyTest;

// A script host makes the object by name, opens the company file with Abrir and hands the object
// to the facade, which reaches the database through it.
TEST_F(ScriptDataAccessTest, OpensTheCompanyByNameAndServesTheFacade) {
  if (onServer()) GTEST_SKIP() << "a company file only";
  automation::ObjectRef dados = std::make_shared<dataaccess::ScriptDataAccess>();

  auto early = raisedBy([&] { (void)std::static_pointer_cast<qvd::IDataAccess>(dados)->EmTransaccao(); });
  EXPECT_EQ(early.number, 91);
  EXPECT_NE(early.description.find("Abrir"), std::string::npos) << early.description;

  std::string missing = (folder / "NONE.db").string();
  EXPECT_FALSE(invoke(dados, "Abrir", missing).toBool());
  EXPECT_NE(propGet(dados, "UltimoErroBD").toString().find(missing), std::string::npos);

  EXPECT_TRUE(invoke(dados, "abrir", (folder / "DEMO.db").string()).toBool());
  EXPECT_EQ(propGet(dados, "UltimoErroBD").toString(), "");
  qvd::BAL_Next bal;
  bal.DataAccess(Variant(dados));
  ASSERT_TRUE(bal.ApiInicia(location, logFolder().string(), company, erpserver::kDemoUser, erpserver::kDemoPassword))
      << bal.ErroDescricao();
  EXPECT_TRUE(bal.ApiTermina());
}

}  // namespace
