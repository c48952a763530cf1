#pragma once

#include <functional>
#include <initializer_list>
#include <memory>
#include <ostream>
#include <string>
#include <utility>

#include "company/Company.hpp"
#include "demo/StockSnapshot.hpp"
#include "foundation/cDocLotes.hpp"

namespace qvdtool {

// One run of the demo: the company, where it reports, and the day's settings.
struct DemoRun {
  CompanySession& session;
  std::ostream& out;
  std::string today;  // dd-mm-yyyy, the date of every document
  int16_t year;

  qvd::BAL_Next& bal() { return session.facade(); }
};

// Arrays as the library's callers pass them: lower bound 1, element i for line i.
qvd::BAL_Next::Texts texts(std::initializer_list<std::string> items);
qvd::BAL_Next::Numbers numbers(std::initializer_list<double> items);

// One lot quantity of a document line.
struct DemoLot {
  int16_t line;
  std::string article, lot;
  double quantity;
};
std::shared_ptr<qvd::cDocLotes> lotsOf(std::initializer_list<DemoLot> lots);

// The movement setting of the demo company: raw materials and finished goods in A1, the
// factory in A2, sector PROD, the document types EP, SC, DC, GR and GEF in series 1.
qvd::TipificacaoTransf demoMovements(const DemoRun& run);

// Runs one step: prints its title, runs `body`, which reports what it did and returns whether
// that is what should happen, then prints the stock the step moved.
bool demoStep(DemoRun& run, const std::string& title, const std::function<bool()>& body);

// Prints the document a member created, or the library's refusal; true when it was created.
bool reportCreated(DemoRun& run, bool ok, const qvd::KeyDocumNext& key);
// Prints the library's refusal of a document that should not go in; true when it was refused.
bool reportRefused(DemoRun& run, bool ok, const qvd::KeyDocumNext& key);

// The steps of the demo, in the order of a working day; each returns whether it did what it should.
bool demoQuote(DemoRun& run);
bool demoInvoiceWithOwnNumber(DemoRun& run);
bool demoCreditNote(DemoRun& run);
bool demoMultiWarehouseSale(DemoRun& run);
bool demoProductionEntry(DemoRun& run);
bool demoConsumptionAndReturn(DemoRun& run);
bool demoDeliveryNote(DemoRun& run);
bool demoCancelledTransaction(DemoRun& run);
bool demoFailedDocument(DemoRun& run);

}  // namespace qvdtool
