#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "erpserver/Faults.hpp"
#include "support/DalTestAccess.hpp"
#include "support/ErpFixture.hpp"

using automation::ObjectRef;
using erpserver::Faults;
using qvd::DAL_NextTestAccess;
using testing_support::journalMembers;
using testing_support::journalText;
using testing_support::startJournal;
using Members = std::vector<std::string>;

namespace {

const Members kOrigem = {"DocumentoComercial.Origem"};
const Members kReadKey = {"DocumentoComercial.Cab", "CabecDoc.Ano",           "DocumentoComercial.Cab",
                          "CabecDoc.Serie",         "DocumentoComercial.Cab", "CabecDoc.NossoNoDocumento",
                          "DocumentoComercial.Cab", "CabecDoc.TipoDocumento"};
const Members kValidar = {"DocumentoComercial.Validar"};
const Members kInserir = {"DocumentoComercial.Inserir"};
const Members kAlterar = {"DocumentoComercial.Alterar"};
const Members kRemover = {"DocumentoComercial.Remover"};
const Members kReadError = {"DocumentoComercial.UltimoErro", "DocumentoComercial.UltimaMensagem"};
const Members kAccounting = {"ParametrosAplicacao.LigacaoACtb", "DocumentoContabilistico.DocumentoComercial",
                             "DocumentoContabilistico.Validar", "DocumentoContabilistico.Inserir"};

Members operator+(Members a, const Members& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

class Finalizar : public testing_support::ErpTest {
 protected:
  void SetUp() override {
    ErpTest::SetUp();
    dal.DataAccess(automation::Variant(dados));
    ASSERT_TRUE(iniciar(dal));
  }

  int32_t finalizar(int32_t operacao, ObjectRef& doc, int32_t anterior) {
    return DAL_NextTestAccess::DocComercialFinalizar(dal, qvd::Finalizado, operacao, doc, anterior, key, error);
  }

  // An invoice inserted by the routine; its key is in `key`.
  ObjectRef inserida() {
    ObjectRef doc = novaFatura();
    EXPECT_EQ(finalizar(0, doc, 0), 0);
    return doc;
  }

  int postings() const { return std::stoi(scalar("SELECT COUNT(*) FROM MOVCTB")); }

  void expectErrorUntouched() const {
    EXPECT_EQ(error.lUltimoErro, 12345);
    EXPECT_EQ(error.sTextoErro, "intacto");
  }

  qvd::DAL_Next dal;
  qvd::KeyDocumNext key{-7, "XX", 9, 99};
  qvd::NextError error{12345, "intacto"};
};

}  // namespace

TEST_F(Finalizar, InsertValidatesWhateverCameBeforeAndReadsTheKeyBack) {
  ObjectRef doc = novaFatura();
  startJournal();
  EXPECT_EQ(finalizar(0, doc, 77), 0);
  EXPECT_EQ(journalMembers(), kOrigem + kValidar + kInserir + kReadKey) << journalText();
  EXPECT_EQ(key.sTpDoc, "FA");
  EXPECT_EQ(ofDocument("ORIGEM", "DOCGCCAB", key), std::to_string(qvd::Finalizado));
  expectErrorUntouched();
  EXPECT_EQ(postings(), 0);
  EXPECT_FALSE(dal.LigaContabilidade());
}

TEST_F(Finalizar, AccountingRequestPostsOneInsertOnlyAndOnlyWithTheErpsLinkOn) {
  dal.LigacaoCtb(true);
  ObjectRef doc = novaFatura();
  startJournal();
  EXPECT_EQ(finalizar(0, doc, 0), 0);
  EXPECT_EQ(journalMembers(), kOrigem + kValidar + kInserir + kReadKey + kAccounting) << journalText();
  EXPECT_EQ(postings(), 1);
  EXPECT_FALSE(dal.LigaContabilidade());
  expectErrorUntouched();
  inserida();
  EXPECT_EQ(postings(), 1);

  ASSERT_TRUE(dados->ExecutarSQL("", "UPDATE PARAMS SET LIGACAOCTB = 0"));
  dal.LigacaoCtb(true);
  startJournal();
  inserida();
  EXPECT_EQ(journalMembers().back(), "ParametrosAplicacao.LigacaoACtb") << journalText();
  EXPECT_FALSE(dal.LigaContabilidade());
  EXPECT_EQ(postings(), 1);
}

TEST_F(Finalizar, RefusedAccountingDocumentLeavesTheCommercialOneInsertedAndListed) {
  for (const char* step : {"Validar", "Inserir"}) {
    SCOPED_TRACE(step);
    Faults::clear();
    Faults::returnCode("DocumentoContabilistico", step, 1, 4711, std::string("recusado em ") + step);
    dal.TransaccaoIniciar();
    dal.LigacaoCtb(true);
    ObjectRef doc = novaFatura();
    error = {12345, "intacto"};
    EXPECT_EQ(finalizar(0, doc, 0), 4711);
    EXPECT_EQ(error.lUltimoErro, 4711);
    EXPECT_EQ(error.sTextoErro, std::string("recusado em ") + step);
    EXPECT_TRUE(exists(key));
    ASSERT_EQ(DAL_NextTestAccess::oDocPendentes(dal)->Count(), 1);
    EXPECT_EQ(DAL_NextTestAccess::oDocPendentes(dal)->Item(automation::Variant(int32_t{1}))->NumeroDocumento(),
              key.lNumDoc);
    EXPECT_FALSE(dal.LigaContabilidade());
  }
  EXPECT_EQ(postings(), 0);
}

TEST_F(Finalizar, FailedInsertAttemptConsumesTheAccountingRequest) {
  // A refused validation: the ERP's own reason comes back, nothing is stored or listed.
  dal.TransaccaoIniciar();
  dal.LigacaoCtb(true);
  ObjectRef doc = novaFatura("C999");
  startJournal();
  int32_t r = finalizar(0, doc, 0);
  EXPECT_NE(r, 0);
  EXPECT_EQ(journalMembers(), kOrigem + kValidar + kReadError) << journalText();
  EXPECT_EQ(error.lUltimoErro, r);
  EXPECT_NE(error.sTextoErro.find("C999"), std::string::npos) << error.sTextoErro;
  EXPECT_EQ(key.sTpDoc, "XX");
  EXPECT_EQ(DAL_NextTestAccess::oDocPendentes(dal)->Count(), 0);
  EXPECT_FALSE(dal.LigaContabilidade());

  // A refused insert after a good validation consumes it too.
  dal.LigacaoCtb(true);
  Faults::returnCode("DocumentoComercial", "Inserir", 1, 606, "disco cheio");
  doc = novaFatura();
  EXPECT_EQ(finalizar(0, doc, 0), 606);
  EXPECT_EQ(error.lUltimoErro, 606);
  EXPECT_EQ(error.sTextoErro, "disco cheio");
  EXPECT_FALSE(dal.LigaContabilidade());

  // The next good insert is not posted.
  inserida();
  EXPECT_EQ(postings(), 0);
  EXPECT_EQ(DAL_NextTestAccess::oDocPendentes(dal)->Count(), 1);
}

TEST_F(Finalizar, AlterAndRemoveActOnlyAfterASuccessfulStep) {
  ObjectRef doc = inserida();
  qvd::KeyDocumNext inserted = key;
  dal.LigacaoCtb(true);

  startJournal();
  EXPECT_EQ(finalizar(1, doc, 0), 0);
  EXPECT_EQ(journalMembers(), kOrigem + kValidar + kAlterar) << journalText();

  // Leave a refusal in the document, then hand in a failed previous step.
  Faults::clear();
  Faults::returnCode("DocumentoComercial", "Validar", 1, 321, "falha anterior");
  EXPECT_EQ(finalizar(4, doc, 0), 321);
  error = {12345, "intacto"};
  for (int32_t operacao : {1, 2}) {
    startJournal();
    EXPECT_EQ(finalizar(operacao, doc, 9), 9);
    EXPECT_EQ(journalMembers(), kOrigem + kReadError) << journalText();
    EXPECT_EQ(error.lUltimoErro, 321);
    EXPECT_EQ(error.sTextoErro, "falha anterior");
  }
  EXPECT_TRUE(exists(inserted));

  startJournal();
  EXPECT_EQ(finalizar(2, doc, 0), 0);
  EXPECT_EQ(journalMembers(), kOrigem + kRemover) << journalText();
  EXPECT_FALSE(exists(inserted));
  EXPECT_EQ(key.lNumDoc, inserted.lNumDoc);
  EXPECT_TRUE(dal.LigaContabilidade());
  EXPECT_EQ(postings(), 0);
}

TEST_F(Finalizar, ValidateOnlyIgnoresThePreviousResult) {
  ObjectRef doc = novaFatura();
  startJournal();
  EXPECT_EQ(finalizar(4, doc, 8), 0);
  EXPECT_EQ(journalMembers(), kOrigem + kValidar) << journalText();
  expectErrorUntouched();
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM DOCGCCAB WHERE TPDOC='FA'"), "0");
}

TEST_F(Finalizar, NothingAndUnknownCodesOnlyReportThePreviousResult) {
  ObjectRef doc = novaFatura();
  Faults::returnCode("DocumentoComercial", "Validar", 1, 55, "linha inválida");
  ASSERT_EQ(finalizar(4, doc, 0), 55);
  for (int32_t operacao : {3, 9, -1}) {
    SCOPED_TRACE(operacao);
    error = {12345, "intacto"};
    startJournal();
    EXPECT_EQ(finalizar(operacao, doc, 0), 0);
    EXPECT_EQ(journalMembers(), kOrigem) << journalText();
    expectErrorUntouched();
    EXPECT_EQ(finalizar(operacao, doc, 5), 5);
    EXPECT_EQ(error.lUltimoErro, 55);
    EXPECT_EQ(error.sTextoErro, "linha inválida");
  }
}

TEST_F(Finalizar, RefusedOrigemIsIgnoredAndLaterErrorsCarryTheRoutinesName) {
  Faults::raiseError("DocumentoComercial", "Origem", 1, 438, "");
  ObjectRef doc = novaFatura();
  EXPECT_EQ(finalizar(0, doc, 0), 0);
  EXPECT_TRUE(exists(key));

  Faults::raiseError("DocumentoComercial", "Validar", 2, 440, "ligação perdida");
  doc = novaFatura();
  auto e = testing_support::raisedBy([&] { finalizar(0, doc, 0); });
  EXPECT_EQ(e.number, 440);
  EXPECT_EQ(e.description, "ligação perdida");
  EXPECT_EQ(e.source, "DAL_Next: DocComercialFinalizar");
}
