#include "company/Company.hpp"

#include <algorithm>

#include "cli/Arguments.hpp"
#include "cli/CommandError.hpp"
#include "cli/Format.hpp"
#include "company/CompanyCheck.hpp"
#include "dataaccess/PostgresDataAccess.hpp"
#include "dataaccess/SqliteDataAccess.hpp"
#include "erpserver/Registration.hpp"
#include "erpserver/Server.hpp"
#include "platform/AutomationError.hpp"
#include "platform/Excerpt.hpp"
#include "platform/db/ServerAddress.hpp"
#include "platform/System.hpp"

namespace qvdtool {

namespace fs = std::filesystem;
namespace address = automation::db::address;
namespace text = automation::text;

CompanyLogin CompanyLogin::at(const std::string& location, const Arguments& arguments) {
  CompanyLogin login;
  login.location = location;
  login.logFolder = automation::system::pathFromUtf8(arguments.option("log", login.onServer() ? "." : location));
  return login;
}

CompanyLogin CompanyLogin::from(const Arguments& arguments) {
  CompanyLogin login = at(arguments.positional().at(0), arguments);
  login.company = arguments.option("company", login.company);
  if (!erpserver::isCompanyName(login.company))
    usageError("'" + erpserver::shownCompanyName(login.company) + "' cannot be a company name: use " +
               erpserver::kCompanyNameRule);
  login.user = arguments.option("user", login.user);
  login.password = arguments.option("password", login.password);
  return login;
}

bool CompanyLogin::onServer() const { return address::isServerUri(location); }

std::string CompanyLogin::database() const {
  return onServer() ? address::withDatabase(location, company) : automation::system::utf8FromPath(automation::system::pathFromUtf8(location) /
                                                                          automation::system::pathFromUtf8(company + ".db"));
}

std::string CompanyLogin::shownLocation() const { return onServer() ? address::withoutPassword(location) : location; }

std::string CompanyLogin::shownDatabase() const { return onServer() ? address::withoutPassword(database()) : database(); }

void registerErpServer() {
  static bool registered = false;
  if (registered) return;
  erpserver::registerServer();
  registered = true;
}

std::string companyName(dataaccess::DatabaseDataAccess& data) {
  automation::db::RecordsetRef rs;
  if (!data.AbrirRecordset("", "SELECT NOMEEMP FROM PARAMS", rs, -1, 0) || rs->Eof())
    automation::raise(automation::errnum::InvalidArgument, "no company parameters");
  return rs->value("NOMEEMP").toString();
}

std::shared_ptr<dataaccess::DatabaseDataAccess> openCompanyDatabase(const CompanyLogin& login) {
  if (login.onServer()) return dataaccess::PostgresDataAccess::open(login.database());
  return dataaccess::SqliteDataAccess::open(login.database());
}

namespace {

[[noreturn]] void refuse(const std::string& message) { throw CommandError(exitcode::NoCompany, message); }

// The companies of a folder, for a user who misspelt one: its database files. Hidden files are
// none, such as the new company an interrupted init left.
std::string companiesIn(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(automation::system::pathFromUtf8(folder), ec), end; !ec && it != end; it.increment(ec)) {
    std::string name = automation::system::utf8FromPath(it->path().filename());
    std::error_code kind;
    if (name.ends_with(".db") && !name.starts_with(".") && it->is_regular_file(kind))
      names.push_back(name.substr(0, name.size() - 3));
  }
  std::sort(names.begin(), names.end());
  std::string list;
  for (const std::string& name : names) list += (list.empty() ? "" : ", ") + text::quoted(name);
  return list.empty() ? "it holds none" : "it holds " + automation::text::excerpt(list, 200);
}

// The folder and the company's file must exist: opening a missing file would create an empty one.
void checkFiles(const CompanyLogin& login) {
  std::error_code ec;
  if (!fs::is_directory(automation::system::pathFromUtf8(login.location), ec))
    refuse("folder " + text::quoted(login.location) + " does not exist");
  if (!fs::is_regular_file(automation::system::pathFromUtf8(login.database()), ec))
    refuse("there is no company " + text::quoted(login.company) + " in " + text::quoted(login.location) + " (" +
           companiesIn(login.location) +
           "; create it with: " + format::command({"qvd", "init", login.location, "--company", login.company}) + ")");
}

// A database on a server that cannot be opened, or is no company: the server's reason, without
// the password, and what to do.
[[noreturn]] void refuseOnServer(const CompanyLogin& login, const std::string& reason) {
  refuse("company " + text::quoted(login.company) + " cannot be opened on " + text::quoted(login.shownLocation()) +
         ": " + reason +
         " (create it with: " + format::command({"qvd", "init", login.shownLocation(), "--company", login.company}) +
         "; the server's password comes from the URI, PGPASSWORD or ~/.pgpass)");
}

}  // namespace

CompanySession::CompanySession(const CompanyLogin& login) : login_(login) {
  if (!login_.onServer()) checkFiles(login_);
  try {
    data_ = openCompanyDatabase(login_);
    companyName(*data_);
  } catch (const automation::AutomationError& e) {
    if (login_.onServer()) refuseOnServer(login_, data_ ? "it holds no company" : e.description());
    std::string problem = companyFileProblem(login_.database());
    refuse(problem.empty() ? text::quoted(login_.database()) + " cannot be opened as a company database" : problem);
  }
  registerErpServer();
  facade_ = std::make_unique<qvd::BAL_Next>();
  facade_->DataAccess(automation::Variant(data_));
  if (!facade_->ApiInicia(login_.location, automation::system::utf8FromPath(login_.logFolder), login_.company, login_.user, login_.password))
    refuse("company " + text::quoted(login_.company) + " refused the login: wrong user " + text::quoted(login_.user) +
           " or password");
}

CompanySession::~CompanySession() {
  if (facade_) facade_->ApiTermina();
}

automation::db::RecordsetRef CompanySession::query(const std::string& sql) {
  automation::db::RecordsetRef rs;
  if (!data_->AbrirRecordset("", sql, rs, -1, 0)) automation::raise(automation::db::dberr::ProviderError, data_->UltimoErroBD());
  return rs;
}

automation::db::RecordsetRef CompanySession::query(const std::string& sql,
                                                   const std::vector<automation::db::NamedValue>& values) {
  automation::db::ConnectionRef connection;
  if (!data_->ObterLigacao(connection)) automation::raise(automation::db::dberr::ProviderError, data_->UltimoErroBD());
  return connection->Execute(sql, values);
}

}  // namespace qvdtool
