#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "erpserver/store/Database.hpp"
#include "erpserver/store/Session.hpp"
#include "platform/db/ServerAddress.hpp"
#include "support/ErpFixture.hpp"

// A company on a server whose connection breaks in the middle of the work.
namespace testing_support {
namespace {

namespace address = automation::db::address;
using ServerConnection = ErpTest;

TEST_F(ServerConnection, AKilledConnectionLosesTheUncommittedDocumentsWholeAndTheCallerHearsAtOnce) {
  if (!onServer()) GTEST_SKIP() << "a company file has no connection to break";
  qvd::KeyDocumNext committed = insertInvoice();
  erpserver::Session::instance().beginGroup(true);
  qvd::KeyDocumNext inGroup = insertInvoice();
  // Every connection to the company but the one the test reads through.
  onTestServer("SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE datname = '" + company +
               "' AND pid <> " + scalar("SELECT pg_backend_pid()"));

  auto start = std::chrono::steady_clock::now();
  qvd::KeyDocumNext key;
  RaisedError raised = raisedBy([&] { EXPECT_FALSE(insertSale(*bal, key)); });
  // The caller hears that the server went away, where it was, and what to do; never the password.
  const std::string where = "\"" + address::withoutPassword(address::withDatabase(location, company)) + "\" was lost";
  auto saysLost = [&](const std::string& message) {
    EXPECT_NE(message.find("The connection to the database server " + where), std::string::npos) << message;
    EXPECT_NE(message.find("open the company again"), std::string::npos) << message;
    if (address::withoutPassword(location) != location) {
      EXPECT_EQ(message.find(location.substr(0, location.find('@'))), std::string::npos) << message;
    }
  };
  saysLost(raised.number ? raised.description : bal->ErroDescricao());
  try {
    erpserver::Session::instance().commitGroup();
    ADD_FAILURE() << "a group on a lost connection was committed";
  } catch (const std::exception& e) {
    saysLost(e.what());
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));

  EXPECT_TRUE(exists(committed));
  EXPECT_FALSE(exists(inGroup));
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM DOCGCCAB"), "1");
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM DOCGCLIN"), "2");
  EXPECT_EQ(counter("FA"), "1");
}

// A writer does not wait for good behind a session that holds the company's writer lock and
// stands still: past the lock timeout (here one second, set through the URI) it fails, saying why.
TEST_F(ServerConnection, AWriterBehindAStuckSessionGivesUpAfterTheLockTimeout) {
  if (!onServer()) GTEST_SKIP() << "a company file's writers wait on the file, not on a server's lock";
  qvd::BAL_Next impatient;
  impatient.DataAccess(automation::Variant(openCompany()));
  const std::string withTimeout = location + (location.find('?') == std::string::npos ? "?" : "&") +
                                  "options=-c%20lock_timeout%3D1s";
  ASSERT_TRUE(impatient.ApiInicia(withTimeout, logFolder().string(), company, erpserver::kDemoUser,
                                  erpserver::kDemoPassword))
      << impatient.ErroDescricao();
  auto stuck = erpserver::sql::Database::open(address::withDatabase(location, company), false);
  stuck->beginGroup(true);

  // Logging in only reads: opening the company again does not wait behind the stuck writer.
  auto start = std::chrono::steady_clock::now();
  qvd::BAL_Next latecomer;
  latecomer.DataAccess(automation::Variant(openCompany()));
  EXPECT_TRUE(latecomer.ApiInicia(withTimeout + "&application_name=late", logFolder().string(), company,
                                  erpserver::kDemoUser, erpserver::kDemoPassword))
      << "\"" << latecomer.ErroDescricao() << "\"";
  latecomer.ApiTermina();

  qvd::KeyDocumNext key;
  RaisedError raised = raisedBy([&] { EXPECT_FALSE(insertSale(impatient, key)); });
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  const std::string message = raised.number ? raised.description : impatient.ErroDescricao();
  EXPECT_NE(message.find("Another session has held the writer lock of the database"), std::string::npos) << message;
  EXPECT_NE(message.find("longer than 1s"), std::string::npos) << message;

  // Once the stuck session lets go, the same writer goes on.
  stuck.reset();
  EXPECT_TRUE(insertSale(impatient, key)) << impatient.ErroDescricao();
  impatient.ApiTermina();
}

}  // namespace
}  // namespace testing_support
