#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <thread>

#include "QvdProgram.hpp"

namespace {

using qvdtest::Company;
using qvdtest::qvd;
using qvdtest::Outcome;

TEST(QvdCommandLine, EveryVerbExplainsItselfAndWrongUsageSaysWhere) {
  testing_support::TempFolder temp;
  Outcome overview = qvd(temp.path(), {"--help"});
  EXPECT_EQ(overview.exitCode, 0);
  for (const char* verb : {"init", "demo", "import", "show", "stock"}) {
    Outcome help = qvd(temp.path(), {verb, "--help"});
    EXPECT_EQ(help.exitCode, 0) << verb;
    EXPECT_NE(help.out.find(std::string("usage: qvd ") + verb), std::string::npos) << verb;
    EXPECT_NE(overview.out.find(std::string("  ") + verb + " "), std::string::npos) << verb;
  }

  const std::pair<std::vector<std::string>, const char*> wrong[] = {
      {{"frobnicate"}, "unknown verb 'frobnicate'"},
      {{"show", "co", "FA", "1"}, "missing arguments"},
      {{"stock", "co", "A001", "--colour", "red"}, "unknown option --colour"},
      {{"show", "co", "FA", "one", "2024", "1"}, "series 'one' is not a whole number"},
      {{"show", "co", "FA", "1", "99999", "1"}, "year '99999' is out of range"},
      {{"stock", "co", "A001", "--company", "A", "--company=B"}, "option --company is given twice"},
  };
  for (const auto& [words, message] : wrong) {
    Outcome usage = qvd(temp.path(), words);
    EXPECT_EQ(usage.exitCode, 2) << message;
    EXPECT_NE(usage.err.find(message), std::string::npos) << usage.err;
  }
}

TEST(QvdCommandLine, WrongFolderCompanyUserOrPasswordAreToldApart) {
  Company company;
  company.write("co/.ACME.db.new-x1y2z3", "");  // what an interrupted init left is no company
  company.write("JUNK.db", "not a database at all, just text");
  const std::pair<std::vector<std::string>, const char*> wrong[] = {
      {{"stock", "nowhere", "A001"}, "folder 'nowhere' does not exist"},
      {{"stock", "co", "A001", "--company", "ACME"},
       "there is no company 'ACME' in 'co' (it holds 'DEMO'; create it with: qvd init co --company ACME)"},
      {{"stock", "co", "A001", "--user", "mallory"}, "wrong user 'mallory' or password"},
      {{"stock", "co", "A001", "--password", "secret"}, "wrong user 'admin' or password"},
      {{"stock", ".", "A001", "--company", "JUNK"}, "is not a company database"},
  };
  for (const auto& [words, message] : wrong) {
    Outcome refused = company.run(words);
    EXPECT_EQ(refused.exitCode, 3) << message;
    EXPECT_NE(refused.err.find(message), std::string::npos) << refused.err;
  }
  EXPECT_FALSE(std::filesystem::exists(company.file("co/ACME.db")));
}

TEST(QvdInit, CreatesTheDemoCompanyOnceAndKeepsAnExistingOne) {
  testing_support::TempFolder temp;
  Outcome first = qvd(temp.path(), {"init", "data/shop", "--company", "SHOP"});
  ASSERT_EQ(first.exitCode, 0) << first.err;
  EXPECT_NE(first.out.find("Created company SHOP"), std::string::npos);
  EXPECT_NE(first.out.find("user admin with password admin"), std::string::npos);
  EXPECT_NE(first.out.find("qvd stock data/shop --company SHOP A001"), std::string::npos) << first.out;
  ASSERT_TRUE(std::filesystem::exists(temp.path() / "data/shop/SHOP.db"));
  // The example commands can be pasted into a shell as they are printed.
  Outcome spaced = qvd(temp.path(), {"init", "my $hop's"});
  EXPECT_NE(spaced.out.find("\n  qvd stock 'my $hop'\\''s' A001\n"), std::string::npos) << spaced.out;

  // The login it prints works, and a document created then survives a second init.
  qvdtest::writeFile(temp.path() / "CAB.csv", "REF,TPDOC,SERIE,TERCEIRO,DATA\nX,ORC,1,C001,2024-05-01\n");
  qvdtest::writeFile(temp.path() / "LIN.csv", "REF,ARTIGO,QUANT,PRUNIT\nX,A001,1,1\n");
  ASSERT_EQ(qvd(temp.path(), {"import", "data/shop", "CAB.csv", "LIN.csv", "--company", "SHOP"}).exitCode, 0);
  Outcome again = qvd(temp.path(), {"init", "data/shop", "--company", "SHOP"});
  EXPECT_EQ(again.exitCode, 0);
  EXPECT_NE(again.out.find("Company SHOP exists in data/shop: Empresa de demonstração"), std::string::npos) << again.out;
  EXPECT_EQ(qvd(temp.path(), {"show", "data/shop", "ORC", "1", "2024", "1", "--company", "SHOP"}).exitCode, 0)
      << "the quote is gone";

  // The name check says what it accepts, and accepts nothing else.
  for (const std::string& bad :
       std::vector<std::string>{"../up", "x'; DROP", "two\nlines", std::string(64, 'N')}) {
    Outcome badName = qvd(temp.path(), {"init", "data", "--company", bad});
    EXPECT_EQ(badName.exitCode, 2) << bad;
    EXPECT_NE(badName.err.find("cannot be a company name: use 1 to 63 letters (A-Z, a-z), digits, '-' or '_'"),
              std::string::npos)
        << badName.err;
  }
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp.path() / "data"), {}), 1);
  qvdtest::writeFile(temp.path() / "data/NOTES.db", "minutes of the meeting");
  Outcome notACompany = qvd(temp.path(), {"init", "data", "--company", "NOTES"});
  EXPECT_EQ(notACompany.exitCode, 3);
  EXPECT_NE(notACompany.err.find("'data/NOTES.db' is not a company database: it is not a database"), std::string::npos)
      << notACompany.err;
  EXPECT_EQ(qvdtest::readFile(temp.path() / "data/NOTES.db"), "minutes of the meeting");
}

// Killed at any moment, init leaves either no company or a whole one: the next init completes it
// and the company opens.
TEST(QvdInit, KilledAtAnyMomentLeavesNoHalfMadeCompany) {
  testing_support::TempFolder temp;
  for (int delay : {0, 3, 8, 15, 30}) {
    std::string folder = "co" + std::to_string(delay);
    pid_t child = qvdtest::start(temp.path(), {"init", folder});
    std::this_thread::sleep_for(std::chrono::milliseconds(delay));
    kill(child, SIGKILL);
    qvdtest::exitCodeOf(child);
    std::filesystem::create_directories(temp.path() / folder);
    for (const char* left : {".DEMO.db.new-a1b2c3", ".DEMO.db.new-a1b2c3-wal", ".DEMO.db.new-a1b2c3-shm"})
      qvdtest::writeFile(temp.path() / folder / left, "");
    Outcome again = qvd(temp.path(), {"init", folder});
    EXPECT_EQ(again.exitCode, 0) << delay << " ms: " << again.err;
    EXPECT_EQ(qvd(temp.path(), {"stock", folder, "A001"}).exitCode, 0) << delay << " ms";
    // The next init cleared what the killed one left, and what this test left in its place.
    for (const auto& entry : std::filesystem::directory_iterator(temp.path() / folder))
      EXPECT_FALSE(entry.path().filename().string().starts_with(".DEMO.db.new-")) << entry.path();
  }
}

}  // namespace
