#include <gtest/gtest.h>

#include <tuple>

#include "erpserver/testhooks/Faults.hpp"
#include "support/ErpFixture.hpp"

namespace testing_support {
namespace {

using erpserver::Faults;
using Strings = std::vector<std::string>;

class Removal : public ErpTest {
 protected:
  void semRegimeIva(const qvd::KeyDocumNext& chave) {
    ASSERT_TRUE(dados->ExecutarSQL("", "UPDATE DOCGCCAB SET RGIVA = NULL WHERE NNUMDOC = " + std::to_string(chave.lNumDoc)));
  }
};

TEST_F(Removal, RemovesTheDocumentSavingAnEmptyVatRegimeFirst) {
  double antes = stock("A001");
  qvd::KeyDocumNext chave = insertInvoice();
  startJournal();
  EXPECT_TRUE(bal->RemoverDocumento(qvd::Preparacao, chave));
  EXPECT_EQ(accessesOn("DocumentoComercial"), (Strings{"Ler", "Cab", "Origem", "Remover"}));
  EXPECT_FALSE(exists(chave));
  EXPECT_EQ(stock("A001"), antes);
  // Not there any more: false, and this removal leaves the error record as reset.
  EXPECT_FALSE(bal->RemoverDocumento(qvd::Preparacao, chave));
  EXPECT_EQ(balError(), "-1 ");

  chave = insertInvoice();
  semRegimeIva(chave);
  startJournal();
  qvd::NextError erro;
  EXPECT_TRUE(bal->CF_DocGenRemover(qvd::Preparacao, chave, erro));
  EXPECT_EQ(accessesOn("DocumentoComercial"),
            (Strings{"Ler", "Origem", "Cab", "Cab", "Origem", "Validar", "Alterar", "Origem", "Remover"}));
  EXPECT_FALSE(exists(chave));
}

TEST_F(Removal, ARemovalRefusedAfterTheVatRegimeSaveKeepsTheSavedDocumentAndLogsTheKey) {
  qvd::KeyDocumNext chave = insertInvoice();
  semRegimeIva(chave);
  bal->UsaLogOstrel(true);
  Faults::returnCode("DocumentoComercial", "Remover", 1, 4321, "Documento fechado");
  qvd::NextError erro;
  EXPECT_FALSE(bal->CF_DocGenRemover(qvd::Preparacao, chave, erro));
  EXPECT_EQ(std::to_string(erro.lUltimoErro) + " " + erro.sTextoErro, "4321 Documento fechado");
  EXPECT_EQ(ofDocument("RGIVA", "DOCGCCAB", chave), "NAC");
  // The numbers of the key are written with a leading blank.
  EXPECT_NE(logText().find("Rotina DocGenRemover                  Operação Remoção                       \r\n\r\n"
                           "utNxtDocKey.sTpDoc   = FA\r\nutNxtDocKey.lNumDoc  =  " + std::to_string(chave.lNumDoc) +
                           "\r\nutNxtDocKey.iSerie   =  1\r\nutNxtDocKey.iAno     =  2024\r\n"),
            std::string::npos)
      << logText();

  // A refused VAT regime save removes nothing; a key that cannot be read is logged with its sign.
  Faults::clear();
  Faults::returnCode("DocumentoComercial", "Alterar", 1, 55, "Regime recusado");
  ASSERT_TRUE(dados->ExecutarSQL("", "UPDATE DOCGCCAB SET RGIVA = NULL"));
  EXPECT_FALSE(bal->CF_DocGenRemover(qvd::Preparacao, chave, erro));
  EXPECT_EQ(erro.lUltimoErro, 55);
  EXPECT_TRUE(exists(chave));
  qvd::KeyDocumNext ausente{-5, "FA", 1, 999};
  EXPECT_FALSE(bal->CF_DocGenRemover(qvd::Preparacao, ausente, erro));
  EXPECT_EQ(erro.lUltimoErro, 1010);
  EXPECT_NE(logText().find("utNxtDocKey.iAno     = -5\r\n"), std::string::npos);
}

}  // namespace
}  // namespace testing_support
