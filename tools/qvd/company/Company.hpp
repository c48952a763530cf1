#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "dataaccess/DatabaseDataAccess.hpp"
#include "facade/BAL_Next.hpp"
#include "platform/db/Engine.hpp"
#include "platform/db/Recordset.hpp"
#include "platform/System.hpp"

namespace qvdtool {

class Arguments;

// Where a company lives and who logs in. The defaults are those of the demo company. A company
// lives in a folder, as the file "<folder>/<company>.db", or on a database server, as the database
// named after it on the server a connection URI names.
struct CompanyLogin {
  std::string location;  // a folder, or "postgresql://user@host:port/"
  std::filesystem::path logFolder;
  std::string company = "DEMO";
  std::string user = "admin";
  std::string password = "admin";

  // The location as the first positional argument, the rest from --company, --user, --password
  // and --log (the operation log's folder: the company's folder, or the current folder for a server).
  static CompanyLogin from(const Arguments& arguments);
  // The location alone, the log as --log says.
  static CompanyLogin at(const std::string& location, const Arguments& arguments);
  bool onServer() const;
  // The company's database: its file, or its URI on the server.
  std::string database() const;
  // The location for messages: a URI without its password.
  std::string shownLocation() const;
  // The database for messages: a file, or the company's URI without the password.
  std::string shownDatabase() const;
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
  std::string logFolder() const { return automation::system::utf8FromPath(login_.logFolder); }
  // The rows of a query, read through the data-access object; raises with the database's text.
  automation::db::RecordsetRef query(const std::string& sql);
  // The same with the @Name placeholders of `sql` bound to `values`, never spliced into its text.
  automation::db::RecordsetRef query(const std::string& sql, const std::vector<automation::db::NamedValue>& values);

 private:
  CompanyLogin login_;
  std::shared_ptr<dataaccess::DatabaseDataAccess> data_;
  std::unique_ptr<qvd::BAL_Next> facade_;
};

// The company's name as its parameters hold it; raises when the database is no company database.
std::string companyName(dataaccess::DatabaseDataAccess& data);

// The data-access object on the company's database (a file or a database on a server).
std::shared_ptr<dataaccess::DatabaseDataAccess> openCompanyDatabase(const CompanyLogin& login);

}  // namespace qvdtool
