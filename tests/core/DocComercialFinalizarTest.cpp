#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "erpserver/testhooks/Faults.hpp"
#include "support/DalTestAccess.hpp"
#include "support/ErpFixture.hpp"

namespace testing_support {
namespace {

using erpserver::Faults;
using qvd::DAL_NextTestAccess;
using Members = std::vector<std::string>;

const std::string kUntouched = "12345 intacto";

class Finalizar : public ErpTest {
 protected:
  void SetUp() override {
    ErpTest::SetUp();
    dal = worker();
  }

  int32_t finalizar(int32_t operacao, ObjectRef& doc, int32_t anterior) {
    return DAL_NextTestAccess::DocComercialFinalizar(*dal, qvd::Finalizado, static_cast<qvd::Operacao>(operacao),
                                                     doc, anterior, key, error);
  }

  // An invoice inserted by the routine; its key is in `key`.
  ObjectRef inserida() {
    ObjectRef doc = novaFatura();
    EXPECT_EQ(finalizar(0, doc, 0), 0);
    return doc;
  }

  std::string postings() const { return scalar("SELECT COUNT(*) FROM MOVCTB"); }
  std::string errorText() const { return std::to_string(error.lUltimoErro) + " " + error.sTextoErro; }
  int32_t pendentes() const { return DAL_NextTestAccess::oDocPendentes(*dal)->Count(); }
  // The transaction's list, each document as "type series/year number", in its order.
  Members pending() const {
    Members out;
    for (const auto& p : *DAL_NextTestAccess::oDocPendentes(*dal))
      out.push_back(keyText({p->Ano(), p->TipoDocumento(), p->Serie(), p->NumeroDocumento()}));
    return out;
  }

  std::unique_ptr<qvd::DAL_Next> dal;
  qvd::KeyDocumNext key{-7, "XX", 9, 99};
  qvd::NextError error{12345, "intacto"};
};

// Insert: validates whatever came before, stores the document with its origin, hands back its key
// and lists it in the open transaction; the accounting request posts only with the ERP's link on
// (refusals at every step are the fault sweep's).
TEST_F(Finalizar, InsertStoresListsAndPostsOnlyWhenAsked) {
  dal->TransaccaoIniciar();
  ObjectRef doc = novaFatura();
  EXPECT_EQ(finalizar(0, doc, 77), 0);
  EXPECT_EQ(ofDocument("ORIGEM", "DOCGCCAB", key), std::to_string(qvd::Finalizado));
  EXPECT_EQ(errorText(), kUntouched);
  Members expected{keyText(key)};

  dal->LigacaoCtb(true);
  inserida();
  expected.push_back(keyText(key));
  EXPECT_EQ(postings(), "1");
  EXPECT_FALSE(dal->LigaContabilidade());
  inserida();
  expected.push_back(keyText(key));
  EXPECT_EQ(postings(), "1");
  EXPECT_EQ(pending(), expected);

  ASSERT_TRUE(dados->ExecutarSQL("", "UPDATE PARAMS SET LIGACAOCTB = 0"));
  dal->LigacaoCtb(true);
  inserida();
  EXPECT_FALSE(dal->LigaContabilidade());
  EXPECT_EQ(postings(), "1");
  dal->TransaccaoTerminar();
  EXPECT_EQ(DAL_NextTestAccess::oDocPendentes(*dal), nullptr);
}

// Alter and remove act only after a successful step; validate ignores it; the other codes only
// turn a previous refusal into the document's error. None of them consumes the accounting request.
TEST_F(Finalizar, OtherOperationsActOnlyAsThePreviousResultAllows) {
  ObjectRef doc = inserida();
  qvd::KeyDocumNext inserted = key;
  dal->LigacaoCtb(true);
  ASSERT_TRUE(dados->ExecutarSQL("", "UPDATE DOCGCCAB SET OBSERV = 'antes'"));
  propPut(propGet(doc, "Cab").toObject(), "Observacoes", std::string("depois"));
  EXPECT_EQ(finalizar(1, doc, 0), 0);
  EXPECT_EQ(ofDocument("OBSERV", "DOCGCCAB", inserted), "depois");

  // Leave a refusal in the document, then hand in a failed previous step.
  Faults::clear();
  Faults::returnCode("DocumentoComercial", "Validar", 1, 321, "falha anterior");
  EXPECT_EQ(finalizar(4, doc, 0), 321);
  for (int32_t operacao : {1, 2, 3, 9, -1}) {
    SCOPED_TRACE(operacao);
    error = {12345, "intacto"};
    EXPECT_EQ(finalizar(operacao, doc, 9), 9);
    EXPECT_EQ(errorText(), "321 falha anterior");
    EXPECT_TRUE(exists(inserted));
    if (operacao == 1 || operacao == 2) continue;
    EXPECT_EQ(finalizar(operacao, doc, 0), 0);
    EXPECT_EQ(errorText(), "321 falha anterior");
  }
  EXPECT_EQ(finalizar(4, doc, 8), 0);

  EXPECT_EQ(finalizar(2, doc, 0), 0);
  EXPECT_FALSE(exists(inserted));
  EXPECT_TRUE(dal->LigaContabilidade());
  EXPECT_EQ(postings(), "0");
}

TEST_F(Finalizar, RefusedOrigemIsIgnoredAndLaterErrorsCarryTheRoutinesName) {
  Faults::raiseError("DocumentoComercial", "Origem", 1, 438, "");
  ObjectRef doc = novaFatura();
  EXPECT_EQ(finalizar(0, doc, 0), 0);
  EXPECT_TRUE(exists(key));

  Faults::raiseError("DocumentoComercial", "Validar", 2, 440, "ligação perdida");
  doc = novaFatura();
  RaisedError e = raisedBy([&] { std::ignore = finalizar(0, doc, 0); });
  EXPECT_EQ(e.text(), "440 DAL_Next: DocComercialFinalizar: ligação perdida");
}

}  // namespace
}  // namespace testing_support
