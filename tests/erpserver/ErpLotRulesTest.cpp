#include "support/ErpFixture.hpp"
#include "support/StockInvariant.hpp"

// Lots belong to their line's warehouse and to their dates: the reference ERP refuses a lot named
// from another warehouse and an exit past a lot's expiry, and it stores no document that would
// leave a warehouse's stock of a lot-controlled article other than its lots.
namespace testing_support {
namespace {

TEST_F(ErpServerTest, ALotNamedFromAnotherWarehouseIsRefusedInEveryAction) {
  startSession();
  const std::string text =
      "Linha 1, campo Armazem = 'A2': o lote 'L-A002-1' é do armazém 'A2' e a linha 1 move o armazém 'A1'";
  DocBuilder sale("FA", 1, "C001");
  sale.line("A002", "A1", 5).lot(1, "L-A002-1", "A002", "A2", 5);
  EXPECT_EQ(sale.validar(), 1058);
  EXPECT_EQ(sale.message(), text);
  EXPECT_EQ(sale.inserir(), 1058);
  // An entry brings a new lot into the line's warehouse only.
  DocBuilder entry("GEF", 1, "F001");
  entry.line("A002", "A1", 5, 4).lot(1, "L-NOVO", "A002", "A2", 5);
  EXPECT_EQ(entry.inserir(), 1058);
  EXPECT_EQ(entry.message(), "Linha 1, campo Armazem = 'A2': o lote 'L-NOVO' é do armazém 'A2' e a linha 1 move o "
                             "armazém 'A1'");

  DocBuilder good("FA", 1, "C001");
  good.line("A002", "A1", 5).lot(1, "L-A002-1", "A002", "A1", 5);
  ASSERT_EQ(good.inserir(), 0) << good.message();
  ObjectRef read = stored("FA", good.number());
  propPut(propGet(read, "Linhas", 1).toObject(), "Quantidade", 7.0);
  invoke(read, "AdicionaLote", lotLine(1, "L-A002-1", "A002", "A2", 2));
  EXPECT_EQ(invoke(read, "Validar").toLong(), 1058);
  EXPECT_EQ(invoke(read, "Alterar").toLong(), 1058);
  EXPECT_EQ(propGet(read, "UltimaMensagem").toString(), text);
  // Only the good sale moved anything.
  EXPECT_EQ(rows("SELECT ARMAZEM, EXISTENC FROM ARTARM WHERE ARTIGO = 'A002' ORDER BY ARMAZEM"),
            (Rows{"A1|55", "A2|15"}));
  EXPECT_EQ(rows("SELECT ARMAZEM, QTDENT - QTDSID FROM ARTLOT WHERE CODLOTE = 'L-A002-1' ORDER BY ARMAZEM"),
            (Rows{"A1|35", "A2|15"}));
}

TEST_F(ErpServerTest, ExitsTakeNoLotPastItsExpiryOnTheDocumentsDate) {
  startSession();
  ASSERT_TRUE(dados->ExecutarSQL("", "UPDATE ARTLOT SET VALIDADE = '2024-08-01' WHERE CODLOTE = 'L-A003-1'"));
  ASSERT_TRUE(dados->ExecutarSQL("", "UPDATE ARTLOT SET VALIDADE = '2024-09-01' WHERE CODLOTE = 'L-A003-2'"));
  auto exit = [](const std::string& date, double quantity, const std::string& lot = "") {
    DocBuilder b("FA", 1, "C001", date);
    b.line("A003", "A1", quantity);
    if (!lot.empty()) b.lot(1, lot, "A003", "A1", quantity);
    return b;
  };

  // Both lots expired: nothing is left to take, though the warehouse holds 300.
  DocBuilder late = exit("01-06-2025", 20);
  const std::string none =
      "Linha 1, campo Quantidade = 20: o armazém 'A1' só tem 0 do artigo 'A003' em lotes válidos a 01-06-2025; 300 "
      "estão em lotes expirados";
  EXPECT_EQ(late.validar(), 1059);
  EXPECT_EQ(late.message(), none);
  EXPECT_EQ(late.inserir(), 1059);
  // The first expired, the second valid on its last day: it alone is taken, and only so far.
  DocBuilder tooMuch = exit("01-09-2024", 150);
  EXPECT_EQ(tooMuch.inserir(), 1059);
  EXPECT_EQ(tooMuch.message(), "Linha 1, campo Quantidade = 150: o armazém 'A1' só tem 100 do artigo 'A003' em lotes "
                               "válidos a 01-09-2024; 200 estão em lotes expirados");
  DocBuilder lastDay = exit("01-09-2024", 60);
  ASSERT_EQ(lastDay.inserir(), 0) << lastDay.message();
  EXPECT_EQ(rows("SELECT CODLOT, QUANT FROM LOTEMOVS"), Rows{"L-A003-2|60"});

  // A lot named past its expiry, in every action, until the company allows it.
  const std::string named =
      "Linha 1, campo CodigoLote = 'L-A003-1': o lote do artigo 'A003' no armazém 'A1' expirou a 01-08-2024, antes "
      "da data do documento (02-08-2024), e a empresa não permite saídas de lotes expirados";
  DocBuilder expired = exit("02-08-2024", 5, "L-A003-1");
  EXPECT_EQ(expired.validar(), 1059);
  EXPECT_EQ(expired.message(), named);
  EXPECT_EQ(expired.inserir(), 1059);
  DocBuilder onItsDay = exit("01-08-2024", 5, "L-A003-1");
  ASSERT_EQ(onItsDay.inserir(), 0) << onItsDay.message();
  ObjectRef redated = stored("FA", onItsDay.number());
  propPut(propGet(redated, "Cab").toObject(), "Data", "02-08-2024");
  EXPECT_EQ(invoke(redated, "Alterar").toLong(), 1059);
  EXPECT_EQ(propGet(redated, "UltimaMensagem").toString(), named);
  // Entries and returns bring lots in whatever their dates.
  DocBuilder back("DC", 1, "", "01-06-2025");
  back.line("A003", "A1", 5).lot(1, "L-A003-1", "A003", "A1", 5);
  EXPECT_EQ(back.inserir(), 0) << back.message();

  ASSERT_TRUE(dados->ExecutarSQL("", "UPDATE PARAMS SET LOTEXPIR = -1"));
  EXPECT_EQ(invoke(redated, "Alterar").toLong(), 0) << propGet(redated, "UltimaMensagem").toString();
  EXPECT_EQ(expired.inserir(), 0) << expired.message();
  // Taking lots itself, the ERP still leaves the expired ones alone.
  EXPECT_EQ(exit("01-06-2025", 20).inserir(), 1059);
  EXPECT_EQ(rows("SELECT CODLOTE, QTDSID FROM ARTLOT WHERE ARTIGO = 'A003' ORDER BY CODLOTE"),
            (Rows{"L-A003-1|5", "L-A003-2|60"}));
}

TEST_F(ErpServerTest, NoDocumentIsStoredThatLeavesAWarehouseOtherThanItsLots) {
  startSession();
  DocBuilder first("FA", 1, "C001");
  first.line("A002", "A1", 5).lot(1, "L-A002-1", "A002", "A1", 5);
  ASSERT_EQ(first.inserir(), 0) << first.message();
  for (const std::string& sql : stockSkewStatements(onServer())) ASSERT_TRUE(dados->ExecutarSQL("", sql)) << sql;
  const std::string state = "SELECT ARMAZEM, EXISTENC FROM ARTARM WHERE ARTIGO = 'A002' ORDER BY ARMAZEM";
  const Rows stockBefore = rows(state);

  DocBuilder sale("FA", 1, "C001");
  sale.line("A001", "A1", 1).line("A002", "A2", 3);
  EXPECT_EQ(sale.inserir(), 1060);
  EXPECT_EQ(sale.message(), "O artigo 'A002' ficaria no armazém 'A2' com 13 em stock e 12 nos seus lotes; o stock de "
                            "um artigo com controlo de lotes é o dos seus lotes, e o documento não foi gravado");
  ObjectRef read = stored("FA", first.number());
  propPut(propGet(read, "Linhas", 1).toObject(), "PrecoUnitario", 3.0);
  EXPECT_EQ(invoke(read, "Alterar").toLong(), 1060);
  EXPECT_EQ(rows(state), stockBefore);
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM DOCGCCAB"), "1");
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM LOTEMOVS"), "1");

  // Nor does a refused entry leave its costs in what the server keeps in memory: a line it prices
  // afterwards takes the cost stored.
  DocBuilder dear("GEF", 1, "F001");
  dear.line("A001", "A1", 100, 1000).line("A002", "A1", 1, 1).lot(2, "L-A002-9", "A002", "A1", 1);
  EXPECT_EQ(dear.inserir(), 1060);
  DocBuilder priced("GEF", 1, "F001");
  priced.line("A001", "A1", 1);
  EXPECT_EQ(propGet(propGet(priced.doc, "Linhas", 1).toObject(), "PrecoUnitario").toString(),
            scalar("SELECT ULTPMP FROM ARTIGOS WHERE CODIGO = 'A001'"));

  // A document that moves no lots is not held back.
  DocBuilder screws("FA", 1, "C001");
  screws.line("A001", "A1", 1);
  EXPECT_EQ(screws.inserir(), 0) << screws.message();
  // Removals are checked too: a warehouse already out of step with its lots holds back whatever touches it.
  ASSERT_TRUE(dados->ExecutarSQL("", "UPDATE ARTLOT SET QTDENT = QTDENT + 1 WHERE CODLOTE = 'L-A002-2'"));
  EXPECT_EQ(invoke(read, "Remover").toLong(), 1060);
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM DOCGCCAB"), "2");
}

}  // namespace
}  // namespace testing_support
