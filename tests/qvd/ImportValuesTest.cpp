#include <gtest/gtest.h>

#include <string>

#include "QvdProgram.hpp"

namespace {

using qvdtest::Company;
using qvdtest::Outcome;

// One document per value: what the program reads from a CSV field, and what it refuses with the
// field's file, line, column and text named.
struct ValueCase {
  const char* series;
  const char* date;
  const char* quantity;
  const char* price;
  const char* refusal;  // empty: the document goes in
};

const ValueCase kCases[] = {
    {"1", "2024-03-01", "+2", "1,25", ""},
    {"01", "29-02-2024", ".5", " 3.5 ", ""},
    {"1", "01.03.2024", "3", "-0,5", ""},
    {"1", "2024-03-01", "1.234,5", "1", "QUANT '1.234,5' is not a number"},
    {"1", "2024-03-01", "1e3", "1", "QUANT '1e3' is not a number"},
    {"1", "2024-03-01", "", "1", "QUANT is empty on a line with an article"},
    {"1", "2024-03-01", "1", "12,50€", "PRUNIT '12,50€' is not a number"},
    {"1.5", "2024-03-01", "1", "1", "SERIE '1.5' is not a whole number"},
    {"70000", "2024-03-01", "1", "1", "SERIE '70000' is out of range"},
    {"1", "2024-13-01", "1", "1", "DATA '2024-13-01' is not a date"},
    {"1", "31/04/2024", "1", "1", "DATA '31/04/2024' is not a date"},
    {"1", "29-02-2023", "1", "1", "DATA '29-02-2023' is not a date"},
    {"1", "2024/03/01", "1", "1", "DATA '2024/03/01' is not a date"},
};

TEST(QvdImportValues, NumbersAndDatesAreReadStrictlyAndEachRefusalNamesItsField) {
  Company company;
  // A reference with the separator in it, first in REF order.
  std::string cab = "REF,TPDOC,SERIE,TERCEIRO,DATA\n\"K,1\",FA,1,C001,2024-03-02\n";
  std::string lin = "REF,ARTIGO,ARMAZEM,QUANT,PRUNIT\n\"K,1\",A001,A1,1,1\n";
  for (std::size_t i = 0; i < std::size(kCases); ++i) {
    const ValueCase& c = kCases[i];
    std::string ref = "V" + std::to_string(i + 1);
    cab += ref + ",FA," + c.series + ",C001," + c.date + "\n";
    lin += ref + ",A001,A1,\"" + c.quantity + "\",\"" + c.price + "\"\n";  // quoted: decimal commas
  }
  company.write("CAB.csv", cab);
  company.write("LIN.csv", lin);
  Outcome run = company.run({"import", "co", "CAB.csv", "LIN.csv", "--keys", "keys.csv"});
  EXPECT_EQ(run.exitCode, 1);

  for (std::size_t i = 0; i < std::size(kCases); ++i) {
    const ValueCase& c = kCases[i];
    std::string ref = "V" + std::to_string(i + 1), line = std::to_string(i + 3);
    std::string field(c.refusal), file = field.starts_with("DATA") || field.starts_with("SERIE") ? "CAB.csv" : "LIN.csv";
    bool refused = run.out.find("REF " + ref + " not imported") != std::string::npos;
    EXPECT_EQ(refused, !field.empty()) << ref << "\n" << run.out;
    if (refused) {
      EXPECT_NE(run.out.find("): " + file + " line " + line + ": " + c.refusal), std::string::npos)
          << ref << "\n" << run.out;
    }
  }
  EXPECT_EQ(company.value("SELECT GROUP_CONCAT(QUANT || ' x ' || PRUNIT, ' | ') FROM "
                          "(SELECT * FROM DOCGCLIN ORDER BY NNUMDOC)"),
            "1.0 x 1.0 | 2.0 x 1.25 | 0.5 x 3.5 | 3.0 x -0.5");
  EXPECT_EQ(company.value("SELECT GROUP_CONCAT(DATA, ' ') FROM (SELECT * FROM DOCGCCAB ORDER BY NNUMDOC)"),
            "2024-03-02 2024-03-01 2024-02-29 2024-03-01");
  EXPECT_NE(qvdtest::readFile(company.file("keys.csv")).find("\n\"K,1\",FA,1,2024,1\n"), std::string::npos);
}

}  // namespace
