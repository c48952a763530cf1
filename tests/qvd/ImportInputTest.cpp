#include <gtest/gtest.h>

#include <string>

#include "QvdProgram.hpp"

namespace {

using qvdtest::Company;
using qvdtest::Outcome;

const std::string kLines = "REF,ARTIGO,ARMAZEM,QUANT,PRUNIT\nD9,A001,A1,1,1\nD10,A001,A1,2,1\n";

// Files that cannot be paired or mapped stop the run before the first document, whatever the
// documents before the faulty row.
TEST(QvdImportInput, UnusableFilesStopBeforeAnythingIsCreated) {
  Company company;
  struct Case {
    std::string cab, lin, message;
  } cases[] = {
      {"REF,TPDOC,SERIE\nD10,FA,1\nD9,FA,1\n", kLines,
       "CAB.csv line 3: REF 'D9' comes after 'D10' (line 2): the files must be sorted by REF"},
      {"REF,TPDOC,SERIE\nD9,FA,1\nD10,FA,1\n", "REF,ARTIGO,QUANT\nD10,A001,1\nD9,A001,1\n",
       "LIN.csv line 3: REF 'D9' comes after 'D10'"},
      {"REF,TPDOC,SERIE\nD9,FA,1\nD9,FA,1\n", kLines, "CAB.csv line 3: REF 'D9' repeats line 2"},
      {"REF,TPDOC,SERIE\nD9,FA,1\n,FA,1\n", kLines, "CAB.csv line 3: REF is empty"},
      {"TPDOC,SERIE\nFA,1\n", kLines, "CAB.csv: the required column REF is missing"},
      {"REF,TPDOC,SERIE,TERCEIRO\nD9,FA,1,C001\n", "REF,ARTIGO\nD9,A001\n",
       "LIN.csv: the required column QUANT is missing"},
      {"REF,TPDOC,SERIE,CLIENT\nD9,FA,1,C001\n", kLines,
       "CAB.csv: column 'CLIENT' is not a column of the table it fills"},
      {"REF,TPDOC,SERIE,tpdoc\nD9,FA,1,FA\n", kLines, "CAB.csv: column tpdoc appears twice"},
      {"REF,TPDOC,SERIE,PROCESSO\nD9,FA,1,X\n", kLines, "CAB.csv: column PROCESSO cannot be given"},
      {"REF,TPDOC,SERIE,OBSERV\nD9,FA,1,\"open\nD10,FA,1,x\n", kLines, "CAB.csv line 2: a quoted field is not closed"},
      {"", kLines, "'CAB.csv' is empty"},
      {"REF,TPDOC,SERIE,OBSERV\nD9,FA,1,caf\xE9\n", kLines, "CAB.csv line 2, field 4: the text is not UTF-8"},
  };
  for (const Case& c : cases) {
    company.write("CAB.csv", c.cab);
    company.write("LIN.csv", c.lin);
    Outcome run = company.run({"import", "co", "CAB.csv", "LIN.csv"});
    EXPECT_EQ(run.exitCode, 2) << c.message;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_EQ(run.out.find("Importing"), std::string::npos) << run.out;
  }
  company.write("CAB.csv", "REF,TPDOC,SERIE\nD9,FA,1\n");
  Outcome missing = company.run({"import", "co", "CAB.csv", "LIN.csv", "NOLOTS.csv"});
  EXPECT_EQ(missing.exitCode, 2);
  EXPECT_NE(missing.err.find("cannot read 'NOLOTS.csv'"), std::string::npos) << missing.err;
  EXPECT_EQ(company.number("SELECT COUNT(*) FROM DOCGCCAB"), 0);
  EXPECT_FALSE(std::filesystem::exists(company.file("co/OST_LOGNXTAPI.LOG")));
}

// Semicolons, a byte-order mark, CR LF, quoted fields with separators, quotes and line breaks,
// a quote inside an unquoted field, decimal commas and day-first dates, as spreadsheets write them; then show and stock read the
// document and the stock it moved back.
TEST(QvdImportInput, SpreadsheetCsvGoesInExactlyAndReadsBack) {
  Company company;
  company.write("CAB.csv",
                "\xEF\xBB\xBFref;TpDoc;Serie;Terceiro;Data;Observ\r\n"
                "E-1;GEF;1;F001;05/04/2024;\"Paint; \"\"white\"\"\r\nsecond line\"\r\n");
  company.write("LIN.csv",
                "Ref;Artigo;Armazem;Quant;PrUnit;Descr\r\n"
                "E-1;A002;A2;12,5;4,25;\"Tinta; lata \"\"5 L\"\"\"\r\n"
                "E-1;A001;A2;100;0,02;12\" screw\r\n");
  company.write("LOT.csv",
                "REF;NUMLINHA;CODLOT;QUANT;VALIDADE;VOSSLOTE\r\n"
                "E-1;1;L-NEW;12,5;31-12-2026;THEIRS-1\r\n");
  Outcome run = company.run({"import", "co", "CAB.csv", "LIN.csv", "LOT.csv"});
  ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
  EXPECT_NE(run.out.find("Imported 1 of 1 document in"), std::string::npos) << run.out;

  EXPECT_EQ(company.value("SELECT OBSERV FROM DOCGCCAB"), "Paint; \"white\"\r\nsecond line");
  EXPECT_EQ(company.value("SELECT DATA FROM DOCGCCAB"), "05-04-2024");
  EXPECT_EQ(company.value("SELECT DESCR FROM DOCGCLIN WHERE NUMLINHA = 1"), "Tinta; lata \"5 L\"");
  EXPECT_EQ(company.value("SELECT DESCR FROM DOCGCLIN WHERE NUMLINHA = 2"), "12\" screw");
  EXPECT_DOUBLE_EQ(company.number("SELECT QUANT * PRUNIT FROM DOCGCLIN WHERE NUMLINHA = 1"), 12.5 * 4.25);
  EXPECT_EQ(company.value("SELECT VALIDADE || ' ' || VOSSLOTE || ' ' || QTDENT FROM ARTLOT WHERE CODLOTE = 'L-NEW'"),
            "2026-12-31 THEIRS-1 12.5");

  Outcome show = company.run({"show", "co", "GEF", "1", "2024", "1"});
  ASSERT_EQ(show.exitCode, 0) << show.err;
  for (const char* piece : {"GEF 1/2024 no. 1", "Supplier F001  Tintas do Norte, S.A.", "Tinta; lata \"5 L\"", "12.5",
                            "L-NEW", "12\" screw"})
    EXPECT_NE(show.out.find(piece), std::string::npos) << piece << "\n" << show.out;
  Outcome stock = company.run({"stock", "co", "A002", "A2"});
  ASSERT_EQ(stock.exitCode, 0) << stock.err;
  EXPECT_NE(stock.out.find("A2                  27.5"), std::string::npos) << stock.out;
  EXPECT_NE(stock.out.find("L-NEW                   12.5  31-12-2026"), std::string::npos) << stock.out;
  Outcome everywhere = company.run({"stock", "co", "A002"});
  EXPECT_NE(everywhere.out.find("A1                    60\nA2                  27.5\nTotal               87.5\n"),
            std::string::npos)
      << everywhere.out;
  EXPECT_NE(company.run({"stock", "co", "A002", "A3"}).out.find("A3                  none\n"), std::string::npos);
  EXPECT_EQ(company.run({"show", "co", "GEF", "1", "2024", "2"}).exitCode, 1);
  EXPECT_EQ(company.run({"stock", "co", "NOPE"}).exitCode, 1);
}

// Plain lines at each tenth into a pipe; a bar redrawn in place on a terminal, cleared for the
// line of a failed document.
TEST(QvdImportInput, ProgressIsABarOnATerminalAndPlainLinesElsewhere) {
  Company company;
  std::string cab = "REF,TPDOC,SERIE,TERCEIRO,DATA\n", lin = "REF,ARTIGO,ARMAZEM,QUANT,PRUNIT\n";
  for (int d = 1; d <= 20; ++d) {
    cab += "P" + std::to_string(d) + ",FA,1,C001,2024-06-01\n";
    lin += "P" + std::to_string(d) + (d == 7 ? ",NOPE" : ",A001") + ",A1,1,1\n";
  }
  company.write("CAB.csv", cab);
  company.write("LIN.csv", lin);

  Outcome piped = company.run({"import", "co", "CAB.csv", "LIN.csv"});
  EXPECT_EQ(piped.exitCode, 1);
  EXPECT_EQ(piped.err.find('\r'), std::string::npos);
  EXPECT_NE(piped.err.find(" 10%  2/20 documents, 0 failed"), std::string::npos) << piped.err;
  EXPECT_NE(piped.err.find(" 50%  10/20 documents, 1 failed"), std::string::npos) << piped.err;
  EXPECT_NE(piped.err.find("100%  20/20 documents, 1 failed"), std::string::npos) << piped.err;
  EXPECT_EQ(std::count(piped.err.begin(), piped.err.end(), '\n'), 10);

  Outcome terminal = qvdtest::qvdOnTerminal(company.folder(), {"import", "co", "CAB.csv", "LIN.csv"});
  EXPECT_EQ(terminal.exitCode, 1);
  EXPECT_NE(terminal.out.find("\r\033[KREF P7 not imported"), std::string::npos) << terminal.out;
  EXPECT_NE(terminal.out.find("\r[##############################] 100%  20/20 documents, 1 failed"), std::string::npos)
      << terminal.out;
  EXPECT_EQ(company.number("SELECT COUNT(*) FROM DOCGCCAB"), 19);  // the second run found them in
}

}  // namespace
