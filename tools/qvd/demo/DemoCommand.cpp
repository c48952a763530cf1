#include <cstdlib>
#include <iostream>

#include "cli/Arguments.hpp"
#include "cli/CommandError.hpp"
#include "cli/Format.hpp"
#include "cli/Verbs.hpp"
#include "demo/Demo.hpp"
#include "erpserver/Server.hpp"
#include "platform/Date.hpp"
#include "platform/Excerpt.hpp"
#include "platform/db/ServerAddress.hpp"
#include "platform/System.hpp"

namespace qvdtool {
namespace {

constexpr const char* kHelp =
    "usage: qvd demo [DIR|URI] [--log DIR]\n\n"
    "Creates a fresh demo company DEMO in the folder DIR (a new folder under the system's temporary\n"
    "folder when DIR is not given; DIR must not hold a company DEMO already), or as the database DEMO\n"
    "on the server a URI names (postgresql://USER@HOST:PORT/, without a database DEMO), and runs a day of work\n"
    "through the library, printing for each step the document as the ERP stored it - its key, its\n"
    "lines and their lots - and the stock it moved:\n"
    "  1. a sales quote with a text line\n"
    "  2. an invoice from arrays under a number of our own\n"
    "  3. a credit note for part of that invoice\n"
    "  4. an invoice served from two warehouses, with lots\n"
    "  5. a production entry costed from its elements\n"
    "  6. a consumption exit by lot, and a return of part of it\n"
    "  7. a delivery note for what was produced\n"
    "  8. two invoices in a transaction that is cancelled\n"
    "  9. a refused invoice that lands in the operation log OST_LOGNXTAPI.LOG, in the folder --log\n"
    "     names (by default DIR, or the current folder with a server)\n"
    "The company stays for qvd show and qvd stock. Exit code 0 when every step went as it should,\n"
    "1 otherwise.\n";

// The folder or server the demo company goes to.
std::string demoLocation(const Arguments& arguments) {
  if (!arguments.positional().empty()) {
    std::string location = arguments.positional()[0];
    std::filesystem::path file = automation::system::pathFromUtf8(location) / "DEMO.db";
    std::error_code ec;
    if (!automation::db::address::isServerUri(location) && std::filesystem::exists(file, ec))
      usageError(automation::text::quoted(automation::system::utf8FromPath(file)) + " exists: the demo needs a folder without a company DEMO");
    return location;
  }
  try {
    return automation::system::utf8FromPath(
        automation::system::createUniqueFolder(std::filesystem::temp_directory_path() / "qvd-demo-"));
  } catch (const std::filesystem::filesystem_error& e) {
    throw CommandError(exitcode::NoCompany, "cannot create a temporary folder for the demo: " + e.code().message() +
                                                "; name a folder for it");
  }
}

}  // namespace

int runDemo(const Words& words) {
  Arguments arguments(words, {"log"});
  if (arguments.wantsHelp()) {
    std::cout << kHelp;
    return exitcode::Ok;
  }
  arguments.expectPositional(0, 1);
  CompanyLogin login = CompanyLogin::at(demoLocation(arguments), arguments);
  try {
    erpserver::createDemoCompany(login.location, login.company);
  } catch (const erpserver::CompanyExists&) {
    usageError("there is a company DEMO on " + automation::text::quoted(login.shownLocation()) +
               " already: the demo needs a fresh one");
  }
  std::cout << "A day of work on the demo company in " << login.shownDatabase() << "\n";

  CompanySession session(login);
  automation::Date today = automation::Date::today();
  DemoRun run{session, std::cout, today.format("dd-mm-yyyy"), static_cast<int16_t>(today.parts().year)};
  bool (*const steps[])(DemoRun&) = {demoQuote,           demoInvoiceWithOwnNumber, demoCreditNote,
                                     demoMultiWarehouseSale, demoProductionEntry, demoConsumptionAndReturn,
                                     demoDeliveryNote,    demoCancelledTransaction, demoFailedDocument};
  int wrong = 0;
  for (auto step : steps) wrong += step(run) ? 0 : 1;

  std::string where = login.shownLocation();
  std::cout << "\n=== " << (wrong == 0 ? "Every step went as it should." : std::to_string(wrong) + " steps went wrong.")
            << "\nThe company stays in " << where << "; look at it with, for example:\n"
            << "  " << format::command({"qvd", "show", where, "FA", "2", std::to_string(run.year), "5001"}) << "\n"
            << "  " << format::command({"qvd", "stock", where, "A002"}) << "\n";
  return wrong == 0 ? exitcode::Ok : exitcode::NotAllDone;
}

}  // namespace qvdtool
