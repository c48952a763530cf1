#include <gtest/gtest.h>

#include <optional>

#include "erpserver/testhooks/Faults.hpp"
#include "platform/db/Recordset.hpp"
#include "support/ErpFixture.hpp"

namespace testing_support {
namespace {

using automation::Currency;

class PriceUpdate : public ErpTest {
 protected:
  Currency custo = Currency::fromDouble(7.25);
};

TEST_F(PriceUpdate, EveryLineOfTheArticleInEveryListedDocumentTakesTheAverageCost) {
  qvd::KeyDocumNext primeiro = insertInvoice({{"A001", 2}, {"P001", 3}, {"A001", 1}});
  qvd::KeyDocumNext segundo = insertInvoice({{"A001", 5}});
  qvd::KeyDocumNext intacto = insertInvoice({{"A001", 4}});
  Rows linhasIntactas = linesOf(intacto);

  // A code that differs only in letter case is another article.
  auto rs = orderMovements({{"A001", primeiro}, {"A001", std::nullopt}, {"a001", intacto}, {"A001", segundo}});
  EXPECT_TRUE(bal->MF_ActualizarPrcCustoMedio(qvd::Finalizado, rs, custo));
  EXPECT_TRUE(rs->Eof());
  EXPECT_EQ(linesOf(primeiro),
            (Rows{"1|A001|Parafuso M6|7.25|2|0", "2|P001|Mesa de pinho|199|3|0", "3|A001|Parafuso M6|7.25|1|0"}));
  EXPECT_EQ(linesOf(segundo), Rows{"1|A001|Parafuso M6|7.25|5|0"});
  EXPECT_EQ(linesOf(intacto), linhasIntactas);
  EXPECT_EQ(ofDocument("ORIGEM", "DOCGCCAB", segundo) + ofDocument("ORIGEM", "DOCGCCAB", intacto), "22");  // all saved
}

TEST_F(PriceUpdate, TheFirstFailingDocumentStopsTheWalkOnTheRowAfterIt) {
  qvd::KeyDocumNext primeiro = insertInvoice({{"A001", 2}});
  qvd::KeyDocumNext ultimo = insertInvoice({{"A001", 3}});
  Rows antes = linesOf(ultimo);
  auto rs = orderMovements({{"A001", primeiro}, {"A001", qvd::KeyDocumNext{2024, "FA", 1, 999}}, {"A001", ultimo}});
  EXPECT_FALSE(bal->MF_ActualizarPrcCustoMedio(qvd::Finalizado, rs, custo));
  EXPECT_EQ(bal->ErroNumero(), 1010);
  EXPECT_EQ(rs->value("DN_NumDoc"), Variant(ultimo.lNumDoc));
  EXPECT_EQ(linesOf(primeiro), Rows{"1|A001|Parafuso M6|7.25|2|0"});
  EXPECT_EQ(linesOf(ultimo), antes);

  // An empty record set changes nothing and is not a success; rows without documents are.
  auto vazio = orderMovements({});
  EXPECT_FALSE(bal->MF_ActualizarPrcCustoMedio(qvd::Finalizado, vazio, custo));
  auto semDocumentos = orderMovements({{"A001", std::nullopt}});
  EXPECT_TRUE(bal->MF_ActualizarPrcCustoMedio(qvd::Finalizado, semDocumentos, custo));
}

// The worker's error carries the name of the routine that does the work.
TEST_F(PriceUpdate, RunTimeErrorsNameTheOperation) {
  qvd::KeyDocumNext chave = insertInvoice({{"A001", 2}});
  auto dal = worker();
  erpserver::Faults::raiseError("DocumentoComercial", "Ler", 1, 13, "");
  qvd::NextError erro;
  // It raises, so no result comes back.
  EXPECT_EQ(raisedBy([&] {
              std::ignore = dal->DocNextAlteraPrcUnit(qvd::Finalizado, chave, "A001", custo, erro);
            }).numberAndSource(),
            "13 DAL_Next: DocNextAltPCMArtigo");
}

}  // namespace
}  // namespace testing_support
