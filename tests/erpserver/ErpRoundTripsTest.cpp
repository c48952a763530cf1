#include <gtest/gtest.h>

#include "platform/db/RoundTrips.hpp"
#include "support/ErpFixture.hpp"

// Waits on the server per call of the library, counted so that a change that adds some shows.
namespace testing_support {
namespace {

class ErpRoundTrips : public ErpTest {};

TEST_F(ErpRoundTrips, ATenLineInvoiceThroughTheLibraryCostsAtMostEight) {
  if (!onServer()) GTEST_SKIP() << "a file company makes no round trips";
  // Lot-controlled flour takes its lots from the ERP; the service line moves no stock.
  const Lines ten = {{"A001", 1}, {"A003", 1}, {"P001", 1}, {"S001", 1}, {"A001", 2},
                     {"A003", 2}, {"P001", 1}, {"A001", 3}, {"A003", 1}, {"A001", 1}};
  insertInvoice(ten);  // the first call prepares the statements and reads the master data
  int64_t before = automation::db::serverRoundTrips();
  qvd::KeyDocumNext key = insertInvoice(ten);
  int64_t used = automation::db::serverRoundTrips() - before;
  EXPECT_TRUE(exists(key));
  EXPECT_LE(used, 8);
}

}  // namespace
}  // namespace testing_support
