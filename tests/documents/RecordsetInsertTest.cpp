#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "platform/Text.hpp"
#include "support/ErpFixture.hpp"

namespace testing_support {
namespace {

using automation::db::RecordsetRef;

class RecordsetInsert : public ErpTest {
 protected:
  // The header template without the `leftOut` columns (named in lower case, as a server may spell
  // them), with one row of a sale to C001.
  RecordsetRef header(const std::set<std::string>& leftOut) {
    RecordsetRef shape = bal->TemplateCabecalho();
    auto rs = std::make_shared<automation::db::Recordset>();
    for (const auto& column : shape->columns())
      if (!leftOut.contains(automation::text::foldCase(column.name)))
        rs->GetFields().Append(column.name, column.type, column.definedSize, column.attributes);
    rs->Open();
    rs->AddNew();
    for (auto [column, value] : FieldValues{{"TPDOC", "FA"},       {"TPPRECO", int16_t{0}}, {"SERIE", int16_t{1}},
                                            {"TERCEIRO", "C001"},  {"DATA", "15-03-2024"},  {"SECTOR", "S1"},
                                            {"VNUMDOC", "VN-9"},   {"VENDEDOR", "V2"},      {"RGIVA", "NAC"},
                                            {"MOEDA", "EUR"},      {"IVAINC", int16_t{0}},  {"OBSERV", "Encomenda 77"},
                                            {"PROCESSO", "PR-9"}, {"ANO", int16_t{2024}}})
      if (!leftOut.contains(automation::text::foldCase(column))) rs->setValue(column, value);
    return rs;
  }

  // Ten lines, lot articles on lines 3, 5 and 7, and a lot on each of those.
  void linesAndLots() {
    linhas = bal->TemplateLinhas();
    for (int i = 1; i <= 10; ++i) {
      const char* artigo = i == 3 || i == 7 ? "A002" : i == 5 ? "A003" : i % 2 ? "A001" : "P001";
      const char* unidade = i == 3 || i == 7 ? "LT" : i == 5 ? "KG" : "UN";
      linhas->AddNew();
      setFields(*linhas, {{"TPLINHA", int16_t{1}}, {"ARTIGO", artigo}, {"ARMAZEM", "A1"},
                          {"DESCR", "Linha " + std::to_string(i)}, {"PRUNIT", double(i)}, {"QUANT", 2.0},
                          {"IVA", int16_t(i == 5 ? 1 : 3)}, {"TXDESC", 0.0}, {"UNIDADE", unidade}});
    }
    lotes = bal->TemplateLotes();
    for (auto [linha, artigo, lote] : {std::tuple{3, "A002", "L-A002-1"}, std::tuple{5, "A003", "L-A003-1"},
                                       std::tuple{7, "A002", "L-A002-2"}}) {
      lotes->AddNew();
      setFields(*lotes, {{"CODLOT", lote}, {"ARTIGO", artigo}, {"VOSSLOTE", "VL"}, {"ARMAZEM", "A1"},
                         {"QUANT", 2.0}, {"NUMLINHA", int16_t(linha)}});
    }
  }

  RecordsetRef linhas, lotes;
  qvd::KeyDocumNext key;
  qvd::NextError erro;
};

TEST_F(RecordsetInsert, ADocumentFromTheTemplatesRoundTrips) {
  // Without the transport block but ONDEENTR, which the header also sets before it.
  RecordsetRef docs =
      header({"dtcarga", "hora", "datades", "horades", "moradadsg", "localdsg", "cdpostdsg", "paisdsg"});
  linesAndLots();
  const double a002 = stock("A002");
  ASSERT_TRUE(bal->Inserir(qvd::Finalizado, docs, linhas, lotes, key, erro)) << erro.sTextoErro;

  EXPECT_EQ(keyText(key), "FA 1/2024 " + docs->value("NNUMDOC").toString());
  EXPECT_EQ(ofDocument("TERCEIRO||'|'||VENDEDOR||'|'||OBSERV||'|'||PROCESSO||'|'||ORIGEM", "DOCGCCAB", key),
            "C001|V2|Encomenda 77|PR-9|2");
  EXPECT_EQ(ofDocumentRows("ARTIGO, DESCR, PRUNIT", "DOCGCLIN", key),
            (Rows{"A001|Linha 1|1", "P001|Linha 2|2", "A002|Linha 3|3", "P001|Linha 4|4", "A003|Linha 5|5",
                  "P001|Linha 6|6", "A002|Linha 7|7", "P001|Linha 8|8", "A001|Linha 9|9", "P001|Linha 10|10"}));
  EXPECT_EQ(ofDocumentRows("NUMLINHA, CODLOT, QUANT", "LOTEMOVS", key),
            (Rows{"3|L-A002-1|2", "5|L-A003-1|2", "7|L-A002-2|2"}));
  EXPECT_DOUBLE_EQ(stock("A002"), a002 - 4);

}

TEST_F(RecordsetInsert, AMissingHeaderColumnRaisesUnchangedAndARefusalLeavesTheCallersNumber) {
  RecordsetRef docs = header({"observ"});
  linesAndLots();
  // It raises, so no result comes back.
  EXPECT_EQ(
      raisedBy([&] { std::ignore = bal->Inserir(qvd::Finalizado, docs, linhas, lotes, key, erro); }).numberAndSource(),
      "3265 Fields");
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM DOCGCCAB"), "0");

  docs = header({});
  docs->setValue("TERCEIRO", "C999");
  docs->setValue("NNUMDOC", int32_t{77});
  linhas = bal->TemplateLinhas();
  lotes = bal->TemplateLotes();
  EXPECT_FALSE(bal->Inserir(qvd::Finalizado, docs, linhas, lotes, key, erro));
  EXPECT_NE(erro.sTextoErro.find("C999"), std::string::npos) << erro.sTextoErro;
  EXPECT_EQ(docs->value("NNUMDOC").toLong(), 77);
  EXPECT_EQ(key.lNumDoc, 0);
}

}  // namespace
}  // namespace testing_support
