#include "erpserver/store/Stock.hpp"
#include "platform/db/ServerAddress.hpp"
#include "support/ErpFixture.hpp"

namespace testing_support {
namespace {

TEST_F(ErpServerTest, SalesDocumentRoundTripMovesStockAndMovesItBack) {
  startSession();
  DocBuilder fa("FA", 1, "C001");
  fa.line("A001", "A1", 10).line("A003", "A1", 5);
  ASSERT_EQ(fa.validar(), 0) << fa.message();
  EXPECT_EQ(propTexts(fa.cab(), {"Ano", "Moeda", "Vendedor"}), "2024|EUR|V1");  // defaults filled in
  ASSERT_EQ(fa.inserir(), 0) << fa.message();
  EXPECT_EQ(fa.number(), 1);
  EXPECT_EQ(stock("A001") + stock("A003"), 90 + 295);
  ObjectRef a001 = erp("Artigos");
  ASSERT_EQ(invoke(a001, "Ler", "A001").toLong(), 0);
  EXPECT_DOUBLE_EQ(propGet(a001, "StDisp").toDouble(), 140);
  // 10 x 0.50 at 23 % and 5 x 1.20 at 6 %.
  EXPECT_EQ(scalar("SELECT DATA || ' ' || TOTDOC FROM DOCGCCAB WHERE TPDOC = 'FA'"), "2024-05-15 12.51");

  ObjectRef doc = stored("FA", 1);
  ObjectRef cab = propGet(doc, "Cab").toObject();
  EXPECT_EQ(propTexts(cab, {"Terceiro", "Data", "NossoNoDocumento"}), "C001|15-05-2024|1");
  ObjectRef lines = propGet(doc, "Linhas").toObject();
  ASSERT_EQ(propGet(lines, "Count").toLong(), 2);
  EXPECT_EQ(propGet(propGet(lines, "Item", 2).toObject(), "Artigo").toString(), "A003");
  ObjectRef first = propGet(doc, "Linhas", 1).toObject();
  EXPECT_EQ(propTexts(first, {"PrecoUnitario", "Descricao"}), "0.5|Parafuso M6");
  EXPECT_EQ(errorOf([&] { propGet(lines, "Item", 3); }), automation::errnum::SubscriptOutOfRange);

  propPut(first, "Quantidade", 4.0);
  ASSERT_EQ(invoke(doc, "Alterar").toLong(), 0) << propGet(doc, "UltimaMensagem").toString();
  EXPECT_DOUBLE_EQ(stock("A001"), 96);
  EXPECT_EQ(scalar("SELECT TOTDOC FROM DOCGCCAB"), "8.82");
  propPut(cab, "Serie", int16_t{2});
  EXPECT_EQ(invoke(doc, "Alterar").toLong(), 1021);
  propPut(cab, "Serie", int16_t{1});

  ASSERT_EQ(invoke(doc, "Remover").toLong(), 0);
  EXPECT_EQ(stock("A001") + stock("A003"), 100 + 300);
  ASSERT_EQ(invoke(a001, "Ler", "A001").toLong(), 0);
  EXPECT_DOUBLE_EQ(propGet(a001, "StDisp").toDouble(), 150);
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM DOCGCCAB") + scalar("SELECT COUNT(*) FROM DOCGCLIN"), "00");
  EXPECT_EQ(invoke(doc, "Remover").toLong(), 1020);
  EXPECT_EQ(invoke(erp("DocumentoComercial"), "Ler", "FA", 1, int16_t{1}, int16_t{2024}).toLong(), 1010);
}

TEST_F(ErpServerTest, ManualNumbersMustBeFreeAndAdvanceTheCounter) {
  startSession();
  auto invoice = [](int16_t series, const std::string& client, int32_t number) {
    DocBuilder d("FA", series, client);
    d.line("A001", "A1", 1);
    if (number) propPut(d.cab(), "NossoNoDocumento", number);
    return d;
  };
  DocBuilder a = invoice(1, "C001", 7);
  ASSERT_EQ(a.inserir(), 0) << a.message();
  EXPECT_EQ(a.number(), 7);
  EXPECT_EQ(scalar("SELECT NUM FROM NUMDOC WHERE DOC = 'FA' AND SERIE = 1 AND ANO = 2024"), "7");
  DocBuilder b = invoice(1, "C001", 0);
  ASSERT_EQ(b.inserir(), 0);
  EXPECT_EQ(b.number(), 8);

  DocBuilder c = invoice(1, "C002", 7);
  EXPECT_EQ(c.validar(), 1011);
  EXPECT_EQ(c.message(), "O documento FA 1/2024 n.º 7 já existe");
  EXPECT_EQ(c.inserir(), 1011);
  EXPECT_EQ(scalar("SELECT TERCEIRO FROM DOCGCCAB WHERE NNUMDOC = 7"), "C001");
  // A counter put back below numbers in use does not hand them out again.
  ASSERT_TRUE(dados->ExecutarSQL("", "UPDATE NUMDOC SET NUM = 6 WHERE DOC = 'FA'"));
  propPut(c.cab(), "NossoNoDocumento", 0);
  ASSERT_EQ(c.inserir(), 0) << c.message();
  EXPECT_EQ(c.number(), 9);

  DocBuilder other = invoice(2, "C002", 0);
  ASSERT_EQ(other.inserir(), 0);
  EXPECT_EQ(other.number(), 1);
  EXPECT_EQ(other.inserir(), 1011);  // the same object inserted twice
}

// A line's lots come back in the order they were written, even after their rows were updated in
// place (which moves a row on a server).
TEST_F(ErpServerTest, StoredLotsKeepTheirOrderAfterAnUpdate) {
  startSession();
  DocBuilder sale("FA", 1, "C001");
  sale.line("A002", "A1", 2).lot(1, "L-A002-2", "A002", "A1", 1).lot(1, "L-A002-1", "A002", "A1", 1);
  ASSERT_EQ(sale.inserir(), 0) << sale.message();
  ASSERT_TRUE(dados->ExecutarSQL("", "UPDATE LOTEMOVS SET VOSSLOTE = 'V' WHERE CODLOT = 'L-A002-2'"));
  auto db = erpserver::sql::Database::open(
      onServer() ? automation::db::address::withDatabase(location, company) : (folder / "DEMO.db").string(), false);
  erpserver::StockMoves moves = erpserver::storedMoves(*db, erpserver::DocKey{"FA", 1, 2024, sale.number()});
  ASSERT_EQ(moves.lots.size(), 2u);
  EXPECT_EQ(moves.lots[0].lot + " " + moves.lots[1].lot, "L-A002-2 L-A002-1");
}

TEST_F(ErpServerTest, LotsMoveTheLotTableAndAreChecked) {
  startSession();
  const std::string a003Lots = "SELECT CODLOTE, QTDENT, QTDSID FROM ARTLOT WHERE ARTIGO = 'A003' ORDER BY CODLOTE";
  DocBuilder entry("EP", 1, "");
  entry.line("A003", "A1", 50).lot(1, "L-A003-9", "A003", "A1", 50);
  ASSERT_EQ(entry.inserir(), 0) << entry.message();
  EXPECT_EQ(scalar("SELECT DTAENTRA FROM ARTLOT WHERE CODLOTE = 'L-A003-9'"), "15-05-2024");
  DocBuilder exit("SC", 1, "");
  exit.line("A003", "A1", 30).lot(1, "L-A003-1", "A003", "A1", 20).lot(1, "L-A003-9", "", "", 10);
  ASSERT_EQ(exit.inserir(), 0) << exit.message();
  EXPECT_EQ(rows(a003Lots), (Rows{"L-A003-1|200|20", "L-A003-2|100|0", "L-A003-9|50|10"}));
  EXPECT_EQ(rows("SELECT CODLOT, QUANT FROM LOTEMOVS WHERE TPDOCUM = 'SC' ORDER BY CODLOT"),
            (Rows{"L-A003-1|20", "L-A003-9|10"}));
  ASSERT_EQ(invoke(stored("SC", exit.number()), "Remover").toLong(), 0);
  EXPECT_EQ(rows(a003Lots), (Rows{"L-A003-1|200|0", "L-A003-2|100|0", "L-A003-9|50|0"}));
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM LOTEMOVS WHERE TPDOCUM = 'SC'"), "0");

  // Rewriting a document with lots takes its lot moves back and makes them again.
  ObjectRef read = stored("EP", entry.number());
  propPut(propGet(read, "Linhas", 1).toObject(), "PrecoUnitario", 0.7);
  ASSERT_EQ(invoke(read, "Alterar").toLong(), 0) << propGet(read, "UltimaMensagem").toString();
  EXPECT_EQ(rows("SELECT CODLOT, QUANT FROM LOTEMOVS WHERE TPDOCUM = 'EP'"), Rows{"L-A003-9|50"});
  // A consumption return gives its lots back with its own insert.
  DocBuilder back("DC", 1, "");
  back.line("A003", "A1", 4).lot(1, "L-A003-2", "A003", "A1", 4);
  ASSERT_EQ(back.inserir(), 0) << back.message();
  EXPECT_EQ(rows(a003Lots), (Rows{"L-A003-1|200|0", "L-A003-2|100|-4", "L-A003-9|50|0"}));
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM LOTEMOVS WHERE TPDOCUM = 'DC'"), "1");
  EXPECT_DOUBLE_EQ(stock("A003"), 354);

  struct LotRefusal {
    const char* type;
    std::string article;
    int16_t line;
    std::string code, lotArticle, message;
  };
  const LotRefusal refusals[] = {
      {"DC", "A003", 1, "L-NOVO", "A003", "O lote 'L-NOVO' do artigo 'A003' não existe no armazém 'A1'"},
      {"SC", "A003", 1, "L-A002-1", "A002", "O lote 'L-A002-1' é do artigo 'A002' e a linha 1 é do artigo 'A003'"},
      {"EP", "A001", 1, "L1", "A001", "O artigo 'A001' não tem controlo de lotes"},
      {"EP", "A003", 2, "L1", "A003", "O lote 'L1' refere a linha 2, que não existe"},
  };
  for (const LotRefusal& r : refusals) {
    DocBuilder bad(r.type, 1, "");
    bad.line(r.article, "A1", 1).lot(r.line, r.code, r.lotArticle, "A1", 1);
    EXPECT_EQ(bad.validar(), 1022) << r.message;
    EXPECT_EQ(bad.message(), r.message);
  }
}

TEST_F(ErpServerTest, RefusalsNameTheOffendingValueAndStoreNothing) {
  startSession();
  struct Case {
    std::string type;
    int16_t series;
    std::string counterpart, date, article, warehouse;
    int32_t code;
    std::string message;
  };
  const Case cases[] = {
      {"XX", 1, "C001", "15-05-2024", "A001", "A1", 1013, "Tipo de documento 'XX' não existe"},
      {"", 1, "C001", "15-05-2024", "A001", "A1", 1012, "Tipo de documento não indicado"},
      {"FA", 9, "C001", "15-05-2024", "A001", "A1", 1013, "Série 9 do tipo de documento 'FA' não existe"},
      {"FA", 1, "", "15-05-2024", "A001", "A1", 1012, "O tipo de documento 'FA' exige um cliente"},
      {"FA", 1, "C999", "15-05-2024", "A001", "A1", 1013, "Cliente 'C999' não existe"},
      {"GEF", 1, "C001", "15-05-2024", "A001", "A1", 1013, "Fornecedor 'C001' não existe"},
      {"FA", 1, "C001", "31-02-2024", "A001", "A1", 1013, "Data do documento inválida: '31-02-2024'"},
      {"FA", 1, "C001", "15-05-2024", "ZZZ", "A1", 1013, "Artigo 'ZZZ' não existe (linha 1)"},
      {"FA", 1, "C001", "15-05-2024", "A001", "A9", 1013, "Armazém 'A9' não existe (linha 1)"},
      {"FA", 1, "C001", "15-05-2024", "A001", "", 1012, "Armazém não indicado para o artigo 'A001' (linha 1)"},
  };
  for (const auto& c : cases) {
    DocBuilder doc(c.type, c.series, c.counterpart, c.date);
    doc.line(c.article, c.warehouse, 1, 1.0);
    EXPECT_EQ(doc.validar(), c.code) << c.message;
    EXPECT_EQ(doc.message(), c.message);
    EXPECT_EQ(doc.inserir(), c.code) << c.message;
    EXPECT_EQ(propGet(doc.doc, "UltimoErro").toLong(), c.code);
  }
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM DOCGCCAB"), "0");
  EXPECT_DOUBLE_EQ(stock("A001"), 100);

  // Success clears the last refusal.
  DocBuilder ok("ORC", 1, "C001");
  ok.line("S001", "", 2);
  EXPECT_EQ(ok.validar(), 0) << ok.message();
  EXPECT_EQ(ok.message(), "");
}

}  // namespace
}  // namespace testing_support
