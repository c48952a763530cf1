#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/DAL_Next.hpp"
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

TEST_F(Transactions, ListHoldsTheDocumentsInsertedWhileOpen) {
  int32_t before = insert();
  EXPECT_EQ(DAL_NextTestAccess::oDocPendentes(dal), nullptr);

  dal.TransaccaoIniciar();
  EXPECT_EQ(pending(), std::vector<std::string>{});
  int32_t first = insert();
  insert("C999");  // refused: not listed
  int32_t second = insert();
  EXPECT_EQ(pending(), (std::vector<std::string>{fa(first), fa(second)}));

  dal.TransaccaoTerminar();
  EXPECT_EQ(DAL_NextTestAccess::oDocPendentes(dal), nullptr);
  std::string numbers = std::to_string(before) + "," + std::to_string(first) + "," + std::to_string(second);
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM DOCGCCAB WHERE TPDOC='FA' AND NNUMDOC IN (" + numbers + ")"), "3");
}

TEST_F(Transactions, StartingAgainDropsTheEarlierList) {
  dal.TransaccaoIniciar();
  insert();
  auto earlier = DAL_NextTestAccess::oDocPendentes(dal);
  dal.TransaccaoIniciar();
  EXPECT_NE(DAL_NextTestAccess::oDocPendentes(dal), earlier);
  int32_t later = insert();
  EXPECT_EQ(pending(), std::vector<std::string>{fa(later)});
  EXPECT_EQ(earlier->Count(), 1);
}
