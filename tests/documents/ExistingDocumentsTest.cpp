#include <gtest/gtest.h>

#include "core/DAL_Next.hpp"
#include "documents/MaintenanceFixture.hpp"

namespace testsupport {
namespace {

using automation::ObjectRef;
using automation::propGet;

using ExistingDocuments = MaintenanceTest;

TEST_F(ExistingDocuments, CloneInsertsACopyUnderTheNewTypeAndSeriesAndLeavesTheSourceAlone) {
  qvd::KeyDocumNext origem = inserir();
  std::string linhasOrigem = linhas(origem);
  double antes = stock("A001");

  qvd::KeyDocumNext destino{0, "FA", 2, 77};
  EXPECT_TRUE(bal->DocGenClonarComo(qvd::Finalizado, origem, destino, "20-03-2024"));
  EXPECT_EQ(bal->ErroNumero(), -1);
  EXPECT_EQ(destino.sTpDoc, "FA");
  EXPECT_EQ(destino.iSerie, 2);
  EXPECT_EQ(destino.iAno, 2024);
  EXPECT_EQ(destino.lNumDoc, 1);  // the series' own number, not the one passed in
  EXPECT_EQ(linhas(destino), linhasOrigem);
  EXPECT_EQ(cabecalho("DATA", destino), "20-03-2024");
  EXPECT_EQ(cabecalho("DATAVENC", destino), "20-03-2024");
  EXPECT_EQ(cabecalho("ORIGEM", destino), "2");
  EXPECT_EQ(stock("A001"), antes - 2);

  EXPECT_EQ(linhas(origem), linhasOrigem);
  EXPECT_EQ(cabecalho("DATA", origem), "15-03-2024");
  EXPECT_EQ(cabecalho("SERIE", origem), "1");
}

TEST_F(ExistingDocuments, CloneReportsTheReadOrTheInsertRefusal) {
  qvd::KeyDocumNext origem = inserir();
  qvd::KeyDocumNext destino{0, "FA", 9, 0};
  EXPECT_FALSE(bal->DocGenClonarComo(qvd::Finalizado, origem, destino, "20-03-2024"));
  EXPECT_EQ(bal->ErroNumero(), 1013);  // no series 9
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM DOCGCCAB"), "1");

  qvd::KeyDocumNext ausente{2024, "FA", 1, 999};
  EXPECT_FALSE(bal->DocGenClonarComo(qvd::Finalizado, ausente, destino, "20-03-2024"));
  EXPECT_EQ(bal->ErroNumero(), 1010);
}

TEST_F(ExistingDocuments, MarkingAsFullyConvertedZeroesEveryLineAndSavesIt) {
  double antes = stock("A001");
  qvd::KeyDocumNext chave = inserir({{"A001", 2}, {"P001", 3}, {"A001", 1}});
  ASSERT_EQ(stock("A001"), antes - 3);

  qvd::NextError erro;
  EXPECT_TRUE(bal->MarcarTotalmenteConvertido(qvd::NaoAplicavel, chave, erro));
  EXPECT_EQ(cabecalho("CONVERTIDO", chave), "-1");
  EXPECT_EQ(scalar("SELECT GROUP_CONCAT(QUANT) FROM DOCGCLIN WHERE NNUMDOC = " + std::to_string(chave.lNumDoc)),
            "0.0,0.0,0.0");
  EXPECT_EQ(stock("A001"), antes);

  qvd::KeyDocumNext ausente{2024, "FA", 1, 999};
  EXPECT_FALSE(bal->MarcarTotalmenteConvertido(qvd::NaoAplicavel, ausente, erro));
  EXPECT_EQ(erro.lUltimoErro, 1010);
}

TEST_F(ExistingDocuments, PassThroughsValidateInsertReadAndAlterTheCallersDocument) {
  ObjectRef fatura = novaFatura();
  EXPECT_TRUE(bal->INEMER_DocValidar(qvd::NaoAplicavel, fatura));
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM DOCGCCAB"), "0");
  EXPECT_TRUE(bal->INEMER_DocInserir(qvd::NaoAplicavel, fatura));
  qvd::KeyDocumNext chave{2024, "FA", 1, propGet(propGet(fatura, "Cab").toObject(), "NossoNoDocumento").toLong()};
  EXPECT_TRUE(existe(chave));

  ObjectRef lido = bal->NxtAlloc_DocumentoComercial();
  EXPECT_TRUE(bal->INEMER_DocLer(chave, lido));
  automation::propPut(propGet(lido, "Cab").toObject(), "Observacoes", "Revisto");
  EXPECT_TRUE(bal->INEMER_DocAlterar(qvd::Finalizado, lido));
  EXPECT_EQ(cabecalho("OBSERV", chave), "Revisto");
  EXPECT_EQ(cabecalho("ORIGEM", chave), "2");

  // Refusals come back through the facade's error record.
  qvd::KeyDocumNext ausente{2024, "FA", 1, 999};
  EXPECT_FALSE(bal->INEMER_DocLer(ausente, lido));
  EXPECT_EQ(bal->ErroNumero(), 1010);
  ObjectRef nuncaLido = novaFatura();
  EXPECT_FALSE(bal->INEMER_DocAlterar(qvd::Finalizado, nuncaLido));
  EXPECT_EQ(bal->ErroNumero(), 1020);
}

TEST_F(ExistingDocuments, APreviousFailureStopsAnAlterationButNotAnInsert) {
  qvd::DAL_Next dal;
  dal.DataAccess(automation::Variant(dados));
  ASSERT_TRUE(iniciar(dal));
  qvd::NextError erro;
  ObjectRef fatura = novaFatura();
  startJournal();
  EXPECT_EQ(dal.DocComercialAlterar(qvd::NaoAplicavel, fatura, 7, erro), 7);
  EXPECT_EQ(documentCalls(), (std::vector<std::string>{"Origem", "UltimoErro", "UltimaMensagem"}));
  EXPECT_EQ(dal.DocComercialInserir(qvd::NaoAplicavel, fatura, 7, erro), 0);
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM DOCGCCAB"), "1");
}

}  // namespace
}  // namespace testsupport
