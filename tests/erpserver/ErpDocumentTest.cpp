#include "support/ErpFixture.hpp"

namespace testing_support {
namespace {

using automation::invoke;
using automation::ObjectRef;
using automation::propGet;
using automation::propPut;
using automation::Variant;
using ErpServerTest = CompanyTest;

TEST_F(ErpServerTest, SalesDocumentRoundTripMovesStockAndMovesItBack) {
  startSession();
  DocBuilder fa("FA", 1, "C001");
  fa.line("A001", "A1", 10).line("A003", "A1", 5);
  ASSERT_EQ(fa.validar(), 0) << fa.message();
  EXPECT_EQ(propGet(fa.cab(), "Ano"), Variant(int16_t{2024}));
  EXPECT_EQ(propGet(fa.cab(), "Moeda").toString(), "EUR");
  EXPECT_EQ(propGet(fa.cab(), "Vendedor").toString(), "V1");
  ASSERT_EQ(fa.inserir(), 0) << fa.message();
  EXPECT_EQ(fa.number(), 1);
  EXPECT_DOUBLE_EQ(stock("A001", "A1"), 90);
  EXPECT_DOUBLE_EQ(stock("A003", "A1"), 295);
  ObjectRef a001 = erp("Artigos");
  ASSERT_EQ(invoke(a001, "Ler", "A001").toLong(), 0);
  EXPECT_DOUBLE_EQ(propGet(a001, "StDisp").toDouble(), 140);
  // 10 x 0.50 at 23 % and 5 x 1.20 at 6 %.
  EXPECT_DOUBLE_EQ(propGet(fa.cab(), "TotalDocumento").toDouble(), 12.51);
  EXPECT_EQ(scalar("SELECT DATA || ' ' || TOTDOC FROM DOCGCCAB WHERE TPDOC = 'FA'"), "2024-05-15 12.51");

  ObjectRef doc = erp("DocumentoComercial");
  ASSERT_EQ(invoke(doc, "Ler", "FA", 1, int16_t{1}, int16_t{2024}).toLong(), 0);
  ObjectRef cab = propGet(doc, "Cab").toObject();
  EXPECT_EQ(propGet(cab, "Terceiro").toString(), "C001");
  EXPECT_EQ(propGet(cab, "Data").toString(), "15-05-2024");
  EXPECT_EQ(propGet(cab, "NossoNoDocumento").toLong(), 1);
  ObjectRef lines = propGet(doc, "Linhas").toObject();
  ASSERT_EQ(propGet(lines, "Count").toLong(), 2);
  EXPECT_EQ(propGet(propGet(lines, "Item", 2).toObject(), "Artigo").toString(), "A003");
  ObjectRef first = propGet(doc, "Linhas", 1).toObject();
  EXPECT_DOUBLE_EQ(propGet(first, "PrecoUnitario").toDouble(), 0.5);
  EXPECT_EQ(propGet(first, "Descricao").toString(), "Parafuso M6");
  EXPECT_EQ(errorOf([&] { propGet(lines, "Item", 3); }), automation::errnum::SubscriptOutOfRange);

  propPut(first, "Quantidade", 4.0);
  ASSERT_EQ(invoke(doc, "Alterar").toLong(), 0) << propGet(doc, "UltimaMensagem").toString();
  EXPECT_DOUBLE_EQ(stock("A001", "A1"), 96);
  EXPECT_DOUBLE_EQ(number("SELECT QUANT FROM DOCGCLIN WHERE ARTIGO = 'A001'"), 4);
  EXPECT_DOUBLE_EQ(number("SELECT TOTDOC FROM DOCGCCAB"), 8.82);

  propPut(cab, "Serie", int16_t{2});
  EXPECT_EQ(invoke(doc, "Alterar").toLong(), 1021);
  propPut(cab, "Serie", int16_t{1});

  ASSERT_EQ(invoke(doc, "Remover").toLong(), 0);
  EXPECT_DOUBLE_EQ(stock("A001", "A1"), 100);
  EXPECT_DOUBLE_EQ(stock("A003", "A1"), 300);
  ASSERT_EQ(invoke(a001, "Ler", "A001").toLong(), 0);
  EXPECT_DOUBLE_EQ(propGet(a001, "StDisp").toDouble(), 150);
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM DOCGCCAB") + scalar("SELECT COUNT(*) FROM DOCGCLIN"), "00");
  EXPECT_EQ(invoke(doc, "Remover").toLong(), 1020);
  EXPECT_EQ(invoke(erp("DocumentoComercial"), "Ler", "FA", 1, int16_t{1}, int16_t{2024}).toLong(), 1010);
}

TEST_F(ErpServerTest, ManualNumbersMustBeFreeAndAdvanceTheCounter) {
  startSession();
  DocBuilder a("FA", 1, "C001");
  a.line("A001", "A1", 1);
  propPut(a.cab(), "NossoNoDocumento", 7);
  ASSERT_EQ(a.inserir(), 0) << a.message();
  EXPECT_EQ(a.number(), 7);
  EXPECT_EQ(scalar("SELECT NUM FROM NUMDOC WHERE DOC = 'FA' AND SERIE = 1 AND ANO = 2024"), "7");

  DocBuilder b("FA", 1, "C001");
  b.line("A001", "A1", 1);
  ASSERT_EQ(b.inserir(), 0);
  EXPECT_EQ(b.number(), 8);

  DocBuilder c("FA", 1, "C002");
  c.line("A001", "A1", 1);
  propPut(c.cab(), "NossoNoDocumento", 7);
  EXPECT_EQ(c.validar(), 1011);
  EXPECT_EQ(c.message(), "O documento FA 1/2024 n.º 7 já existe");
  EXPECT_EQ(c.inserir(), 1011);
  EXPECT_EQ(scalar("SELECT TERCEIRO FROM DOCGCCAB WHERE NNUMDOC = 7"), "C001");

  // A counter put back below numbers in use does not hand them out again.
  ASSERT_TRUE(dados->ExecutarSQL("", "UPDATE NUMDOC SET NUM = 6 WHERE DOC = 'FA'"));
  propPut(c.cab(), "NossoNoDocumento", 0);
  ASSERT_EQ(c.inserir(), 0) << c.message();
  EXPECT_EQ(c.number(), 9);

  DocBuilder other("FA", 2, "C002");
  other.line("A001", "A1", 1);
  ASSERT_EQ(other.inserir(), 0);
  EXPECT_EQ(other.number(), 1);
  // The same object inserted twice is refused the second time.
  EXPECT_EQ(other.inserir(), 1011);
}

TEST_F(ErpServerTest, LotsMoveTheLotTableAndAreChecked) {
  startSession();
  DocBuilder entry("EP", 1, "");
  entry.line("A003", "A1", 50).lot(1, "L-A003-9", "A003", "A1", 50);
  ASSERT_EQ(entry.inserir(), 0) << entry.message();
  EXPECT_EQ(scalar("SELECT QTDENT || '/' || QTDSID || ' ' || DTAENTRA FROM ARTLOT WHERE CODLOTE = 'L-A003-9'"),
            "50.0/0.0 2024-05-15");
  EXPECT_DOUBLE_EQ(stock("A003", "A1"), 350);

  DocBuilder exit("SC", 1, "");
  exit.line("A003", "A1", 30).lot(1, "L-A003-1", "A003", "A1", 20).lot(1, "L-A003-9", "", "", 10);
  ASSERT_EQ(exit.inserir(), 0) << exit.message();
  EXPECT_DOUBLE_EQ(number("SELECT QTDSID FROM ARTLOT WHERE CODLOTE = 'L-A003-1'"), 20);
  EXPECT_DOUBLE_EQ(number("SELECT QTDSID FROM ARTLOT WHERE CODLOTE = 'L-A003-9'"), 10);
  EXPECT_EQ(scalar("SELECT group_concat(CODLOT || ':' || QUANT) FROM LOTEMOVS WHERE TPDOCUM = 'SC'"),
            "L-A003-1:20.0,L-A003-9:10.0");

  ObjectRef stored = erp("DocumentoComercial");
  ASSERT_EQ(invoke(stored, "Ler", "SC", exit.number(), int16_t{1}, int16_t{2024}).toLong(), 0);
  ASSERT_EQ(invoke(stored, "Remover").toLong(), 0);
  EXPECT_DOUBLE_EQ(number("SELECT QTDSID FROM ARTLOT WHERE CODLOTE = 'L-A003-1'"), 0);
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM LOTEMOVS WHERE TPDOCUM = 'SC'"), "0");

  // A transfer takes the lot out of its warehouse and into the type's destination.
  DocBuilder transfer("TR", 1, "");
  transfer.line("A002", "A1", 5).lot(1, "L-A002-2", "A002", "A1", 5);
  ASSERT_EQ(transfer.inserir(), 0) << transfer.message();
  EXPECT_DOUBLE_EQ(stock("A002", "A1"), 55);
  EXPECT_DOUBLE_EQ(stock("A002", "A2"), 20);
  EXPECT_EQ(scalar("SELECT group_concat(ARMAZEM || ':' || QTDENT || '/' || QTDSID) FROM ARTLOT WHERE CODLOTE = 'L-A002-2'"),
            "A1:20.0/5.0,A2:5.0/0.0");

  // Rewriting a document with lots takes its lot moves back and makes them again.
  ObjectRef read = erp("DocumentoComercial");
  ASSERT_EQ(invoke(read, "Ler", "EP", entry.number(), int16_t{1}, int16_t{2024}).toLong(), 0);
  propPut(propGet(read, "Linhas", 1).toObject(), "PrecoUnitario", 0.7);
  ASSERT_EQ(invoke(read, "Alterar").toLong(), 0) << propGet(read, "UltimaMensagem").toString();
  EXPECT_EQ(scalar("SELECT QTDENT || '/' || QTDSID FROM ARTLOT WHERE CODLOTE = 'L-A003-9'"), "50.0/0.0");
  EXPECT_EQ(scalar("SELECT CODLOT || ':' || QUANT FROM LOTEMOVS WHERE TPDOCUM = 'EP'"), "L-A003-9:50.0");
  EXPECT_DOUBLE_EQ(stock("A003", "A1"), 350);

  // A consumption return records its lots but leaves the lot table to the caller.
  DocBuilder back("DC", 1, "");
  back.line("A003", "A1", 4).lot(1, "L-A003-2", "A003", "A1", 4);
  ASSERT_EQ(back.inserir(), 0) << back.message();
  EXPECT_EQ(scalar("SELECT QTDENT || '/' || QTDSID FROM ARTLOT WHERE CODLOTE = 'L-A003-2'"), "100.0/0.0");
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM LOTEMOVS WHERE TPDOCUM = 'DC'"), "1");
  EXPECT_DOUBLE_EQ(stock("A003", "A1"), 354);

  struct LotRefusal {
    const char* type;
    std::string article;
    int16_t line;
    std::string code, lotArticle, message;
  };
  const LotRefusal refusals[] = {
      {"DC", "A003", 1, "L-NOVO", "A003", "O lote 'L-NOVO' do artigo 'A003' não existe no armazém 'A1'"},
      {"SC", "A003", 1, "L-NAO", "A003", "O lote 'L-NAO' do artigo 'A003' não existe no armazém 'A1'"},
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

TEST_F(ErpServerTest, SupplierEntryUpdatesTheArticleCosts) {
  startSession();
  DocBuilder entry("GEF", 1, "F001");
  entry.line("A002", "A2", 25, 6.0);
  ASSERT_EQ(entry.inserir(), 0) << entry.message();
  ObjectRef a = erp("Artigos");
  ASSERT_EQ(invoke(a, "Ler", "A002").toLong(), 0);
  EXPECT_DOUBLE_EQ(propGet(a, "UltPrc").toDouble(), 6);
  EXPECT_DOUBLE_EQ(propGet(a, "UltPmp").toDouble(), (75 * 4 + 25 * 6) / 100.0);
  EXPECT_DOUBLE_EQ(propGet(a, "StDisp").toDouble(), 100);
}

TEST_F(ErpServerTest, TotalsApplyLineAndHeaderDiscountsAndTheVatRegime) {
  startSession();
  DocBuilder fa("FA", 1, "C001");
  fa.line("A001", "A1", 10, 2.0).line("A003", "A1", 10, 1.0);  // 20 at 23 %, 10 at 6 %
  ObjectRef second = propGet(fa.doc, "Linhas", 2).toObject();
  propPut(second, "Desconto", "10+5");
  propPut(fa.cab(), "DescontoCabecalho", 10.0);
  ASSERT_EQ(fa.validar(), 0) << fa.message();
  EXPECT_DOUBLE_EQ(propGet(second, "TaxaDesconto").toDouble(), 14.5);
  EXPECT_DOUBLE_EQ(propGet(second, "DescontoValor").toDouble(), 1.45);
  ObjectRef cab = fa.cab();
  // Net 20 + 8.55, header discount 2 + 0.86 (rounded per line), VAT on what is left.
  EXPECT_DOUBLE_EQ(propGet(cab, "TotalMercadoria").toDouble(), 30);
  EXPECT_DOUBLE_EQ(propGet(cab, "DescontoCabValor").toDouble(), 2.86);
  EXPECT_DOUBLE_EQ(propGet(cab, "TotalDescontos").toDouble(), 4.31);
  EXPECT_DOUBLE_EQ(propGet(cab, "TotalIva").toDouble(), 4.14 + 0.46);
  EXPECT_DOUBLE_EQ(propGet(cab, "TotalDocumento").toDouble(), 30.29);

  // Prices with VAT included; a client of an exempt regime pays none.
  DocBuilder inclusive("FA", 1, "C001");
  propPut(inclusive.cab(), "IvaIncluido", int16_t{-1});
  inclusive.line("A001", "A1", 1, 12.3);
  ASSERT_EQ(inclusive.validar(), 0);
  EXPECT_DOUBLE_EQ(propGet(inclusive.cab(), "TotalMercadoria").toDouble(), 10);
  EXPECT_DOUBLE_EQ(propGet(inclusive.cab(), "TotalDocumento").toDouble(), 12.3);
  DocBuilder exempt("FA", 1, "C002");
  exempt.line("A001", "A1", 1, 10.0);
  ASSERT_EQ(exempt.validar(), 0);
  EXPECT_EQ(propGet(exempt.cab(), "RegimeIva").toString(), "CEE");
  EXPECT_DOUBLE_EQ(propGet(exempt.cab(), "TotalIva").toDouble(), 0);
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
  EXPECT_DOUBLE_EQ(stock("A001", "A1"), 100);

  // Success clears the last refusal.
  DocBuilder ok("ORC", 1, "C001");
  ok.line("S001", "", 2);
  EXPECT_EQ(ok.validar(), 0) << ok.message();
  EXPECT_EQ(ok.message(), "");
}

TEST_F(ErpServerTest, SuggestedLineValuesFollowTheTypeAndPriceType) {
  startSession();
  auto suggest = [](const DocBuilder& d, const std::string& article, bool discount = false) {
    ObjectRef l = erp("DocumentosGcLin");
    propPut(l, "Artigo", article);
    propPut(l, "Quantidade", 1.0);
    EXPECT_EQ(invoke(d.doc, "SugereValoresLin", l, true, true, true, discount, true, false, true).toLong(), 0);
    return l;
  };
  DocBuilder sale("FA", 1, "C001");
  ObjectRef l = suggest(sale, "A003", true);
  EXPECT_DOUBLE_EQ(propGet(l, "PrecoUnitario").toDouble(), 1.2);
  EXPECT_EQ(propGet(l, "Descricao").toString(), "Farinha tipo 65");
  EXPECT_EQ(propGet(l, "Unidade").toString(), "KG");
  EXPECT_DOUBLE_EQ(propGet(l, "TaxaIVA").toDouble(), 6);
  EXPECT_EQ(propGet(l, "Desconto").toString(), "10+5");
  EXPECT_DOUBLE_EQ(propGet(l, "TaxaDesconto").toDouble(), 14.5);
  propPut(sale.cab(), "IvaIncluido", int16_t{-1});
  EXPECT_DOUBLE_EQ(propGet(suggest(sale, "A003"), "PrecoUnitario").toDouble(), 1.272);

  // Prices changed by the server itself or by another connection are seen at once.
  ObjectRef a = erp("Artigos");
  ASSERT_EQ(invoke(a, "Ler", "A003").toLong(), 0);
  propPut(a, "PvpSIV", 1.5);
  ASSERT_EQ(invoke(a, "Alterar").toLong(), 0);
  propPut(sale.cab(), "IvaIncluido", int16_t{0});
  EXPECT_DOUBLE_EQ(propGet(suggest(sale, "A003"), "PrecoUnitario").toDouble(), 1.5);
  ASSERT_TRUE(dados->ExecutarSQL("", "UPDATE ARTIGOS SET PVPSIV = 1.75 WHERE CODIGO = 'A003'"));
  EXPECT_DOUBLE_EQ(propGet(suggest(sale, "A003"), "PrecoUnitario").toDouble(), 1.75);

  DocBuilder movement("EP", 1, "");
  EXPECT_DOUBLE_EQ(propGet(suggest(movement, "A002"), "PrecoUnitario").toDouble(), 4);  // average cost
  propPut(movement.cab(), "TipoPreco", 1);
  EXPECT_DOUBLE_EQ(propGet(suggest(movement, "A002"), "PrecoUnitario").toDouble(), 4.2);  // last entry
  propPut(movement.cab(), "TipoPreco", 4);
  EXPECT_DOUBLE_EQ(propGet(suggest(movement, "A002"), "PrecoUnitario").toDouble(), 0);  // manual: untouched

  ObjectRef text = erp("DocumentosGcLin");
  propPut(text, "Descricao", "Nota");
  EXPECT_EQ(invoke(sale.doc, "SugereValoresLin", text, true, true, true, false, true, false, true).toLong(), 0);
  EXPECT_EQ(propGet(text, "Descricao").toString(), "Nota");
  ObjectRef unknown = erp("DocumentosGcLin");
  propPut(unknown, "Artigo", "ZZZ");
  EXPECT_EQ(invoke(sale.doc, "SugereValoresLin", unknown, true, true, true, false, true, false, true).toLong(), 1013);
  EXPECT_EQ(errorOf([&] { invoke(sale.doc, "SugereValoresLin", sale.cab(), true, true, true, false, true, false, true); }),
            automation::errnum::TypeMismatch);
}

}  // namespace
}  // namespace testing_support
