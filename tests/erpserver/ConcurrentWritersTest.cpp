#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "qvd/QvdProgram.hpp"
#include "support/ErpFixture.hpp"

// Writers in several processes, and on several threads of one, share one company: every document
// goes in, and each series is numbered without a gap or a duplicate.
namespace testing_support {
namespace {

class ConcurrentWriters : public ErpTest {
 protected:
  // The invoices of series 1 in 2024: how many, how many numbers, the lowest and the highest.
  std::string numbering() const {
    return rows("SELECT COUNT(*), COUNT(DISTINCT NNUMDOC), MIN(NNUMDOC), MAX(NNUMDOC) FROM DOCGCCAB "
                "WHERE TPDOC = 'FA' AND SERIE = 1 AND ANO = 2024").at(0);
  }
};

TEST_F(ConcurrentWriters, EightImportsIntoOneCompanyCreateEveryDocumentNumberedOnce) {
  constexpr int kProcesses = 8, kDocuments = 30;
  std::vector<qvdtest::Child> imports;
  for (int p = 1; p <= kProcesses; ++p) {
    std::string cab = "REF,TPDOC,SERIE,TERCEIRO,DATA\n", lin = "REF,ARTIGO,ARMAZEM,QUANT,PRUNIT\n";
    for (int d = 1; d <= kDocuments; ++d) {
      std::string ref = "P" + std::to_string(p) + "D" + std::to_string(d);
      cab += ref + ",FA,1,C001,2024-03-15\n";
      // A service: nothing runs out of stock, whatever the order the writers take.
      lin += ref + ",S001,,1,25\n" + ref + ",S001,,2,25\n";
    }
    std::string name = std::to_string(p);
    writeFile(folder / ("CAB" + name + ".csv"), cab);
    writeFile(folder / ("LIN" + name + ".csv"), lin);
    imports.push_back(qvdtest::start(folder, {"import", location, "CAB" + name + ".csv", "LIN" + name + ".csv",
                                              "--company", company, "--log", logFolder().string()}));
  }
  for (qvdtest::Child import : imports) EXPECT_EQ(qvdtest::exitCodeOf(import), 0);
  std::string all = std::to_string(kProcesses * kDocuments);
  EXPECT_EQ(numbering(), all + "|" + all + "|1|" + all);
  EXPECT_EQ(counter("FA"), all);
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM DOCGCLIN WHERE TPDOCUM = 'FA'"), std::to_string(2 * kProcesses * kDocuments));
}

TEST_F(ConcurrentWriters, TwoFacadesOnTwoThreadsCreateEveryDocumentNumberedOnce) {
  constexpr int kDocuments = 40;
  auto write = [&](std::vector<std::string>& refusals) {
    qvd::BAL_Next facade;
    facade.DataAccess(automation::Variant(openCompany()));
    if (!iniciar(facade)) {
      refusals.push_back("ApiInicia: " + facade.ErroDescricao());
      return;
    }
    for (int d = 0; d < kDocuments; ++d) {
      qvd::KeyDocumNext key;
      if (!insertSale(facade, key, {{"S001", 1}})) refusals.push_back(facade.ErroDescricao());
    }
    facade.ApiTermina();
  };
  std::vector<std::string> first, second;
  std::thread one(write, std::ref(first)), two(write, std::ref(second));
  one.join();
  two.join();
  EXPECT_EQ(first, std::vector<std::string>{});
  EXPECT_EQ(second, std::vector<std::string>{});
  std::string all = std::to_string(2 * kDocuments);
  EXPECT_EQ(numbering(), all + "|" + all + "|1|" + all);
}

}  // namespace
}  // namespace testing_support
