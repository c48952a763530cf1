#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "erpserver/store/Session.hpp"
#include "support/ErpFixture.hpp"

// A company on a server whose connection breaks in the middle of the work.
namespace testing_support {
namespace {

using ServerConnection = ErpTest;

TEST_F(ServerConnection, AKilledConnectionLosesTheUncommittedDocumentsWholeAndTheCallerHearsAtOnce) {
  if (!onServer()) GTEST_SKIP() << "a company file has no connection to break";
  qvd::KeyDocumNext committed = insertInvoice();
  erpserver::Session::instance().beginGroup();
  qvd::KeyDocumNext inGroup = insertInvoice();
  // Every connection to the company but the one the test reads through.
  onTestServer("SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE datname = '" + company +
               "' AND pid <> " + scalar("SELECT pg_backend_pid()"));

  auto start = std::chrono::steady_clock::now();
  LineArrays a({{"A001", 1}});
  qvd::KeyDocumNext key;
  RaisedError raised = raisedBy([&] {
    EXPECT_FALSE(bal->CF_DocGenInserir(qvd::NaoAplicavel, qvd::tpDefault, "FA", "S1", 1, "C001", "", "", "15-03-2024",
                                       "", "A1", false, "", a.sArtigo, a.sNome, a.dQuant, a.dPrUnit, a.sNotas, key));
  });
  EXPECT_FALSE((raised.number ? raised.description : bal->ErroDescricao()).empty());
  EXPECT_THROW(erpserver::Session::instance().commitGroup(), std::exception);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));

  EXPECT_TRUE(exists(committed));
  EXPECT_FALSE(exists(inGroup));
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM DOCGCCAB"), "1");
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM DOCGCLIN"), "2");
  EXPECT_EQ(counter("FA"), "1");
}

}  // namespace
}  // namespace testing_support
