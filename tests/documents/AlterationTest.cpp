#include <gtest/gtest.h>

#include "erpserver/testhooks/Faults.hpp"
#include "support/ErpFixture.hpp"
#include "support/RecordingDataAccess.hpp"

namespace testing_support {
namespace {

using erpserver::Faults;
using Strings = std::vector<std::string>;

class Alteration : public ErpTest {
 protected:
  void SetUp() override {
    ErpTest::SetUp();
    alterado = insertInvoice({{"A001", 2}, {"P001", 3}});
    ultimo = insertInvoice({{"A001", 1}});
    gravador = std::make_shared<RecordingDataAccess>(dados);
    bal->DataAccess(automation::Variant(gravador));
    Faults::clear();
  }

  // Replaces the document `chave` names with one line per (article, quantity) from A1.
  bool alterar(qvd::KeyDocumNext& chave, const Lines& novas = {{"A001", 5}}) {
    LineArrays a(novas);
    return bal->CF_DocGenAlterar(qvd::NaoAplicavel, "FA", "S1", 1, "C001", "PR-2", "VN-2", "16-03-2024", "Alterado",
                                 "A1", a.sArtigo, a.sNome, a.dQuant, a.dPrUnit, a.sNotas, chave);
  }

  std::size_t vezes(const std::string& texto) const { return occurrences(logText(), texto); }

