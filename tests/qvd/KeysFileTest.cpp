#include <gtest/gtest.h>

#include "QvdProgram.hpp"

namespace {

using qvdtest::Company;
using qvdtest::Outcome;
namespace fs = std::filesystem;

constexpr const char* kHeaders = "REF,TPDOC,SERIE,TERCEIRO,DATA\nK1,FA,1,C001,2024-05-02\nK2,FA,1,C001,2024-05-02\n"
                                 "K3,FA,1,C001,2024-05-02\n";
constexpr const char* kLines = "REF,ARTIGO,ARMAZEM,QUANT,PRUNIT\nK1,A001,A1,1,1\nK2,NOPE,A1,1,1\nK3,A001,A1,1,1\n";

std::vector<std::string> importWithKeys(const std::string& keys) {
  return {"import", "co", "CAB.csv", "LIN.csv", "--keys", keys};
}

std::size_t leftovers(const std::filesystem::path& folder) {
  std::size_t count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    count += entry.path().filename().string().find(".partial-") != std::string::npos ? 1 : 0;
  return count;
}

// --keys never writes over what the import reads, the company it writes or a file protected
// against writing (even as root), lists every document that is in (created by this run or an
// earlier one), keeps the mode of the file it replaces, clears what an interrupted run left, and
// a write error is reported, not hidden.
TEST(QvdKeys, NeverOverwritesInputsOrTheCompanyListsEveryDocumentInAndReportsWriteErrors) {
  Company company;
  company.write("CAB.csv", kHeaders);
  company.write("LIN.csv", kLines);
  for (const char* taken : {"LIN.csv", "./CAB.csv", "co/DEMO.db", "co/DEMO.db-wal", "co/OST_LOGNXTAPI.LOG", "co"}) {
    Outcome refused = company.run(importWithKeys(taken));
    EXPECT_EQ(refused.exitCode, 2) << taken;
    EXPECT_NE(refused.err.find(std::string("--keys '") + taken + "'"), std::string::npos) << refused.err;
  }
  EXPECT_EQ(qvdtest::readFile(company.file("LIN.csv")), kLines);
  company.write("keys.csv", "mine\n");
  fs::permissions(company.file("keys.csv"), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  Outcome readOnly = company.run(importWithKeys("keys.csv"));
  EXPECT_EQ(readOnly.exitCode, 2);
  EXPECT_NE(readOnly.err.find("--keys 'keys.csv' is protected against writing"), std::string::npos) << readOnly.err;
  EXPECT_EQ(qvdtest::readFile(company.file("keys.csv")), "mine\n");
  EXPECT_EQ(fs::status(company.file("keys.csv")).permissions(), fs::perms(0444));
  EXPECT_EQ(company.number("SELECT COUNT(*) FROM DOCGCCAB"), 0);

  fs::permissions(company.file("keys.csv"), fs::perms(0640));
  company.write("keys.csv.partial-Ab12Cd", "left by a killed run");
  company.write("keys.csv.partial-Ab12Cd-wal", "");
  Outcome first = company.run(importWithKeys("keys.csv"));
  EXPECT_EQ(first.exitCode, 1);
  EXPECT_EQ(qvdtest::readFile(company.file("keys.csv")), "REF,TPDOC,SERIE,ANO,NNUMDOC\nK1,FA,1,2024,1\nK3,FA,1,2024,2\n");
#ifndef _WIN32
  EXPECT_EQ(fs::status(company.file("keys.csv")).permissions(), fs::perms(0640));
#endif
  EXPECT_EQ(leftovers(company.folder()), 0u);

  // K2 fixed and run again: the keys file lists all three, K1 and K3 from the first run.
  company.write("LIN.csv", "REF,ARTIGO,ARMAZEM,QUANT,PRUNIT\nK1,A001,A1,1,1\nK2,A001,A1,1,1\nK3,A001,A1,1,1\n");
  Outcome second = company.run(importWithKeys("keys.csv"));
  EXPECT_EQ(second.exitCode, 0) << second.out << second.err;
  EXPECT_EQ(qvdtest::readFile(company.file("keys.csv")),
            "REF,TPDOC,SERIE,ANO,NNUMDOC\nK1,FA,1,2024,1\nK2,FA,1,2024,3\nK3,FA,1,2024,2\n");

#ifndef _WIN32
  Outcome full = company.run(importWithKeys("/dev/full"));
  EXPECT_EQ(full.exitCode, 1);
  EXPECT_NE(full.err.find("cannot write the keys file '/dev/full': No space left on device"), std::string::npos)
      << full.err;
  EXPECT_EQ(leftovers(company.folder()), 0u);
#endif
}

}  // namespace
