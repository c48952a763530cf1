#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "dataaccess/SqliteDataAccess.hpp"
#include "facade/BAL_Next.hpp"

namespace bench {

// A demo company in a fresh folder with a session open through the facade, for one benchmark.
class DemoSession {
 public:
  explicit DemoSession(const char* name);
  ~DemoSession();
  DemoSession(const DemoSession&) = delete;
  DemoSession& operator=(const DemoSession&) = delete;

  std::string file() const { return (folder_ / "DEMO.db").string(); }

  qvd::BAL_Next bal;

 private:
  std::filesystem::path folder_;
  std::shared_ptr<dataaccess::SqliteDataAccess> dados_;
};

}  // namespace bench
