#include <gtest/gtest.h>

#include <string>

#include "QvdProgram.hpp"
#include "support/StockInvariant.hpp"

namespace {

using qvdtest::Company;
using qvdtest::Outcome;

// Documents that no ERP would take, as users import them: each is refused on its own with the
// rule it breaks, the run exits 1 and the stock still agrees with itself: a lot from another
// warehouse than its line's, or a sale that only expired lots could serve, is refused too. A sale
// that names no lot is the one that goes in: the ERP takes the lots itself, earliest expiry first.
TEST(QvdImport, DocumentsThatBreakARuleAreRefusedEachForItsOwnReason) {
  Company company;
  company.write("CAB.csv",
                "REF,TPDOC,SERIE,TERCEIRO,DATA,ANO,DESCCAB\n"
                "D1,GEF,1,F001,2024-03-15,,\n"
                "D2,FA,1,C001,2024-03-15,,\n"
                "D3,FA,1,C001,2024-03-15,,\n"
                "D4,GEF,1,F001,2024-03-15,,\n"
                "D5,FA,1,C001,2024-03-15,,\n"
                "D6,FA,1,C001,2024-03-15,,\n"
                "D7,FA,1,C001,2024-03-15,,200\n"
                "D8,FA,1,C001,2024-03-15,2031,\n"
                "D9,FA,1,C001,2024-03-15,,\n"
                "D10,FA,1,C001,2024-03-15,,\n"
                "D11,FA,1,C001,2024-03-15,,\n"
                "D12,FA,1,C001,1850-01-01,,\n"
                "E1,FA,1,C001,2024-03-15,,\n"
                "E2,FA,1,C001,2099-12-31,,\n");
  company.write("LIN.csv",
                "REF,ARTIGO,ARMAZEM,QUANT,PRUNIT,FACTOR,TXDESC\n"
                "D1,A002,A1,10,4,,\n"
                "D2,A002,A1,45,9,,\n"
                "D3,A002,A1,500,9,,\n"
                "D4,A002,A1,10,4,,\n"
                "D5,A001,A1,1,1,-1,\n"
                "D6,A001,A1,1,1,,200\n"
                "D7,A001,A1,1,1,,\n"
                "D8,A001,A1,1,1,,\n"
                "D9,A001,A1,900000000000000,10,,\n"
                "D10,A001,A1,1e308,1,,\n"
                "D11,A001,A1,1,1e-300,,\n"
                "D12,A001,A1,1,1,,\n"
                "E1,A002,A1,5,9,,\n"
                "E2,A003,A1,10,1,,\n");
  company.write("LOT.csv",
                "REF,NUMLINHA,CODLOT,QUANT,ARMAZEM\n"
                "D1,1,L-NOVO,999,\n"
                "D3,1,L-A002-2,500,\n"
                "D4,1,L-NOVO,-30,\n"
                "E1,1,L-A002-1,5,A2\n");
  Outcome run = company.run({"import", "co", "CAB.csv", "LIN.csv", "LOT.csv"});
  EXPECT_EQ(run.exitCode, 1) << run.out << run.err;
  for (const char* refusal : {
           "REF D1 not imported (CAB.csv line 2, LIN.csv line 2, LOT.csv line 2): error 1050: ",
           "REF D3 not imported (CAB.csv line 4, LIN.csv line 4, LOT.csv line 3): error 1051: ",
           "REF D4 not imported (CAB.csv line 5, LIN.csv line 5, LOT.csv line 4): error 1050: ",
           "REF D5 not imported (CAB.csv line 6, LIN.csv line 6): error 1053: ",
           "REF D6 not imported (CAB.csv line 7, LIN.csv line 7): error 1054: ",
           "REF D7 not imported (CAB.csv line 8, LIN.csv line 8): error 1054: ",
           "REF D8 not imported (CAB.csv line 9, LIN.csv line 9): error 1055: ",
           "REF D9 not imported (CAB.csv line 10, LIN.csv line 10): error 1056: Linha 1, campo Quantidade × "
           "PrecoUnitario",
           // Numbers and dates the input cannot hold are refused as such, not as no number.
           "REF D10 not imported (CAB.csv line 11, LIN.csv line 11): LIN.csv line 11: QUANT '1e308' is out of range",
           "REF D11 not imported (CAB.csv line 12, LIN.csv line 12): LIN.csv line 12: PRUNIT '1e-300' is out of range",
           "REF D12 not imported (CAB.csv line 13, LIN.csv line 13): CAB.csv line 13: DATA '1850-01-01' is out of "
           "range",
           "REF E1 not imported (CAB.csv line 14, LIN.csv line 14, LOT.csv line 5): error 1058: Linha 1, campo "
           "Armazem = 'A2': o lote 'L-A002-1' é do armazém 'A2' e a linha 1 move o armazém 'A1'",
           "REF E2 not imported (CAB.csv line 15, LIN.csv line 15): error 1059: Linha 1, campo Quantidade = 10: o "
           "armazém 'A1' só tem 0 do artigo 'A003' em lotes válidos a 31-12-2099; 300 estão em lotes expirados",
       })
    EXPECT_NE(run.out.find(refusal), std::string::npos) << refusal << "\n" << run.out;
  EXPECT_NE(run.out.find("Imported 1 of 14 documents"), std::string::npos) << run.out;

  // The sale without lots took all of the lot that expires first and the rest from the next one.
  EXPECT_EQ(company.value("SELECT group_concat(CODLOT || ':' || QUANT, ' ') FROM LOTEMOVS"),
            "L-A002-1:40.0 L-A002-2:5.0");
  EXPECT_EQ(testing_support::stockInvariantBreaches([&](const std::string& sql) { return company.value(sql); }), "");
}

}  // namespace
