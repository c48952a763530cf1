#include <iostream>

#include "Arguments.hpp"
#include "CommandError.hpp"
#include "Company.hpp"
#include "CompanyCheck.hpp"
#include "Verbs.hpp"
#include "erpserver/schema/DemoCompany.hpp"

namespace qvdtool {
namespace {

constexpr const char* kHelp =
    "usage: qvd init DIR [--company NAME]\n\n"
    "Creates the company NAME (default DEMO) in the folder DIR, which is created when missing: the\n"
    "database file DIR/NAME.db with the demo data (articles, warehouses, clients, suppliers, document\n"
    "types and series, manufacturing orders) and the user admin with the password admin.\n"
    "When DIR/NAME.db exists already it is opened and checked, never replaced.\n"
    "Then prints how to log in.\n";

void checkCompanyName(const std::string& name) {
  if (name.empty() || name.find_first_of("/\\") != std::string::npos || name == "." || name == "..")
    usageError("'" + name + "' cannot be a company name: use letters, digits, '-' or '_'");
}

void printLogin(const CompanyLogin& login) {
  std::string where = login.folder.string() + (login.company == "DEMO" ? "" : " --company " + login.company);
  std::cout << "\nLog in as user " << erpserver::kDemoUser << " with password " << erpserver::kDemoPassword
            << " (the defaults of --user and --password), for example:\n"
            << "  qvd stock " << where << " A001\n"
            << "  qvd import " << where << " CAB.csv LIN.csv LOT.csv\n"
            << "  qvd show " << where << " FA 1 2024 1\n";
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
  checkCompanyName(login.company);
  std::string file = login.databaseFile().string();
  std::error_code ec;
  bool created = false;
  if (!std::filesystem::exists(login.databaseFile(), ec)) {
    try {
      erpserver::createDemoCompany(login.folder.string(), login.company);
      created = true;
    } catch (const erpserver::CompanyExists&) {
      // Another init got there first: check what it made, as below.
    } catch (const std::exception& e) {
      throw CommandError(exitcode::NoCompany, "cannot create '" + file + "': " + e.what());
    }
  }
  if (std::string problem = companyFileProblem(login.databaseFile()); !problem.empty())
    throw CommandError(exitcode::NoCompany, problem);
  if (created)
    std::cout << "Created company " << login.company << " with the demo data in " << file << "\n";
  else
    std::cout << "Company " << login.company << " exists in " << login.folder.string() << ": "
              << companyName(*dataaccess::SqliteDataAccess::open(file)) << "\n";
  printLogin(login);
  return exitcode::Ok;
}

}  // namespace qvdtool
