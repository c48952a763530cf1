#include <gtest/gtest.h>

#include "support/ErpFixture.hpp"

namespace testing_support {
namespace {

using automation::ObjectRef;
using automation::propGet;

using ExistingDocuments = ErpTest;

TEST_F(ExistingDocuments, CloneInsertsACopyUnderTheNewSeriesAndLeavesTheSourceAlone) {
  qvd::KeyDocumNext origem = insertInvoice();
  Rows linhasOrigem = linesOf(origem);
  qvd::KeyDocumNext destino{0, "FA", 2, 77};
  EXPECT_TRUE(bal->DocGenClonarComo(qvd::Finalizado, origem, destino, "20-03-2024"));
  EXPECT_EQ(bal->ErroNumero(), -1);
  EXPECT_EQ(destino.iAno, 2024);
  EXPECT_EQ(destino.iSerie, 2);
  EXPECT_EQ(destino.lNumDoc, 1);  // the series' own number, not the one passed in
  EXPECT_EQ(linesOf(destino), linhasOrigem);
  EXPECT_EQ(ofDocument("DATAVENC", "DOCGCCAB", destino), "20-03-2024");
  EXPECT_EQ(ofDocument("ORIGEM", "DOCGCCAB", destino), "2");
  EXPECT_EQ(linesOf(origem), linhasOrigem);
  EXPECT_EQ(ofDocument("DATA", "DOCGCCAB", origem), "15-03-2024");

  qvd::KeyDocumNext semSerie{0, "FA", 9, 0};
  EXPECT_FALSE(bal->DocGenClonarComo(qvd::Finalizado, origem, semSerie, "20-03-2024"));
  EXPECT_EQ(bal->ErroNumero(), 1013);
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM DOCGCCAB"), "2");
}

TEST_F(ExistingDocuments, MarkingAsFullyConvertedZeroesEveryLineAndSavesIt) {
  double antes = stock("A001");
  qvd::KeyDocumNext chave = insertInvoice({{"A001", 2}, {"P001", 3}, {"A001", 1}});
  qvd::NextError erro;
  EXPECT_TRUE(bal->MarcarTotalmenteConvertido(qvd::NaoAplicavel, chave, erro));
  EXPECT_EQ(ofDocument("CONVERTIDO", "DOCGCCAB", chave), "-1");
  EXPECT_EQ(scalar("SELECT GROUP_CONCAT(QUANT) FROM DOCGCLIN"), "0.0,0.0,0.0");
  EXPECT_EQ(stock("A001"), antes);

  qvd::KeyDocumNext ausente{2024, "FA", 1, 999};
  EXPECT_FALSE(bal->MarcarTotalmenteConvertido(qvd::NaoAplicavel, ausente, erro));
  EXPECT_EQ(erro.lUltimoErro, 1010);
}

TEST_F(ExistingDocuments, PassThroughsValidateInsertReadAndAlterTheCallersDocument) {
  ObjectRef fatura = novaFatura();
  EXPECT_TRUE(bal->INEMER_DocValidar(qvd::NaoAplicavel, fatura));
  EXPECT_TRUE(bal->INEMER_DocInserir(qvd::NaoAplicavel, fatura));
  qvd::KeyDocumNext chave{2024, "FA", 1, propGet(propGet(fatura, "Cab").toObject(), "NossoNoDocumento").toLong()};
  EXPECT_TRUE(exists(chave));

  ObjectRef lido = bal->NxtAlloc_DocumentoComercial();
  EXPECT_TRUE(bal->INEMER_DocLer(chave, lido));
  automation::propPut(propGet(lido, "Cab").toObject(), "Observacoes", "Revisto");
  EXPECT_TRUE(bal->INEMER_DocAlterar(qvd::Finalizado, lido));
  EXPECT_EQ(ofDocument("OBSERV", "DOCGCCAB", chave), "Revisto");

  qvd::KeyDocumNext ausente{2024, "FA", 1, 999};
  EXPECT_FALSE(bal->INEMER_DocLer(ausente, lido));
  EXPECT_EQ(bal->ErroNumero(), 1010);
  ObjectRef nuncaLido = novaFatura();
  EXPECT_FALSE(bal->INEMER_DocAlterar(qvd::Finalizado, nuncaLido));
  EXPECT_EQ(bal->ErroNumero(), 1020);
}

}  // namespace
}  // namespace testing_support
