#include "support/TestDatabases.hpp"

#include <unistd.h>

#include <atomic>
#include <cstdlib>

#include "dataaccess/PostgresDataAccess.hpp"
#include "dataaccess/SqliteDataAccess.hpp"
#include "platform/db/Connection.hpp"
#include "platform/db/ServerAddress.hpp"

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
  name_ = "qvd_test_" + std::to_string(getpid()) + "_" + std::to_string(++counter);
  onTestServer("DROP DATABASE IF EXISTS " + name_ + " WITH (FORCE)");
  onTestServer("CREATE DATABASE " + name_ + " ENCODING 'UTF8' TEMPLATE template0");
  target_ = automation::db::address::withDatabase(testServer(), name_);
}

ScratchDatabase::~ScratchDatabase() {
  if (name_.empty()) return;
  try {
    onTestServer("DROP DATABASE IF EXISTS " + name_ + " WITH (FORCE)");
  } catch (...) {
    ADD_FAILURE() << "Could not drop the test database " << name_;
  }
}

std::shared_ptr<dataaccess::DatabaseDataAccess> ScratchDatabase::open() const {
  if (engine_ == TestEngine::Sqlite) return dataaccess::SqliteDataAccess::open(target_);
  return dataaccess::PostgresDataAccess::open(target_);
}

}  // namespace testing_support
