#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "QvdProgram.hpp"
#include "support/TextFiles.hpp"

namespace {

using qvdtest::Company;
using qvdtest::Outcome;
using testing_support::occurrences;

// 1000 documents: invoices of three lines out of A1 and, every tenth, a supplier entry whose
// paint line brings a new lot. A few rows are wrong in the ways users get them wrong.
struct BulkInput {
  std::string cab = "REF,TPDOC,SERIE,TERCEIRO,DATA,VNUMDOC\n";
  std::string lin = "REF,ARTIGO,ARMAZEM,QUANT,PRUNIT\n";
  std::string lot = "REF,NUMLINHA,CODLOT,QUANT,VALIDADE\n";
  std::set<std::string> bad{"S17", "S123", "S250", "S400", "S512", "S777"};
  double screws = 0, paint = 0;  // what the good documents move in A1
  int goodDocuments = 0, goodLines = 0, goodLots = 0;
  long linLine = 1, lotLine = 1;
  std::map<std::string, std::string> where;  // the input lines each bad document must be reported with

  BulkInput() {
    for (int d = 1; d <= 1000; ++d) {
      std::string ref = "S" + std::to_string(d);
      bool entry = d % 10 == 0, good = !bad.contains(ref);
      std::string date = d == 250 ? "2024-02-30" : "2024-03-15";
      std::string type = d == 400 ? "" : entry ? "GEF" : "FA";
      cab += ref + "," + type + ",1," + (entry ? "F001" : "C001") + "," + date + "," + ref + "\n";
      long firstLine = linLine + 1;
      for (int l = 1; l <= 3; ++l) {
        std::string article = l == 2 && entry ? "A002" : "A001";
        if (d == 123 && l == 3) article = "ZZ99";
        std::string quantity = d == 17 && l == 2 ? "1O" : std::to_string(l);
        lin += d == 512 && l == 1 ? ref + ",A001,A1,1\n" : ref + "," + article + ",A1," + quantity + ",0.5\n";
        ++linLine;
        if (!good) continue;
        if (article == "A001") screws += entry ? l : -l;
        if (article == "A002") paint += l;
      }
      where[ref] = "CAB.csv line " + std::to_string(d + 1) + ", LIN.csv lines " + std::to_string(firstLine) + "-" +
                   std::to_string(linLine);
      if (entry || d == 777) {
        lot += ref + "," + (d == 777 ? "5" : "2") + ",L-" + ref + ",2,2027-06-30\n";
        where[ref] += ", LOT.csv line " + std::to_string(++lotLine);
      }
      if (d == 999) {
        lin += "S999x,A001,A1,1,1\n";
        ++linLine;
      }
      if (!good) continue;
      ++goodDocuments;
      goodLines += 3;
      if (entry) ++goodLots;
    }
  }
};

TEST(QvdImport, ThousandDocumentsWithAFewBadRowsGoInWholeOrNotAtAll) {
  Company company;
  company.exec("UPDATE PARAMS SET STKNEG = -1");  // the invoices sell more screws than the company has
  BulkInput input;
  company.write("CAB.csv", input.cab);
  company.write("LIN.csv", input.lin);
  company.write("LOT.csv", input.lot);
  double screwsBefore = company.number("SELECT EXISTENC FROM ARTARM WHERE ARTIGO = 'A001' AND ARMAZEM = 'A1'");
  double paintBefore = company.number("SELECT EXISTENC FROM ARTARM WHERE ARTIGO = 'A002' AND ARMAZEM = 'A1'");

  Outcome run = company.run({"import", "co", "CAB.csv", "LIN.csv", "LOT.csv", "--keys", "keys.csv"});
  EXPECT_EQ(run.exitCode, 1) << run.err;

  // One line per failed document, with its input lines and the reason.
  EXPECT_EQ(occurrences(run.out, " not imported ("), 7u) << run.out;
  for (const std::string& ref : input.bad)
    EXPECT_NE(run.out.find("REF " + ref + " not imported (" + input.where[ref] + "): "), std::string::npos)
        << ref << "\n" << run.out;
  EXPECT_NE(run.out.find("LIN.csv line 51: QUANT '1O' is not a number"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("error 1013: Artigo 'ZZ99' não existe (linha 3)"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("CAB.csv line 251: DATA '2024-02-30' is not a date"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("CAB.csv line 401: TPDOC is empty"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("4 fields where the first row names 5 columns"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("refere a linha 5"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("REF S999x not imported (LIN.csv line 2999): there is no row for it in CAB.csv"),
            std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Imported 994 of 1001 documents"), std::string::npos) << run.out;

  // In the database: every good document whole, nothing of the bad ones, the stock moved by them.
  EXPECT_EQ(company.number("SELECT COUNT(*) FROM DOCGCCAB"), input.goodDocuments);
  EXPECT_EQ(company.number("SELECT COUNT(*) FROM DOCGCLIN"), input.goodLines);
  EXPECT_EQ(company.number("SELECT COUNT(*) FROM DOCGCCAB WHERE VNUMDOC IN ('S17','S123','S250','S400','S512','S777')"), 0);
  EXPECT_EQ(company.number("SELECT COUNT(*) FROM (SELECT 1 FROM DOCGCLIN GROUP BY TPDOCUM, SERIE, ANO, NNUMDOC "
                           "HAVING COUNT(*) <> 3)"),
            0);
  EXPECT_EQ(company.number("SELECT COUNT(*) FROM LOTEMOVS"), input.goodLots);
  EXPECT_EQ(company.number("SELECT COUNT(*) FROM ARTLOT WHERE CODLOTE LIKE 'L-S%' AND QTDENT = 2"), input.goodLots);
  EXPECT_DOUBLE_EQ(company.number("SELECT EXISTENC FROM ARTARM WHERE ARTIGO = 'A001' AND ARMAZEM = 'A1'"),
                   screwsBefore + input.screws);
  EXPECT_DOUBLE_EQ(company.number("SELECT EXISTENC FROM ARTARM WHERE ARTIGO = 'A002' AND ARMAZEM = 'A1'"),
                   paintBefore + input.paint);

  // The keys file names every document created, under its reference.
  std::string keys = qvdtest::readFile(company.file("keys.csv"));
  EXPECT_EQ(occurrences(keys, "\n"), 1u + input.goodDocuments);
  EXPECT_NE(keys.find("\nS1,FA,1,2024,1\n"), std::string::npos);
  // Two supplier entries were refused before they reached the ERP: they used no number.
  EXPECT_EQ(company.value("SELECT VNUMDOC FROM DOCGCCAB WHERE TPDOC = 'GEF' AND NNUMDOC = 98"), "S1000");
  EXPECT_NE(keys.find("\nS1000,GEF,1,2024,98\n"), std::string::npos);

  // The failures are in the operation log too, one record each.
  std::string log = automation::system::fromAnsiCodePage(qvdtest::readFile(company.file("co/OST_LOGNXTAPI.LOG")));
  EXPECT_EQ(occurrences(log, "\n----- "), 7u);
  EXPECT_NE(log.find("Operação REF S123"), std::string::npos);
  EXPECT_NE(log.find("Artigo 'ZZ99' não existe (linha 3)"), std::string::npos);
  EXPECT_NE(log.find("Lotes\r\nLote            Artigo                 Qnt      Linha\r\nL-S777          "
                     "                         2          5 \r\n"),
            std::string::npos)
      << log;
}

}  // namespace
