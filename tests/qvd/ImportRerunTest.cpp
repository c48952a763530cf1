#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <thread>

#include "QvdProgram.hpp"

namespace {

using qvdtest::Company;
using qvdtest::Outcome;

constexpr int kDocuments = 1000;

// Invoices of three lines, and every fourth document a supplier entry whose lot-controlled lines
// bring lots of their own: enough for stock and lot stock to show a document posted twice or not
// at all. Entries bring more than the invoices sell, whose lots the ERP picks.
void writeInput(const Company& company) {
  std::string cab = "REF,TPDOC,SERIE,TERCEIRO,DATA\n", lin = "REF,ARTIGO,ARMAZEM,QUANT,PRUNIT\n",
              lot = "REF,NUMLINHA,CODLOT,QUANT\n";
  for (int d = 1; d <= kDocuments; ++d) {
    std::string ref = "R" + std::to_string(d);
    bool entry = d % 4 == 0;
    cab += ref + (entry ? ",GEF,1,F001" : ",FA,1,C001") + ",2024-04-0" + std::to_string(d % 9 + 1) + "\n";
    lin += ref + ",A001,A1," + std::to_string(entry ? 20 : d % 5 + 1) + ",0.5\n";
    lin += ref + (entry ? ",A002,A1,3,2\n" : ",S001,,1,150\n");
    lin += ref + ",A003,A1," + (entry ? "8" : "2") + ",1.5\n";
    if (entry) lot += ref + ",2,L-" + ref + ",3\n" + ref + ",3,M-" + ref + ",8\n";
  }
  company.write("CAB.csv", cab);
  company.write("LIN.csv", lin);
  company.write("LOT.csv", lot);
}

// What the company holds: each document by its source reference with its type, total and line
// count, the stock per warehouse and the stock per lot.
std::string holdings(const Company& company) {
  auto all = [&](const std::string& rows) { return company.value("SELECT group_concat(R, ';') FROM (" + rows + ")"); };
  return all("SELECT PROCESSO || ' ' || TPDOC || ' ' || TOTDOC || ' ' || (SELECT COUNT(*) FROM DOCGCLIN L WHERE "
             "L.TPDOCUM = C.TPDOC AND L.NNUMDOC = C.NNUMDOC) AS R FROM DOCGCCAB C ORDER BY PROCESSO") +
         all("SELECT ARTIGO || ARMAZEM || '=' || EXISTENC AS R FROM ARTARM ORDER BY ARTIGO, ARMAZEM") +
         all("SELECT CODLOTE || ARMAZEM || '=' || QTDENT || '-' || QTDSID AS R FROM ARTLOT ORDER BY 1");
}

const std::vector<std::string> kImport = {"import", "co", "CAB.csv", "LIN.csv", "LOT.csv"};

// Starts the import in the background, waits until the company holds `documents` of them and
// sends `signal`; returns the exit status as waitpid gives it.
int interruptImport(const Company& company, long documents, int signal) {
  pid_t child = qvdtest::start(company.folder(), kImport);
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (std::chrono::steady_clock::now() < deadline) {
    if (waitpid(child, nullptr, WNOHANG) == child) return -1;  // it finished first
    if (company.number("SELECT COUNT(*) FROM DOCGCCAB") >= documents) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  kill(child, signal);
  int status = 0;
  waitpid(child, &status, 0);
  return status;
}

// The run a user makes after an uninterrupted one, twice: nothing is created again.
TEST(QvdImportRerun, RepeatedRunsCreateNothingAndKillsAtAnyPointThenARerunEqualAnUninterruptedRun) {
  Company whole;
  writeInput(whole);
  ASSERT_EQ(whole.run(kImport).exitCode, 0);
  std::string expected = holdings(whole);
  ASSERT_EQ(whole.number("SELECT COUNT(*) FROM DOCGCCAB"), kDocuments);
  for (int run = 2; run <= 3; ++run) {
    Outcome again = whole.run(kImport);
    EXPECT_EQ(again.exitCode, 0) << again.err;
    EXPECT_NE(again.out.find("0 created, 1000 already in, 0 refused"), std::string::npos) << again.out.substr(0, 400);
    EXPECT_NE(again.out.find("REF R7 already imported as FA 1/2024 no. "), std::string::npos);
    EXPECT_EQ(holdings(whole), expected);
  }

  // kill -9 early, in the middle and near the end, each time followed by the next attempt.
  Company killed;
  writeInput(killed);
  int landed = 0;
  for (long at : {50L, 450L, 900L}) {
    int status = interruptImport(killed, at, SIGKILL);
    landed += status != -1 && WIFSIGNALED(status) ? 1 : 0;
  }
  EXPECT_GT(landed, 0) << "every run finished before its kill";
  Outcome rerun = killed.run(kImport);
  EXPECT_EQ(rerun.exitCode, 0) << rerun.err;
  EXPECT_NE(rerun.out.find("Imported 1000 of 1000 documents"), std::string::npos) << rerun.out.substr(0, 400);
  EXPECT_EQ(holdings(killed), expected);

  // Ctrl-C stops between two documents and says how to go on.
  Company stopped;
  writeInput(stopped);
  int status = interruptImport(stopped, 300, SIGINT);
  if (status != -1) {
    EXPECT_EQ(WEXITSTATUS(status), 130) << status;
  }
  EXPECT_LT(stopped.number("SELECT COUNT(*) FROM DOCGCCAB"), kDocuments);
  EXPECT_EQ(stopped.run(kImport).exitCode, 0);
  EXPECT_EQ(holdings(stopped), expected);
}

}  // namespace
