#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <regex>
#include <string>
#include <thread>

#include "QvdProgram.hpp"
#include "dataaccess/PostgresDataAccess.hpp"
#include "platform/db/ServerAddress.hpp"
#include "support/TempFolder.hpp"
#include "support/TestDatabases.hpp"

// Imports into a company on a server: the round trips a document costs, a connection lost in the
// middle, and documents refused only once the import had gone on past them.
namespace {

using qvdtest::Outcome;

// A company on the test server, made for the test and dropped after it.
class QvdServerImport : public ::testing::Test {
 protected:
  void SetUp() override {
    server = testing_support::testServer();
    if (server.empty()) GTEST_SKIP() << "QVD_TEST_POSTGRES names no server";
    company = "qvd_import_" + std::to_string(getpid());
    testing_support::dropTestDatabase(company);
    ASSERT_EQ(qvdtest::qvd(temp.path(), {"init", server, "--company", company}).exitCode, 0);
  }
  void TearDown() override {
    if (!company.empty()) testing_support::dropTestDatabase(company);
  }
  // The import of the files written in the test's folder.
  Outcome import(std::vector<std::string> files) {
    files.insert(files.begin(), {"import", server});
    files.insert(files.end(), {"--company", company});
    return qvdtest::qvd(temp.path(), files);
  }

