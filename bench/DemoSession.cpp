#include "DemoSession.hpp"

#include <unistd.h>

#include <stdexcept>

#include "erpserver/schema/DemoCompany.hpp"
#include "erpserver/Registration.hpp"
#include "erpserver/store/Session.hpp"

namespace bench {

namespace fs = std::filesystem;

DemoSession::DemoSession(const char* name)
    : folder_(fs::temp_directory_path() / ("qvd-bench-" + std::to_string(::getpid()) + "-" + name)) {
  fs::remove_all(folder_);
  fs::create_directories(folder_);
  erpserver::createDemoCompany(folder_.string(), "DEMO");
  erpserver::registerServer();
  dados_ = dataaccess::SqliteDataAccess::open(file());
  bal.DataAccess(automation::Variant(dados_));
  if (!bal.ApiInicia(folder_.string(), folder_.string(), "DEMO", erpserver::kDemoUser, erpserver::kDemoPassword))
    throw std::runtime_error("no session");
}

DemoSession::~DemoSession() {
  bal.ApiTermina();
  erpserver::Session::close();
  erpserver::unregisterServer();
  fs::remove_all(folder_);
}

}  // namespace bench
