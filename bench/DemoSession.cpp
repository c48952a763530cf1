#include "DemoSession.hpp"


#include <cstdlib>
#include <stdexcept>

#include "dataaccess/PostgresDataAccess.hpp"
#include "dataaccess/SqliteDataAccess.hpp"
#include "erpserver/Registration.hpp"
#include "erpserver/schema/DemoCompany.hpp"
#include "erpserver/store/Session.hpp"
#include "platform/db/Connection.hpp"
#include "platform/db/ServerAddress.hpp"
#include "platform/System.hpp"

namespace bench {

namespace fs = std::filesystem;

std::string benchServer() {
  for (const char* name : {"QVD_BENCH_POSTGRES", "QVD_TEST_POSTGRES"})
    if (const char* uri = std::getenv(name); uri && *uri) return uri;
  return {};
}

namespace {

void dropOnServer(const std::string& server, const std::string& company) {
  automation::db::Connection::open(server)->Execute("DROP DATABASE IF EXISTS " + company + " WITH (FORCE)");
}

}  // namespace

DemoSession::DemoSession(const char* name, std::string server)
    : folder_(fs::temp_directory_path() / ("qvd-bench-" + std::to_string(automation::system::processId()) + "-" + name)),
      server_(std::move(server)) {
  fs::remove_all(folder_);
  fs::create_directories(folder_);
  if (server_.empty()) {
    erpserver::createDemoCompany(folder_.string(), company_);
    dados_ = dataaccess::SqliteDataAccess::open(database());
  } else {
    company_ = "qvd_bench_" + std::to_string(automation::system::processId()) + "_" + name;
    dropOnServer(server_, company_);
    erpserver::createDemoCompany(server_, company_);
    dados_ = dataaccess::PostgresDataAccess::open(database());
  }
  erpserver::registerServer();
  bal.DataAccess(automation::Variant(dados_));
  if (!bal.ApiInicia(server_.empty() ? folder_.string() : server_, folder_.string(), company_, erpserver::kDemoUser,
                     erpserver::kDemoPassword))
    throw std::runtime_error("no session");
}

DemoSession::~DemoSession() {
  bal.ApiTermina();
  erpserver::Session::close();
  erpserver::unregisterServer();
  dados_.reset();
  if (!server_.empty()) dropOnServer(server_, company_);
  fs::remove_all(folder_);
}

std::string DemoSession::database() const {
  if (server_.empty()) return (folder_ / (company_ + ".db")).string();
  return automation::db::address::withDatabase(server_, company_);
}

}  // namespace bench
