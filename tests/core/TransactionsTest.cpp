#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/DalTestAccess.hpp"
#include "support/ErpFixture.hpp"

using automation::ObjectRef;
using qvd::DAL_NextTestAccess;

namespace {

class Transactions : public testing_support::ErpTest {
 protected:
  void SetUp() override {
    ErpTest::SetUp();
    dal.DataAccess(automation::Variant(dados));
    ASSERT_TRUE(iniciar(dal));
  }

  // Inserts a new invoice through the finalization routine; its number.
  int32_t insert(const std::string& cliente = "C001") {
    ObjectRef doc = novaFatura(cliente);
    qvd::KeyDocumNext key;
    qvd::NextError error;
    DAL_NextTestAccess::DocComercialFinalizar(dal, qvd::Finalizado, 0, doc, 0, key, error);
    return key.lNumDoc;
  }

  // The pending list as "type series/year number" texts, in its order.
  std::vector<std::string> pending() const {
    std::vector<std::string> out;
    for (const auto& p : *DAL_NextTestAccess::oDocPendentes(dal))
      out.push_back(p->TipoDocumento() + " " + std::to_string(p->Serie()) + "/" + std::to_string(p->Ano()) + " " +
                    std::to_string(p->NumeroDocumento()));
    return out;
  }

  static std::string fa(int32_t numero) { return "FA 1/2024 " + std::to_string(numero); }

  qvd::DAL_Next dal;
};

}  // namespace

TEST_F(Transactions, ListHoldsTheDocumentsInsertedWhileOpenUntilStartedAgainOrEnded) {
  insert();
  EXPECT_EQ(DAL_NextTestAccess::oDocPendentes(dal), nullptr);

  dal.TransaccaoIniciar();
  EXPECT_EQ(pending(), std::vector<std::string>{});
  int32_t first = insert();
  insert("C999");  // refused: not listed
  int32_t second = insert();
  EXPECT_EQ(pending(), (std::vector<std::string>{fa(first), fa(second)}));

  dal.TransaccaoIniciar();
  int32_t third = insert();
  EXPECT_EQ(pending(), std::vector<std::string>{fa(third)});
  dal.TransaccaoTerminar();
  EXPECT_EQ(DAL_NextTestAccess::oDocPendentes(dal), nullptr);
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM DOCGCCAB WHERE TPDOC = 'FA'"), "4");
}
