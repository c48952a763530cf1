#include "support/TestDatabases.hpp"

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "dataaccess/PostgresDataAccess.hpp"
#include "dataaccess/SqliteDataAccess.hpp"
#include "platform/db/Connection.hpp"
#include "platform/db/ServerAddress.hpp"
#include "platform/System.hpp"

namespace testing_support {
std::string testServer() {
  const char* uri = std::getenv("QVD_TEST_POSTGRES");
  return uri ? uri : "";
}

TestEngine companyEngine() {
  const char* engine = std::getenv("QVD_TEST_ENGINE");
  return engine && std::string(engine) == "postgres" ? TestEngine::Postgres : TestEngine::Sqlite;
}

void onTestServer(const std::string& sql) { automation::db::Connection::open(testServer())->Execute(sql); }

void dropTestDatabase(const std::string& name) {
  for (int attempt = 1;; ++attempt) {
    try {
      onTestServer("DROP DATABASE IF EXISTS " + name + " WITH (FORCE)");
      return;
    } catch (const std::exception&) {
      if (attempt == 20) throw;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
  }
}

std::vector<TestEngine> testEngines() {
  if (testServer().empty()) return {TestEngine::Sqlite};
  return {TestEngine::Sqlite, TestEngine::Postgres};
}

std::string engineName(const ::testing::TestParamInfo<TestEngine>& info) {
  return info.param == TestEngine::Sqlite ? "Sqlite" : "Postgres";
}

ScratchDatabase::ScratchDatabase(TestEngine engine) : engine_(engine) {
  static std::atomic<int> counter{0};
  if (engine == TestEngine::Sqlite) {
    folder_ = std::make_unique<TempFolder>();
    target_ = folder_->file("scratch.db");
    return;
  }
  name_ = "qvd_test_" + std::to_string(automation::system::processId()) + "_" + std::to_string(++counter);
  dropTestDatabase(name_);
  onTestServer("CREATE DATABASE " + name_ + " ENCODING 'UTF8' TEMPLATE template0");
  target_ = automation::db::address::withDatabase(testServer(), name_);
}

ScratchDatabase::~ScratchDatabase() {
  if (name_.empty()) return;
  try {
    dropTestDatabase(name_);
  } catch (...) {
    ADD_FAILURE() << "Could not drop the test database " << name_;
  }
}

std::shared_ptr<dataaccess::DatabaseDataAccess> ScratchDatabase::open() const {
  if (engine_ == TestEngine::Sqlite) return dataaccess::SqliteDataAccess::open(target_);
  return dataaccess::PostgresDataAccess::open(target_);
}

}  // namespace testing_support
