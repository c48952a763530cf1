#include <iostream>

#include "cli/Arguments.hpp"
#include "cli/CommandError.hpp"
#include "cli/Format.hpp"
#include "cli/Verbs.hpp"
#include "company/Company.hpp"
#include "company/CompanyCheck.hpp"
#include "erpserver/Server.hpp"
#include "platform/Excerpt.hpp"

namespace qvdtool {
namespace {

constexpr const char* kHelp =
    "usage: qvd init DIR|URI [--company NAME]\n\n"
    "Creates the company NAME (default DEMO) in the folder DIR, which is created when missing: the\n"
    "database file DIR/NAME.db with the demo data (articles, warehouses, clients, suppliers, document\n"
    "types and series, manufacturing orders) and the user admin with the password admin.\n"
    "With a server's URI (postgresql://USER@HOST:PORT/) the company is the database NAME on that\n"
    "server, created with the same data; USER must be allowed to create databases. The server's\n"
    "password comes from the URI, PGPASSWORD or ~/.pgpass.\n"
    "When the company exists already it is opened and checked, never replaced.\n"
    "Then prints how to log in.\n";

void printLogin(const CompanyLogin& login) {
  // The examples name the company as the user did; the default one goes without --company.
  std::vector<std::string> target{login.shownLocation()};
  if (login.company != "DEMO") target.insert(target.end(), {"--company", login.company});
  auto example = [&](const char* verb, std::vector<std::string> rest) {
    std::vector<std::string> words{"qvd", verb};
    words.insert(words.end(), target.begin(), target.end());
    words.insert(words.end(), rest.begin(), rest.end());
    return "  " + format::command(words) + "\n";
  };
  std::cout << "\nLog in as user " << erpserver::kDemoUser << " with password " << erpserver::kDemoPassword
            << " (the defaults of --user and --password), for example:\n"
            << example("stock", {"A001"}) << example("import", {"CAB.csv", "LIN.csv", "LOT.csv"})
            << example("show", {"FA", "1", "2024", "1"});
}

}  // namespace

int runInit(const Words& words) {
  Arguments arguments(words, {"company"});
  if (arguments.wantsHelp()) {
    std::cout << kHelp;
    return exitcode::Ok;
  }
  arguments.expectPositional(1, 1);
  CompanyLogin login = CompanyLogin::from(arguments);
  std::string shown = login.shownDatabase();
  bool created = false;
  // Tried even when the company is there: creating clears what an interrupted init left.
  try {
    erpserver::createDemoCompany(login.location, login.company);
    created = true;
  } catch (const erpserver::CompanyExists&) {
    // It was there already, or another init got there first: check what is there, as below.
  } catch (const std::exception& e) {
    throw CommandError(exitcode::NoCompany, "cannot create " + automation::text::quoted(shown) + ": " + e.what());
  }
  if (!login.onServer()) {
    if (std::string problem = companyFileProblem(login.database()); !problem.empty())
      throw CommandError(exitcode::NoCompany, problem);
  }
  std::string name;
  try {
    name = companyName(*openCompanyDatabase(login));
  } catch (const std::exception& e) {
    throw CommandError(exitcode::NoCompany,
                       automation::text::quoted(shown) + " is not a company database: " + e.what());
  }
  if (created)
    std::cout << "Created company " << login.company << " with the demo data in " << shown << "\n";
  else
    std::cout << "Company " << login.company << " exists in " << login.shownLocation() << ": " << name << "\n";
  printLogin(login);
  return exitcode::Ok;
}

}  // namespace qvdtool
