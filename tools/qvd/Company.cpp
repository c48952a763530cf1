#include "Company.hpp"

#include "Arguments.hpp"
#include "CommandError.hpp"
#include "CompanyCheck.hpp"
#include "erpserver/Registration.hpp"
#include "platform/AutomationError.hpp"

namespace qvdtool {

namespace fs = std::filesystem;

CompanyLogin CompanyLogin::from(const Arguments& arguments) {
  CompanyLogin login;
  login.folder = arguments.positional().at(0);
  login.company = arguments.option("company", login.company);
  login.user = arguments.option("user", login.user);
  login.password = arguments.option("password", login.password);
  return login;
}

fs::path CompanyLogin::databaseFile() const { return folder / (company + ".db"); }

void registerErpServer() {
  static bool registered = false;
  if (registered) return;
  erpserver::registerServer();
  registered = true;
}

std::string companyName(dataaccess::SqliteDataAccess& data) {
  automation::db::RecordsetRef rs;
  if (!data.AbrirRecordset("", "SELECT NOMEEMP FROM PARAMS", rs, -1, 0) || rs->Eof())
    automation::raise(automation::errnum::InvalidArgument, "no company parameters");
  return rs->value("NOMEEMP").toString();
}

namespace {

[[noreturn]] void refuse(const std::string& message) { throw CommandError(exitcode::NoCompany, message); }

// The folder and the company's file must exist: opening a missing file would create an empty one.
void checkFiles(const CompanyLogin& login) {
  std::error_code ec;
  if (!fs::is_directory(login.folder, ec)) refuse("folder '" + login.folder.string() + "' does not exist");
  if (!fs::is_regular_file(login.databaseFile(), ec))
    refuse("there is no company '" + login.company + "' in '" + login.folder.string() +
           "' (create it with: qvd init " + login.folder.string() + " --company " + login.company + ")");
}

}  // namespace

CompanySession::CompanySession(const CompanyLogin& login) : login_(login) {
  checkFiles(login_);
  std::string file = login_.databaseFile().string();
  try {
    data_ = dataaccess::SqliteDataAccess::open(file);
    companyName(*data_);
  } catch (const automation::AutomationError&) {
    std::string problem = companyFileProblem(login_.databaseFile());
    refuse(problem.empty() ? "'" + file + "' cannot be opened as a company database" : problem);
  }
  registerErpServer();
  facade_ = std::make_unique<qvd::BAL_Next>();
  facade_->DataAccess(automation::Variant(data_));
  std::string folder = login_.folder.string();
  if (!facade_->ApiInicia(folder, folder, login_.company, login_.user, login_.password))
    refuse("company '" + login_.company + "' refused the login: wrong user '" + login_.user + "' or password");
}

CompanySession::~CompanySession() {
  if (facade_) facade_->ApiTermina();
}

automation::db::RecordsetRef CompanySession::query(const std::string& sql) {
  automation::db::RecordsetRef rs;
  if (!data_->AbrirRecordset("", sql, rs, -1, 0)) automation::raise(automation::db::dberr::ProviderError, data_->UltimoErroBD());
  return rs;
}

}  // namespace qvdtool