  std::string server, company;
  testing_support::TempFolder temp;
};

// Each document after a lost connection would fail the same way: the import stops at the first,
// says why and how to go on, and refuses none of them.
TEST_F(QvdServerImport, ALostConnectionStopsTheImportInsteadOfRefusingEveryDocument) {
  std::string cab = "REF,TPDOC,SERIE,TERCEIRO,DATA\n", lin = "REF,ARTIGO,ARMAZEM,QUANT,PRUNIT\n";
  for (int d = 1; d <= 5000; ++d) {
    cab += "E" + std::to_string(d) + ",GEF,1,F001,2024-03-15\n";
    lin += "E" + std::to_string(d) + ",A001,A1,1,0.5\n";
  }
  qvdtest::writeFile(temp.path() / "CAB.csv", cab);
  qvdtest::writeFile(temp.path() / "LIN.csv", lin);

  Outcome outcome;
  std::thread running([&] { outcome = import({"CAB.csv", "LIN.csv"}); });
  auto watch = dataaccess::PostgresDataAccess::open(automation::db::address::withDatabase(server, company));
  for (int wait = 0; wait < 300; ++wait) {
    automation::db::RecordsetRef rs;
    if (watch->AbrirRecordset("", "SELECT 1 FROM DOCGCCAB LIMIT 1", rs, -1, 0) && !rs->Eof()) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  watch.reset();
  testing_support::onTestServer("SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE datname = '" + company +
                                "'");
  running.join();
  EXPECT_EQ(outcome.exitCode, 4) << outcome.out << outcome.err;
  EXPECT_NE(outcome.err.find("was lost"), std::string::npos) << outcome.err;
  EXPECT_NE(outcome.err.find("run the same command again"), std::string::npos) << outcome.err;
  EXPECT_EQ(testing_support::occurrences(outcome.out, "not imported"), 0u) << outcome.out;
}

// Enough documents that what a run reads once (the master data, the login) weighs little.
constexpr int kDocuments = 120;

// Ten-line documents as a feed brings them: invoices, and supplier entries whose paint and flour
// lines bring new lots, which later invoices take.
void writeFeed(const testing_support::TempFolder& folder) {
  std::string cab = "REF,TPDOC,SERIE,TERCEIRO,DATA\n", lin = "REF,ARTIGO,ARMAZEM,QUANT,PRUNIT\n",
              lot = "REF,NUMLINHA,CODLOT,QUANT,VALIDADE\n";
  const char* articles[] = {"A001", "A003", "P001", "S001", "A001", "A003", "P001", "A001", "A003", "A002"};
  for (int d = 1; d <= kDocuments; ++d) {
    bool entry = d % 2 == 1;
    std::string ref = "D" + std::to_string(d);
    cab += ref + (entry ? ",GEF,1,F001" : ",FA,1,C001") + ",2024-03-15\n";
    for (int l = 1; l <= 10; ++l) {
      std::string article = articles[l - 1];
      if (article == "A002" && !entry) article = "A001";
      lin += ref + "," + article + "," + (article == "S001" ? "" : "A1") + ",1,2.5\n";
      if (entry && (article == "A002" || article == "A003"))
        lot += ref + "," + std::to_string(l) + ",L-" + ref + "-" + std::to_string(l) + ",1,2026-12-31\n";
    }
  }
  testing_support::writeFile(folder.path() / "CAB.csv", cab);
  testing_support::writeFile(folder.path() / "LIN.csv", lin);
  testing_support::writeFile(folder.path() / "LOT.csv", lot);
}

// The waits on the server are what a document costs on a network: the import reports them, and
// they stay a few per document whatever the engine's changes.
TEST_F(QvdServerImport, ATenLineDocumentCostsAtMostFiveRoundTrips) {
  writeFeed(temp);
  Outcome run = import({"CAB.csv", "LIN.csv", "LOT.csv"});
  ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
  EXPECT_NE(run.out.find(std::to_string(kDocuments) + " created"), std::string::npos) << run.out;
  std::smatch found;
  ASSERT_TRUE(std::regex_search(run.out, found, std::regex(R"(Round trips to the server: ([0-9.]+) per document)")))
      << run.out;
  EXPECT_LE(std::stod(found[1]), 5.0) << run.out;
}

// A document's writes go to the server while the import reads the next one, so a refusal of its
// writes (here the check that its stock agrees with its lots, broken for two lot codes) is heard
// later: in the middle of a group, or after the last document, just before the commit. Either way
// the group is done again document by document: only the two are refused, each once with its
// reason, and the others are created once, with numbers that leave no gap.
TEST_F(QvdServerImport, DocumentsRefusedAfterTheImportWentOnAreReportedAloneAndTheRestKept) {
  auto data = dataaccess::PostgresDataAccess::open(automation::db::address::withDatabase(server, company));
  const std::string skew = "UPDATE ARTARM SET EXISTENC = EXISTENC + 1 WHERE ARTIGO = NEW.ARTIGO AND ARMAZEM = NEW.ARMAZEM;";
  ASSERT_TRUE(data->ExecutarSQL("", "CREATE FUNCTION SKEW() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN " + skew +
                                        " RETURN NULL; END $$"));
  ASSERT_TRUE(data->ExecutarSQL("", "CREATE TRIGGER SKEW AFTER INSERT ON LOTEMOVS FOR EACH ROW WHEN "
                                    "(NEW.CODLOT LIKE 'BAD%') EXECUTE FUNCTION SKEW()"));
  std::string cab = "REF,TPDOC,SERIE,TERCEIRO,DATA\n", lin = "REF,ARTIGO,ARMAZEM,QUANT,PRUNIT\n",
              lot = "REF,NUMLINHA,CODLOT,QUANT,VALIDADE\n";
  for (int d = 1; d <= 40; ++d) {
    std::string ref = "E" + std::to_string(d);
    cab += ref + ",GEF,1,F001,2024-03-15\n";
    lin += ref + ",A002,A1,1,2.5\n";
    lot += ref + ",1," + (d == 5 || d == 40 ? "BAD-" : "L-") + ref + ",1,2026-12-31\n";
  }
  qvdtest::writeFile(temp.path() / "CAB.csv", cab);
  qvdtest::writeFile(temp.path() / "LIN.csv", lin);
  qvdtest::writeFile(temp.path() / "LOT.csv", lot);
  Outcome run = import({"CAB.csv", "LIN.csv", "LOT.csv"});
  automation::db::RecordsetRef rs;
  ASSERT_TRUE(data->AbrirRecordset(
      "", "SELECT COUNT(*) AS N, COUNT(DISTINCT NNUMDOC) AS D, MAX(NNUMDOC) AS M FROM DOCGCCAB", rs, -1, 0));
  std::string stored =
      rs->value("N").toString() + " " + rs->value("D").toString() + " " + rs->value("M").toString();
  data.reset();
  EXPECT_EQ(run.exitCode, 1) << run.out << run.err;
  EXPECT_NE(run.out.find("38 created"), std::string::npos) << run.out;
  EXPECT_EQ(testing_support::occurrences(run.out, "not imported"), 2u) << run.out;
  for (const char* ref : {"REF E5 not imported", "REF E40 not imported"})
    EXPECT_NE(run.out.find(ref), std::string::npos) << ref << "\n" << run.out;
  EXPECT_EQ(testing_support::occurrences(run.out, "error 1060"), 2u) << run.out;
  EXPECT_EQ(stored, "38 38 38");
}

}  // namespace
