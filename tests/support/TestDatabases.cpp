#include "support/TestDatabases.hpp"

#include <unistd.h>

#include <atomic>
#include <cstdlib>

#include "dataaccess/PostgresDataAccess.hpp"
#include "dataaccess/SqliteDataAccess.hpp"
#include "platform/db/Connection.hpp"

namespace testing_support {
namespace {

std::string server() {
  const char* uri = std::getenv("QVD_TEST_POSTGRES");
  return uri ? uri : "";
}

void onServer(const std::string& sql) { automation::db::Connection::open(server())->Execute(sql); }

}  // namespace

std::vector<TestEngine> testEngines() {
  if (server().empty()) return {TestEngine::Sqlite};
  return {TestEngine::Sqlite, TestEngine::Postgres};
}

std::string engineName(const ::testing::TestParamInfo<TestEngine>& info) {
  return info.param == TestEngine::Sqlite ? "Sqlite" : "Postgres";
}

std::string withDatabase(const std::string& uri, const std::string& name) {
  std::size_t host = uri.find("://");
  std::size_t path = uri.find_first_of("/?", host == std::string::npos ? 0 : host + 3);
  if (path == std::string::npos) return uri + "/" + name;
  std::size_t query = uri.find('?', path);
  return uri.substr(0, path) + "/" + name + (query == std::string::npos ? "" : uri.substr(query));
}

ScratchDatabase::ScratchDatabase(TestEngine engine) : engine_(engine) {
  static std::atomic<int> counter{0};
  if (engine == TestEngine::Sqlite) {
    folder_ = std::make_unique<TempFolder>();
    target_ = folder_->file("scratch.db");
    return;
  }
  name_ = "qvd_test_" + std::to_string(getpid()) + "_" + std::to_string(++counter);
  onServer("DROP DATABASE IF EXISTS " + name_ + " WITH (FORCE)");
  onServer("CREATE DATABASE " + name_ + " ENCODING 'UTF8' TEMPLATE template0");
  target_ = withDatabase(server(), name_);
}

ScratchDatabase::~ScratchDatabase() {
  if (name_.empty()) return;
  try {
    onServer("DROP DATABASE IF EXISTS " + name_ + " WITH (FORCE)");
  } catch (...) {
    ADD_FAILURE() << "Could not drop the test database " << name_;
  }
}

std::shared_ptr<dataaccess::DatabaseDataAccess> ScratchDatabase::open() const {
  if (engine_ == TestEngine::Sqlite) return dataaccess::SqliteDataAccess::open(target_);
  return dataaccess::PostgresDataAccess::open(target_);
}

}  // namespace testing_support
