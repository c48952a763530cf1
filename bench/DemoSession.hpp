#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "dataaccess/DatabaseDataAccess.hpp"
#include "facade/BAL_Next.hpp"

namespace bench {

// The server a benchmark may also run against: QVD_BENCH_POSTGRES, or else QVD_TEST_POSTGRES
// ("postgresql://user@host:port/"); empty when neither names one.
std::string benchServer();

// A demo company with a session open through the facade, for one benchmark: in a fresh folder,
// or, given a server's URI, as a fresh database on that server, dropped at the end.
class DemoSession {
 public:
  explicit DemoSession(const char* name, std::string server = "");
  ~DemoSession();
  DemoSession(const DemoSession&) = delete;
  DemoSession& operator=(const DemoSession&) = delete;

  // The company's database: its file, or its URI on the server.
  std::string database() const;

  qvd::BAL_Next bal;

 private:
  std::filesystem::path folder_;
  std::string server_, company_ = "DEMO";
  std::shared_ptr<dataaccess::DatabaseDataAccess> dados_;
};

}  // namespace bench
