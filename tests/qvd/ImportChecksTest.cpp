#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>

#include "QvdProgram.hpp"

namespace {

using qvdtest::Company;
using qvdtest::Outcome;

// A header without lines and lines without a header are refused, each with its file and line,
// and point at each other when their REFs differ only in case, blanks or leading zeros, wherever
// they stand in the files: such a REF sorts where the one meant does. None of them takes a number.
TEST(QvdImportChecks, DocumentsWithoutLinesOrHeaderAreRefusedNamingTheRefMeant) {
  Company company;
  company.write("CAB.csv", "REF,TPDOC,SERIE,TERCEIRO,DATA\nD1,FA,1,C001,2024-05-02\nD2,FA,1,C001,2024-05-02\n"
                           "D3,FA,1,C001,2024-05-02\nD4,FA,1,C001,2024-05-02\n");
  company.write("LIN.csv",
                "REF,ARTIGO,ARMAZEM,QUANT,PRUNIT\nd1,A001,A1,1,1\nD02,A001,A1,1,1\nD 3,A001,A1,1,1\n"
                "D4,A001,A1,1,1\n");
  Outcome run = company.run({"import", "co", "CAB.csv", "LIN.csv"});
  EXPECT_EQ(run.exitCode, 1);
  for (const char* expected :
       {"REF D1 not imported (CAB.csv line 2): there are no lines for it in LIN.csv (were its lines given as REF 'd1'",
        "REF d1 not imported (LIN.csv line 2): there is no row for it in CAB.csv (did you mean REF 'D1'",
        "REF D02 not imported (LIN.csv line 3): there is no row for it in CAB.csv (did you mean REF 'D2'",
        "REF D 3 not imported (LIN.csv line 4): there is no row for it in CAB.csv (did you mean REF 'D3'",
        "1 created, 0 already in, 6 refused"})
    EXPECT_NE(run.out.find(expected), std::string::npos) << expected << "\n" << run.out;
  EXPECT_EQ(company.value("SELECT PROCESSO || ' ' || NNUMDOC FROM DOCGCCAB"), "#D4 1");

  // A line file without rows creates nothing at all.
  company.write("LIN.csv", "REF,ARTIGO,ARMAZEM,QUANT,PRUNIT\n");
  EXPECT_EQ(company.run({"import", "co", "CAB.csv", "LIN.csv"}).exitCode, 1);
  EXPECT_EQ(company.number("SELECT COUNT(*) FROM DOCGCCAB"), 1);
  EXPECT_EQ(company.value("SELECT MAX(NUM) FROM NUMDOC"), "1");
}

// A huge value, the REF itself too, is cut where it is echoed: on the terminal and in the
// operation log, with its length noted.
TEST(QvdImportChecks, AHugeValueIsNotEchoedWhole) {
  Company company;
  std::string huge(200000, 'Z');
  company.write("CAB.csv", "REF,TPDOC,SERIE,TERCEIRO,DATA,OBSERV\nH1,FA,1,C001,2024-05-02," + huge + "\n" + huge +
                               ",FA,1,C001,2024-05-02,\n");
  company.write("LIN.csv", "REF,ARTIGO,ARMAZEM,QUANT,PRUNIT\nH1," + huge + ",A1,1,1\n" + huge + ",A001,A1,1,1\n");
  Outcome run = company.run({"import", "co", "CAB.csv", "LIN.csv"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_LT(run.out.size(), 2000u) << run.out.substr(0, 2000);
  EXPECT_NE(run.out.find("... (200000 characters) not imported (CAB.csv line 3"), std::string::npos) << run.out;
  std::string log = automation::system::fromAnsiCodePage(qvdtest::readFile(company.file("co/OST_LOGNXTAPI.LOG")));
  EXPECT_LT(log.size(), 4000u);
  EXPECT_NE(log.find("\r\nREF                  = ZZZ"), std::string::npos) << log;
  EXPECT_NE(log.find("ZZ... (200000 characters)\r\n"), std::string::npos) << log;
}

// A source scopes the references; a source name with ':' or empty is refused.
TEST(QvdImportChecks, ASourceScopesTheReferences) {
  Company company;
  company.write("CAB.csv", "REF,TPDOC,SERIE,TERCEIRO\nS1,FA,1,C001\n");
  company.write("LIN.csv", "REF,ARTIGO,ARMAZEM,QUANT,PRUNIT\nS1,A001,A1,1,1\n");
  for (int run = 0; run < 2; ++run) {
    EXPECT_EQ(company.run({"import", "co", "CAB.csv", "LIN.csv"}).exitCode, 0);
    EXPECT_EQ(company.run({"import", "co", "CAB.csv", "LIN.csv", "--source", "web"}).exitCode, 0);
  }
  EXPECT_EQ(company.value("SELECT group_concat(PROCESSO, ' ') FROM (SELECT PROCESSO FROM DOCGCCAB ORDER BY 1)"),
            "#S1 #web:S1");
  for (const char* source : {"a:b", ""})
    EXPECT_EQ(company.run({"import", "co", "CAB.csv", "LIN.csv", "--source", source}).exitCode, 2) << source;
}

// On a terminal, a run held up by another writer says so after a second, then goes on.
TEST(QvdImportChecks, WaitingForAnotherWriterIsShownOnATerminal) {
  Company company;
  company.write("CAB.csv", "REF,TPDOC,SERIE,TERCEIRO,DATA\nW1,FA,1,C001,2024-05-02\n");
  company.write("LIN.csv", "REF,ARTIGO,ARMAZEM,QUANT,PRUNIT\nW1,A001,A1,1,1\n");
  std::promise<void> locked;
  std::thread writer([&] {
    auto data = dataaccess::SqliteDataAccess::open(company.file("co/DEMO.db").string());
    EXPECT_TRUE(data->IniciarTransaccao());
    EXPECT_TRUE(data->ExecutarSQL("", "UPDATE PARAMS SET NOMEEMP = NOMEEMP")) << data->UltimoErroBD();
    locked.set_value();
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    EXPECT_TRUE(data->TerminarTransaccao());
  });
  locked.get_future().wait();
  Outcome run = qvdtest::qvdOnTerminal(company.folder(), {"import", "co", "CAB.csv", "LIN.csv"});
  writer.join();
  EXPECT_EQ(run.exitCode, 0) << run.out;
  EXPECT_NE(run.out.find("Waiting for another program that is writing to company DEMO"), std::string::npos) << run.out;
  EXPECT_EQ(company.number("SELECT COUNT(*) FROM DOCGCCAB"), 1);
}

}  // namespace
