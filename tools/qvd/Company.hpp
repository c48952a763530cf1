#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "dataaccess/SqliteDataAccess.hpp"
#include "facade/BAL_Next.hpp"
#include "platform/db/Recordset.hpp"

namespace qvdtool {

class Arguments;

// Where a company lives and who logs in. The defaults are those of the demo company.
struct CompanyLogin {
  std::filesystem::path folder;
  std::string company = "DEMO";
  std::string user = "admin";
  std::string password = "admin";

  // The folder as the first positional argument, the rest from --company, --user, --password.
  static CompanyLogin from(const Arguments& arguments);
  std::filesystem::path databaseFile() const;
};

// The ERP server registered once for the whole program.
void registerErpServer();

// A session on one company: the data-access object on its database, a facade that uses it, and
// the ERP session opened through the facade. Refuses with exit code NoCompany and a message that
// says which of folder, company, user or password is wrong.
class CompanySession {
 public:
  explicit CompanySession(const CompanyLogin& login);
  ~CompanySession();
  CompanySession(const CompanySession&) = delete;
  CompanySession& operator=(const CompanySession&) = delete;

  qvd::BAL_Next& facade() noexcept { return *facade_; }
  const CompanyLogin& login() const noexcept { return login_; }
  std::string logFolder() const { return login_.folder.string(); }
  // The rows of a query, read through the data-access object; raises with the database's text.
  automation::db::RecordsetRef query(const std::string& sql);

 private:
  CompanyLogin login_;
  std::shared_ptr<dataaccess::SqliteDataAccess> data_;
  std::unique_ptr<qvd::BAL_Next> facade_;
};

// The company's name as its parameters hold it; raises when the file is no company database.
std::string companyName(dataaccess::SqliteDataAccess& data);

}  // namespace qvdtool
