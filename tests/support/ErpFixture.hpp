#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "dataaccess/SqliteDataAccess.hpp"
#include "erpserver/DemoCompany.hpp"
#include "facade/BAL_Next.hpp"
#include "platform/Object.hpp"
#include "support/TempFolder.hpp"

namespace testing_support {

// A test against the reference ERP server and a real company database:
// - `folder`: a fresh temporary folder holding "DEMO.db", a copy of the demo company (see
//   erpserver::createDemoCompany) made once per test binary, and "log/" for the operation log;
// - the server registered under "ErpApiNextPlus" only, the journal off and empty, no faults;
// - `dados`: the SQLite data-access object on that file;
// - `bal`: a facade with `dados` as its DataAccess and a session opened with ApiInicia.
// TearDown ends every session, clears faults and the journal, and removes the folder.
class ErpTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // ApiInicia on a facade or worker with this company; `password` other than the demo one is
  // refused by the server.
  template <class Target>
  bool iniciar(Target& target, const std::string& password = erpserver::kDemoPassword) {
    return target.ApiInicia(folder.string(), logFolder().string(), "DEMO", erpserver::kDemoUser, password);
  }

  std::filesystem::path logFolder() const { return folder / "log"; }

  // One value read with SQL from the company database ("" when no row).
  std::string scalar(const std::string& sql) const;

  // A new, valid, unsaved invoice: type "FA", series 1, dated 15-03-2024, client `cliente`, one
  // line of 2 x A001 from warehouse A1 at 10.
  automation::ObjectRef novaFatura(const std::string& cliente = "C001") const;

  std::unique_ptr<TempFolder> workFolder;
  std::filesystem::path folder;
  std::shared_ptr<dataaccess::SqliteDataAccess> dados;
  std::unique_ptr<qvd::BAL_Next> bal;
};

// Clears the journal and starts recording.
void startJournal();
// The journal's entries since startJournal, each as "Class.Member" (get, put and call alike).
std::vector<std::string> journalMembers();
// The journal's full lines (see erpserver::Journal::lines), for failure messages.
std::string journalText();

}  // namespace testing_support