  qvd::KeyDocumNext alterado, ultimo;
  std::shared_ptr<RecordingDataAccess> gravador;
};

TEST_F(Alteration, ReplacesTheContentsUnderTheSameNumberKeepingPriceTypeVatFlagAndCounter) {
  ASSERT_TRUE(dados->ExecutarSQL("", "UPDATE DOCGCCAB SET TPPRECO = 3, IVAINC = -1, VENDEDOR = 'V2' WHERE NNUMDOC = " +
                                         std::to_string(alterado.lNumDoc)));
  double a001 = stock("A001"), p001 = stock("P001");
  std::string numero = std::to_string(alterado.lNumDoc);
  std::string contadorAntes = counter("FA");
  ASSERT_EQ(contadorAntes, std::to_string(ultimo.lNumDoc));

  qvd::KeyDocumNext chave = alterado;
  EXPECT_TRUE(alterar(chave, {{"A001", 5}}));
  EXPECT_EQ(balError(), "-1 ");
  EXPECT_EQ(keyText(chave), keyText(alterado));
  EXPECT_EQ(linesOf(chave), Rows{"1|A001|Parafuso M6|0.615|5|0"});  // the price with VAT kept included
  // The salesperson is the client's, as nobody passed one.
  EXPECT_EQ(ofDocument("TPPRECO || ' ' || IVAINC || ' ' || VENDEDOR || ' ' || OBSERV || ' ' || DATA", "DOCGCCAB", chave),
            "3 -1 V1 Alterado 2024-03-16");
  EXPECT_EQ(stock("A001"), a001 + 2 - 5);
  EXPECT_EQ(stock("P001"), p001 + 3);
  EXPECT_EQ(counter("FA"), contadorAntes);

  std::string chaveSql = "(NNUMDOC =" + numero + ") AND (SERIE =1) AND (ANO =2024 )";
  std::string contadorSql = "WHERE (DOC = 'FA') AND (SERIE =1) AND (ANO =2024 )";
  ASSERT_EQ(gravador->sql.size(), 4u);
  EXPECT_EQ(Strings(gravador->sql.begin(), gravador->sql.end() - 1),
            (Strings{"SELECT  ANO, DOC, SERIE, NUM From NUMDOC " + contadorSql,
                     "DELETE FROM DOCGCCAB WHERE (TPDOC = 'FA') AND " + chaveSql,
                     "DELETE FROM DOCGCLIN WHERE (TPDOCUM = 'FA') AND " + chaveSql}));
  EXPECT_EQ(gravador->sql[3].rfind("UPDATE NUMDOC SET NUM = " + contadorAntes + " " + contadorSql, 0), 0u);
}

TEST_F(Alteration, TheCounterIsPutBackButAnotherWritersNumberIsNeverUndone) {
  std::string N = counter("FA");
  // A server that lowered the counter on the removal gets it back.
  Faults::hook("DocumentoComercial", "Remover", 1,
               [&] { EXPECT_TRUE(dados->ExecutarSQL("", "UPDATE NUMDOC SET NUM = 1")) << dados->UltimoErroBD(); });
  qvd::KeyDocumNext chave = alterado;
  ASSERT_TRUE(alterar(chave));
  EXPECT_EQ(counter("FA"), N);

  // Another writer takes the next number while the document is out.
  qvd::KeyDocumNext outro;
  Faults::hook("DocumentoComercial", "Remover", 2, [&] {
    automation::ObjectRef fatura = novaFatura();
    ASSERT_EQ(automation::invoke(fatura, "Inserir").toLong(), 0);
    outro = {2024, "FA", 1, automation::propGet(automation::propGet(fatura, "Cab").toObject(), "NossoNoDocumento").toLong()};
  });
  chave = alterado;
  ASSERT_TRUE(alterar(chave));
  ASSERT_EQ(outro.lNumDoc, std::stoi(N) + 1);
  EXPECT_TRUE(exists(outro));
  EXPECT_EQ(counter("FA"), std::to_string(outro.lNumDoc));
  EXPECT_EQ(chave.lNumDoc, alterado.lNumDoc);
}

TEST_F(Alteration, ARefusedReinsertLosesTheOldDocumentAndWritesBothLogs) {
  bal->UsaLogOstrel(true);
  double a001 = stock("A001"), p001 = stock("P001");
  std::string N = counter("FA");
  Faults::returnCode("DocumentoComercial", "Inserir", 1, 1013, "Cliente bloqueado");

  qvd::KeyDocumNext chave = alterado;
  EXPECT_FALSE(alterar(chave));
  EXPECT_EQ(balError(), "1013 Cliente bloqueado");
  EXPECT_FALSE(exists(alterado));
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM DOCGCLIN WHERE NNUMDOC = " + std::to_string(alterado.lNumDoc)), "0");
  EXPECT_EQ(stock("A001"), a001 + 2);
  EXPECT_EQ(stock("P001"), p001 + 3);
  EXPECT_EQ(counter("FA"), N);
  EXPECT_EQ(vezes("Rotina DocGenInserir"), 1u);
  EXPECT_EQ(vezes("Rotina DocGenAlterar                  Operação Inserção"), 1u) << logText();
  EXPECT_EQ(vezes("Cliente bloqueado"), 2u);
  EXPECT_EQ(vezes("sObs                 = Alterado"), 2u);
}

TEST_F(Alteration, NothingIsTouchedWhenTheDocumentOrItsCounterCannotBeRead) {
  bal->UsaLogOstrel(true);
  qvd::KeyDocumNext ausente{2024, "FA", 1, 999};
  EXPECT_FALSE(alterar(ausente));
  EXPECT_EQ(bal->ErroNumero(), 1010);
  EXPECT_EQ(gravador->sql.size(), 1u);
  EXPECT_EQ(vezes("Rotina DocGenAlterar                  Operação Remoção"), 1u) << logText();

  // The counter query itself fails: the operation stops before reading the document.
  gravador->sql.clear();
  gravador->refuse = [](const std::string& sql) { return sql.find("From NUMDOC") != std::string::npos; };
  startJournal();
  qvd::KeyDocumNext chave = alterado;
  EXPECT_FALSE(alterar(chave));
  EXPECT_EQ(gravador->sql.size(), 1u);
  EXPECT_TRUE(accessesOn("DocumentoComercial").empty());
  EXPECT_TRUE(exists(alterado));
  gravador->refuse = [](const std::string&) { return false; };

  // No counter row for the series: the error trap ends it, the document is still not touched.
  qvd::KeyDocumNext semContador{2024, "FA", 2, alterado.lNumDoc};
  RaisedError e = raisedBy([&] { alterar(semContador); });
  EXPECT_EQ(e.source, "BAL_Next: CF_DocGenAlterar");
  EXPECT_NE(e.number, 0);
  EXPECT_TRUE(accessesOn("DocumentoComercial").empty());
  EXPECT_EQ(vezes("Operação ErrorHandler"), 1u);
  EXPECT_TRUE(exists(alterado));
}

}  // namespace
}  // namespace testing_support
