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

const Members kOrigem = {"DocumentoComercial.Origem"};
const Members kReadKey = {"DocumentoComercial.Cab", "CabecDoc.Ano",           "DocumentoComercial.Cab",
                          "CabecDoc.Serie",         "DocumentoComercial.Cab", "CabecDoc.NossoNoDocumento",
                          "DocumentoComercial.Cab", "CabecDoc.TipoDocumento"};
const Members kValidar = {"DocumentoComercial.Validar"};
const Members kInserir = {"DocumentoComercial.Inserir"};
const Members kReadError = {"DocumentoComercial.UltimoErro", "DocumentoComercial.UltimaMensagem"};
const Members kAccounting = {"ParametrosAplicacao.LigacaoACtb", "DocumentoContabilistico.DocumentoComercial",
                             "DocumentoContabilistico.Validar", "DocumentoContabilistico.Inserir"};
const std::string kUntouched = "12345 intacto";

Members operator+(Members a, const Members& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

class Finalizar : public ErpTest {
 protected:
  void SetUp() override {
    ErpTest::SetUp();
    dal = worker();
  }

  // Runs the routine with the journal on; the ERP members it touched are in `touched`.
  int32_t finalizar(int32_t operacao, ObjectRef& doc, int32_t anterior) {
    startJournal();
    int32_t result = DAL_NextTestAccess::DocComercialFinalizar(*dal, qvd::Finalizado, static_cast<qvd::Operacao>(operacao), doc, anterior, key, error);
    touched = journalMembers();
    return result;
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
  Members touched;
};

TEST_F(Finalizar, InsertValidatesWhateverCameBeforeAndReadsTheKeyBack) {
  ObjectRef doc = novaFatura();
  EXPECT_EQ(finalizar(0, doc, 77), 0);
  EXPECT_EQ(touched, kOrigem + kValidar + kInserir + kReadKey) << journalText();
  EXPECT_EQ(ofDocument("ORIGEM", "DOCGCCAB", key), std::to_string(qvd::Finalizado));
  EXPECT_EQ(errorText(), kUntouched);
  EXPECT_EQ(postings(), "0");
}

TEST_F(Finalizar, AccountingRequestPostsOneInsertOnlyAndOnlyWithTheErpsLinkOn) {
  dal->LigacaoCtb(true);
  ObjectRef doc = novaFatura();
  EXPECT_EQ(finalizar(0, doc, 0), 0);
  EXPECT_EQ(touched, kOrigem + kValidar + kInserir + kReadKey + kAccounting) << journalText();
  EXPECT_EQ(postings(), "1");
  EXPECT_FALSE(dal->LigaContabilidade());
  EXPECT_EQ(errorText(), kUntouched);
  inserida();
  EXPECT_EQ(postings(), "1");

  ASSERT_TRUE(dados->ExecutarSQL("", "UPDATE PARAMS SET LIGACAOCTB = 0"));
  dal->LigacaoCtb(true);
  inserida();
  EXPECT_EQ(touched.back(), "ParametrosAplicacao.LigacaoACtb") << journalText();
  EXPECT_FALSE(dal->LigaContabilidade());
  EXPECT_EQ(postings(), "1");
}

TEST_F(Finalizar, RefusedAccountingDocumentLeavesTheCommercialOneInsertedAndListed) {
  dal->TransaccaoIniciar();
  for (const std::string step : {"Validar", "Inserir"}) {
    SCOPED_TRACE(step);
    Faults::clear();
    Faults::returnCode("DocumentoContabilistico", step, 1, 4711, "recusado em " + step);
    dal->LigacaoCtb(true);
    ObjectRef doc = novaFatura();
    EXPECT_EQ(finalizar(0, doc, 0), 4711);
    EXPECT_EQ(errorText(), "4711 recusado em " + step);
    EXPECT_TRUE(exists(key));
    EXPECT_EQ(DAL_NextTestAccess::oDocPendentes(*dal)->Item(automation::Variant(pendentes()))->NumeroDocumento(),
              key.lNumDoc);
    EXPECT_FALSE(dal->LigaContabilidade());
  }
  EXPECT_EQ(pendentes(), 2);
  EXPECT_EQ(postings(), "0");
}

TEST_F(Finalizar, FailedInsertAttemptConsumesTheAccountingRequest) {
  // A refused validation: the ERP's own reason comes back, nothing is stored or listed.
  dal->TransaccaoIniciar();
  dal->LigacaoCtb(true);
  ObjectRef doc = novaFatura("C999");
  int32_t r = finalizar(0, doc, 0);
  EXPECT_NE(r, 0);
  EXPECT_EQ(touched, kOrigem + kValidar + kReadError) << journalText();
  EXPECT_EQ(error.lUltimoErro, r);
  EXPECT_NE(error.sTextoErro.find("C999"), std::string::npos) << error.sTextoErro;
  EXPECT_EQ(key.sTpDoc, "XX");
  EXPECT_EQ(pendentes(), 0);
  EXPECT_FALSE(dal->LigaContabilidade());

  // A refused insert after a good validation consumes it too, and the next good insert is not posted.
  dal->LigacaoCtb(true);
  Faults::returnCode("DocumentoComercial", "Inserir", 1, 606, "disco cheio");
  doc = novaFatura();
  EXPECT_EQ(finalizar(0, doc, 0), 606);
  EXPECT_EQ(errorText(), "606 disco cheio");
  EXPECT_FALSE(dal->LigaContabilidade());
  inserida();
  EXPECT_EQ(postings(), "0");
  EXPECT_EQ(pendentes(), 1);
}

TEST_F(Finalizar, AlterAndRemoveActOnlyAfterASuccessfulStep) {
  ObjectRef doc = inserida();
  qvd::KeyDocumNext inserted = key;
  dal->LigacaoCtb(true);
  EXPECT_EQ(finalizar(1, doc, 0), 0);
  EXPECT_EQ(touched, kOrigem + kValidar + Members{"DocumentoComercial.Alterar"}) << journalText();

  // Leave a refusal in the document, then hand in a failed previous step.
  Faults::clear();
  Faults::returnCode("DocumentoComercial", "Validar", 1, 321, "falha anterior");
  EXPECT_EQ(finalizar(4, doc, 0), 321);
  error = {12345, "intacto"};
  for (int32_t operacao : {1, 2}) {
    EXPECT_EQ(finalizar(operacao, doc, 9), 9);
    EXPECT_EQ(touched, kOrigem + kReadError) << journalText();
    EXPECT_EQ(errorText(), "321 falha anterior");
  }
  EXPECT_TRUE(exists(inserted));

  EXPECT_EQ(finalizar(2, doc, 0), 0);
  EXPECT_EQ(touched, kOrigem + Members{"DocumentoComercial.Remover"}) << journalText();
  EXPECT_FALSE(exists(inserted));
  EXPECT_EQ(key.lNumDoc, inserted.lNumDoc);
  EXPECT_TRUE(dal->LigaContabilidade());
  EXPECT_EQ(postings(), "0");
}

TEST_F(Finalizar, ValidateOnlyIgnoresThePreviousResultAndOtherCodesOnlyReportIt) {
  ObjectRef doc = novaFatura();
  EXPECT_EQ(finalizar(4, doc, 8), 0);
  EXPECT_EQ(touched, kOrigem + kValidar) << journalText();
  EXPECT_EQ(errorText(), kUntouched);

  Faults::returnCode("DocumentoComercial", "Validar", 2, 55, "linha inválida");
  ASSERT_EQ(finalizar(4, doc, 0), 55);
  for (int32_t operacao : {3, 9, -1}) {
    SCOPED_TRACE(operacao);
    error = {12345, "intacto"};
    EXPECT_EQ(finalizar(operacao, doc, 0), 0);
    EXPECT_EQ(touched, kOrigem) << journalText();
    EXPECT_EQ(errorText(), kUntouched);
    EXPECT_EQ(finalizar(operacao, doc, 5), 5);
    EXPECT_EQ(errorText(), "55 linha inválida");
  }
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM DOCGCCAB"), "0");
}

TEST_F(Finalizar, RefusedOrigemIsIgnoredAndLaterErrorsCarryTheRoutinesName) {
  Faults::raiseError("DocumentoComercial", "Origem", 1, 438, "");
  ObjectRef doc = novaFatura();
  EXPECT_EQ(finalizar(0, doc, 0), 0);
  EXPECT_TRUE(exists(key));

  Faults::raiseError("DocumentoComercial", "Validar", 2, 440, "ligação perdida");
  doc = novaFatura();
  RaisedError e = raisedBy([&] { finalizar(0, doc, 0); });
  EXPECT_EQ(e.text(), "440 DAL_Next: DocComercialFinalizar: ligação perdida");
}

TEST_F(Finalizar, TheTransactionListHoldsTheInsertedDocumentsUntilStartedAgainOrEnded) {
  inserida();
  EXPECT_EQ(DAL_NextTestAccess::oDocPendentes(*dal), nullptr);
  dal->TransaccaoIniciar();
  EXPECT_EQ(pending(), Members{});
  inserida();
  Members expected{keyText(key)};
  ObjectRef refused = novaFatura("C999");
  EXPECT_NE(finalizar(0, refused, 0), 0);
  inserida();
  expected.push_back(keyText(key));
  EXPECT_EQ(pending(), expected);

  dal->TransaccaoIniciar();
  inserida();
  EXPECT_EQ(pending(), Members{keyText(key)});
  dal->TransaccaoTerminar();
  EXPECT_EQ(DAL_NextTestAccess::oDocPendentes(*dal), nullptr);
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM DOCGCCAB WHERE TPDOC = 'FA'"), "4");
}

}  // namespace
}  // namespace testing_support
