#include <gtest/gtest.h>

#include "core/DAL_Next.hpp"
#include "documents/MaintenanceFixture.hpp"
#include "erpserver/Faults.hpp"
#include "support/ErrorOf.hpp"

namespace testsupport {
namespace {

using erpserver::Faults;
using Strings = std::vector<std::string>;

class Removal : public MaintenanceTest {
 protected:
  void semRegimeIva(const qvd::KeyDocumNext& chave) {
    ASSERT_TRUE(dados->ExecutarSQL("", "UPDATE DOCGCCAB SET RGIVA = NULL WHERE TPDOC = 'FA' AND NNUMDOC = " +
                                           std::to_string(chave.lNumDoc)));
  }
};

TEST_F(Removal, RemovesTheDocumentAndReturnsItsStock) {
  double antes = stock("A001");
  qvd::KeyDocumNext chave = inserir();
  ASSERT_EQ(stock("A001"), antes - 2);

  startJournal();
  EXPECT_TRUE(bal->RemoverDocumento(qvd::Preparacao, chave));
  EXPECT_EQ(documentCalls(), (Strings{"Ler", "Cab", "Origem", "Remover"}));
  EXPECT_FALSE(existe(chave));
  EXPECT_EQ(stock("A001"), antes);
  EXPECT_EQ(bal->ErroNumero(), -1);

  // A document that is not there: false, and the error record stays as reset.
  EXPECT_FALSE(bal->RemoverDocumento(qvd::Preparacao, chave));
  EXPECT_EQ(bal->ErroNumero(), -1);
  EXPECT_EQ(bal->ErroDescricao(), "");
}

TEST_F(Removal, AnEmptyVatRegimeIsSavedAsTheNationalOneBeforeTheRemoval) {
  qvd::KeyDocumNext chave = inserir();
  semRegimeIva(chave);

  startJournal();
  qvd::NextError erro;
  EXPECT_TRUE(bal->CF_DocGenRemover(qvd::Preparacao, chave, erro));
  EXPECT_EQ(documentCalls(), (Strings{"Ler", "Origem", "Cab", "Cab", "Origem", "Validar", "Alterar", "Origem",
                                      "Remover"}));
  EXPECT_FALSE(existe(chave));
  EXPECT_EQ(erro.lUltimoErro, -1);
}

TEST_F(Removal, ARemovalRefusedAfterTheVatRegimeSaveKeepsTheSavedDocumentAndLogsTheKey) {
  qvd::KeyDocumNext chave = inserir();
  semRegimeIva(chave);
  bal->UsaLogOstrel(true);
  Faults::returnCode("DocumentoComercial", "Remover", 1, 4321, "Documento fechado");

  qvd::NextError erro;
  EXPECT_FALSE(bal->CF_DocGenRemover(qvd::Preparacao, chave, erro));
  EXPECT_EQ(erro.lUltimoErro, 4321);
  EXPECT_EQ(erro.sTextoErro, "Documento fechado");
  EXPECT_EQ(bal->ErroNumero(), 4321);
  EXPECT_TRUE(existe(chave));
  EXPECT_EQ(cabecalho("RGIVA", chave), "NAC");

  std::string log = logEscrito();
  EXPECT_NE(log.find("Documento fechado"), std::string::npos) << log;
  EXPECT_NE(log.find("Rotina DocGenRemover"), std::string::npos) << log;
  EXPECT_NE(log.find("Operação Remoção"), std::string::npos) << log;
  EXPECT_NE(log.find("utNxtDocKey.sTpDoc   = FA\r\n"), std::string::npos) << log;
  EXPECT_NE(log.find("utNxtDocKey.lNumDoc  =  " + std::to_string(chave.lNumDoc) + "\r\n"), std::string::npos) << log;
  EXPECT_NE(log.find("utNxtDocKey.iSerie   =  1\r\n"), std::string::npos) << log;
  EXPECT_NE(log.find("utNxtDocKey.iAno     =  2024\r\n"), std::string::npos) << log;
}

TEST_F(Removal, ARefusedVatRegimeSaveRemovesNothing) {
  qvd::KeyDocumNext chave = inserir();
  semRegimeIva(chave);
  Faults::returnCode("DocumentoComercial", "Alterar", 1, 55, "Regime recusado");

  qvd::NextError erro;
  EXPECT_FALSE(bal->CF_DocGenRemover(qvd::Preparacao, chave, erro));
  EXPECT_EQ(erro.lUltimoErro, 55);
  EXPECT_TRUE(existe(chave));
  EXPECT_EQ(logEscrito(), "");  // the log is off unless asked for
}

TEST_F(Removal, AMissingDocumentGivesTheReadErrorAndANegativeKeyIsLoggedWithItsSign) {
  bal->UsaLogOstrel(true);
  qvd::KeyDocumNext chave{-5, "FA", 1, 999};
  qvd::NextError erro;
  EXPECT_FALSE(bal->CF_DocGenRemover(qvd::Preparacao, chave, erro));
  EXPECT_EQ(erro.lUltimoErro, 1010);
  EXPECT_NE(erro.sTextoErro.find("não existe"), std::string::npos);
  std::string log = logEscrito();
  EXPECT_NE(log.find("utNxtDocKey.iAno     = -5\r\n"), std::string::npos) << log;
  EXPECT_NE(log.find("utNxtDocKey.lNumDoc  =  999\r\n"), std::string::npos) << log;
}

TEST_F(Removal, RunTimeErrorsLeaveWithTheOperationsName) {
  qvd::KeyDocumNext chave = inserir();
  Faults::raiseError("DocumentoComercial", "Remover", 1, 70, "Permissão negada");
  qvd::NextError erro;
  RaisedError e = errorOf([&] { bal->CF_DocGenRemover(qvd::Preparacao, chave, erro); });
  EXPECT_EQ(e.number, 70);
  EXPECT_EQ(e.source, "BAL_Next: CF_DocGenRemover");
  EXPECT_EQ(e.description, "Permissão negada");

  qvd::DAL_Next dal;
  dal.DataAccess(automation::Variant(dados));
  ASSERT_TRUE(iniciar(dal));
  Faults::clear();
  Faults::raiseError("DocumentoComercial", "Ler", 1, 91, "");
  Faults::raiseError("DocumentoComercial", "Ler", 2, 91, "");
  EXPECT_EQ(errorOf([&] { dal.DocNextRemover(qvd::Preparacao, chave, erro); }).source, "DAL_Next: DocNextRemover");
  EXPECT_EQ(errorOf([&] { dal.DocGenRemover(qvd::Preparacao, chave, erro); }).source, "DAL_Next: DocGenRemover");
  EXPECT_TRUE(existe(chave));
}

}  // namespace
}  // namespace testsupport
