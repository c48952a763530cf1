#include <gtest/gtest.h>

#include "support/ErpFixture.hpp"
#include "support/RecordingDataAccess.hpp"

namespace testing_support {
namespace {

using ExistingDocuments = ErpTest;

TEST_F(ExistingDocuments, CloneInsertsACopyUnderTheNewSeriesAndLeavesTheSourceAlone) {
  qvd::KeyDocumNext origem = insertInvoice();
  Rows linhasOrigem = linesOf(origem);
  qvd::KeyDocumNext destino{0, "FA", 2, 77};
  EXPECT_TRUE(bal->DocGenClonarComo(qvd::Finalizado, origem, destino, "20-03-2024"));
  EXPECT_EQ(balError(), "-1 ");
  EXPECT_EQ(keyText(destino), "FA 2/2024 1");  // the series' own number, not the one passed in
  EXPECT_EQ(linesOf(destino), linhasOrigem);
  EXPECT_EQ(ofDocument("DATAVENC || ' ' || ORIGEM", "DOCGCCAB", destino), "2024-03-20 2");
  EXPECT_EQ(linesOf(origem), linhasOrigem);
  EXPECT_EQ(ofDocument("DATA", "DOCGCCAB", origem), "15-03-2024");

  qvd::KeyDocumNext semSerie{0, "FA", 9, 0};
  EXPECT_FALSE(bal->DocGenClonarComo(qvd::Finalizado, origem, semSerie, "20-03-2024"));
  EXPECT_EQ(balError().substr(0, 5), "1013 ");
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM DOCGCCAB"), "2");
}

TEST_F(ExistingDocuments, MarkingAsFullyConvertedZeroesEveryLineAndSavesIt) {
  double antes = stock("A001");
  qvd::KeyDocumNext chave = insertInvoice({{"A001", 2}, {"P001", 3}, {"A001", 1}});
  qvd::NextError erro;
  EXPECT_TRUE(bal->MarcarTotalmenteConvertido(qvd::NaoAplicavel, chave, erro));
  EXPECT_EQ(ofDocument("CONVERTIDO", "DOCGCCAB", chave), "-1");
  EXPECT_EQ(ofDocumentRows("QUANT", "DOCGCLIN", chave), (Rows{"0", "0", "0"}));
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
  EXPECT_EQ(balError().substr(0, 5), "1010 ");
  ObjectRef nuncaLido = novaFatura();
  EXPECT_FALSE(bal->INEMER_DocAlterar(qvd::Finalizado, nuncaLido));
  EXPECT_EQ(balError().substr(0, 5), "1020 ");
}

class PrintCopies : public ErpTest {
 protected:
  bool registar(const std::string& utilizador, const std::string& tipo, int32_t numero, int16_t vias) {
    return bal->SetNumVias(true, 555, utilizador, tipo, 2024, 1, numero, vias);
  }
  bool apagar(const std::string& utilizador, const std::string& tipo, int32_t numero) {
    return bal->SetNumVias(false, 555, utilizador, tipo, 2024, 1, numero, 9);
  }
  Rows vias() const {
    return rows("SELECT CHAVE, UTILIZ, TPDOC, ANO, SERIE, NUMDOC, NUMVIA FROM IMPRESSA ORDER BY NUMDOC, UTILIZ, NUMVIA");
  }
};

TEST_F(PrintCopies, EachCopyIsOneRowAndDeletingTakesEveryCopyOfThatUserAndDocument) {
  EXPECT_TRUE(registar("ana", "FA", 7, 3));
  EXPECT_EQ(vias(), (Rows{"987655|ana|FA|2024|1|7|1", "987656|ana|FA|2024|1|7|2", "987657|ana|FA|2024|1|7|3"}));
  EXPECT_TRUE(registar("ana", "FA", 7, 0));
  EXPECT_TRUE(registar("rui", "FA", 7, 1));
  EXPECT_TRUE(registar("ana", "FA", 8, 1));
  EXPECT_TRUE(apagar("ana", "FA", 7));
  EXPECT_EQ(vias(), (Rows{"987655|rui|FA|2024|1|7|1", "987655|ana|FA|2024|1|8|1"}));

  // Failures are false, never raised; a table that does not open is nothing to do.
  qvd::BAL_Next semDados;
  EXPECT_FALSE(semDados.SetNumVias(true, 0, "ana", "FA", 2024, 1, 7, 1));
  auto recusa = std::make_shared<RecordingDataAccess>(dados);
  recusa->refuse = [](const std::string&) { return true; };
  bal->DataAccess(automation::Variant(recusa));
  EXPECT_TRUE(registar("ana", "FA", 9, 2));
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM IMPRESSA WHERE NUMDOC = 9"), "0");
}

TEST_F(PrintCopies, QuotesInTheUserOrTypeCannotWidenTheDeletion) {
  ASSERT_TRUE(registar("o'neil", "F'A", 7, 1));
  ASSERT_TRUE(registar("ana", "FA", 7, 1));
  EXPECT_TRUE(apagar("ana') OR ('1'='1", "FA", 7));
  EXPECT_TRUE(apagar("ana", "FA') OR ('1'='1", 7));
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM IMPRESSA"), "2");
  EXPECT_TRUE(apagar("o'neil", "F'A", 7));
  EXPECT_EQ(vias(), Rows{"987655|ana|FA|2024|1|7|1"});
}

}  // namespace
}  // namespace testing_support
