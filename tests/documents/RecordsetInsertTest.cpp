#include <gtest/gtest.h>

#include <set>

#include "erpserver/Journal.hpp"
#include "support/DocumentMembers.hpp"

namespace testing_support {
namespace {

using automation::Variant;
using automation::db::RecordsetRef;

// The transport block but ONDEENTR, which the header also sets before it.
const std::set<std::string> kTransport = {"DTCARGA",  "HORA",      "DATADES", "HORADES",
                                          "MORADADSG", "LOCALDSG", "CDPOSTDSG", "PAISDSG"};

class RecordsetInsert : public ErpTest {
 protected:
  // The header template without `left out` columns, with one row of a sale to C001.
  RecordsetRef header(const std::set<std::string>& leftOut) {
    RecordsetRef shape = bal->TemplateCabecalho();
    auto rs = std::make_shared<automation::db::Recordset>();
    for (const auto& column : shape->columns())
      if (!leftOut.contains(column.name))
        rs->GetFields().Append(column.name, column.type, column.definedSize, column.attributes);
    rs->Open();
    rs->AddNew();
    for (auto [column, value] : std::initializer_list<std::pair<const char*, Variant>>{
             {"TPDOC", "FA"},
             {"TPPRECO", int16_t{0}},
             {"SERIE", int16_t{1}},
             {"TERCEIRO", "C001"},
             {"DATA", "15-03-2024"},
             {"SECTOR", "S1"},
             {"VNUMDOC", "VN-9"},
             {"VENDEDOR", "V2"},
             {"RGIVA", "NAC"},
             {"MOEDA", "EUR"},
             {"IVAINC", int16_t{0}},
             {"OBSERV", "Encomenda 77"},
             {"PROCESSO", "PR-9"},
             {"ANO", int16_t{2024}}})
      if (!leftOut.contains(column)) rs->setValue(column, value);
    return rs;
  }

  // Ten lines: lot articles on lines 3, 5 and 7, the others without lots.
  RecordsetRef lines() {
    RecordsetRef rs = bal->TemplateLinhas();
    for (int i = 1; i <= 10; ++i) {
      const char* artigo = i == 3 || i == 7 ? "A002" : i == 5 ? "A003" : i % 2 ? "A001" : "P001";
      const char* unidade = i == 3 || i == 7 ? "LT" : i == 5 ? "KG" : "UN";
      rs->AddNew();
      rs->setValue("TPLINHA", int16_t{1});
      rs->setValue("ARTIGO", artigo);
      rs->setValue("ARMAZEM", "A1");
      rs->setValue("DESCR", "Linha " + std::to_string(i));
      rs->setValue("PRUNIT", double(i));
      rs->setValue("QUANT", 2.0);
      rs->setValue("IVA", static_cast<int16_t>(i == 5 ? 1 : 3));
      rs->setValue("TXDESC", 0.0);
      rs->setValue("UNIDADE", unidade);
    }
    return rs;
  }

  RecordsetRef lots() {
    RecordsetRef rs = bal->TemplateLotes();
    for (auto [linha, artigo, lote] : {std::tuple{3, "A002", "L-A002-1"}, std::tuple{5, "A003", "L-A003-1"},
                                       std::tuple{7, "A002", "L-A002-2"}}) {
      rs->AddNew();
      rs->setValue("CODLOT", lote);
      rs->setValue("ARTIGO", artigo);
      rs->setValue("VOSSLOTE", "VL");
      rs->setValue("ARMAZEM", "A1");
      rs->setValue("QUANT", 2.0);
      rs->setValue("NUMLINHA", int16_t(linha));
    }
    return rs;
  }

  std::string stock(const std::string& artigo) const {
    return scalar("SELECT EXISTENC FROM ARTARM WHERE ARTIGO='" + artigo + "' AND ARMAZEM='A1'");
  }
};

TEST_F(RecordsetInsert, ADocumentFromTheTemplatesRoundTrips) {
  RecordsetRef docs = header(kTransport);
  RecordsetRef linhas = lines();
  RecordsetRef lotes = lots();
  const double a002 = std::stod(stock("A002"));
  qvd::KeyDocumNext key;
  qvd::NextError erro;
  startJournal();
  ASSERT_TRUE(bal->Inserir(qvd::Finalizado, docs, linhas, lotes, key, erro)) << erro.sTextoErro;

  EXPECT_EQ(key.sTpDoc, "FA");
  EXPECT_EQ(key.iAno, 2024);
  EXPECT_EQ(docs->value("NNUMDOC").toLong(), key.lNumDoc);
  const std::string where = " WHERE TPDOC='FA' AND SERIE=1 AND ANO=2024 AND NNUMDOC=" + std::to_string(key.lNumDoc);
  EXPECT_EQ(scalar("SELECT TERCEIRO||'|'||VENDEDOR||'|'||OBSERV||'|'||PROCESSO||'|'||ORIGEM FROM DOCGCCAB" + where),
            "C001|V2|Encomenda 77|PR-9|2");
  const std::string lineWhere =
      " WHERE TPDOCUM='FA' AND SERIE=1 AND ANO=2024 AND NNUMDOC=" + std::to_string(key.lNumDoc);
  EXPECT_EQ(scalar("SELECT group_concat(ARTIGO||':'||DESCR||':'||PRUNIT, ',') FROM (SELECT * FROM DOCGCLIN" +
                   lineWhere + " ORDER BY NUMLINHA)"),
            "A001:Linha 1:1.0,P001:Linha 2:2.0,A002:Linha 3:3.0,P001:Linha 4:4.0,A003:Linha 5:5.0,P001:Linha 6:6.0,"
            "A002:Linha 7:7.0,P001:Linha 8:8.0,A001:Linha 9:9.0,P001:Linha 10:10.0");
  EXPECT_EQ(scalar("SELECT group_concat(NUMLINHA||':'||CODLOT||':'||QUANT, ',') FROM (SELECT * FROM LOTEMOVS" +
                   lineWhere + " ORDER BY NUMLINHA)"),
            "3:L-A002-1:2.0,5:L-A003-1:2.0,7:L-A002-2:2.0");
  EXPECT_DOUBLE_EQ(std::stod(stock("A002")), a002 - 4);

  // The ERP suggests each line's values with the first switch off.
  int suggestions = 0;
  for (const std::string& line : normalizedJournal())
    if (line.find("call SugereValoresLin(DocumentosGcLin#") != std::string::npos) {
      ++suggestions;
      EXPECT_NE(line.find(", False (Boolean), True (Boolean), True (Boolean), False"), std::string::npos) << line;
    }
  EXPECT_EQ(suggestions, 10);
}

TEST_F(RecordsetInsert, AMissingHeaderColumnRaisesUnchangedAndInsertsNothing) {
  RecordsetRef docs = header({"OBSERV"});
  RecordsetRef linhas = lines();
  RecordsetRef lotes = lots();
  qvd::KeyDocumNext key;
  qvd::NextError erro;
  RaisedError raised = raisedBy([&] { bal->Inserir(qvd::Finalizado, docs, linhas, lotes, key, erro); });
  EXPECT_EQ(raised.numberAndSource(), "3265 Fields");
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM DOCGCCAB"), "0");
}

TEST_F(RecordsetInsert, ARefusedDocumentLeavesTheCallersNumberAlone) {
  RecordsetRef docs = header({});
  docs->setValue("TERCEIRO", "C999");
  docs->setValue("NNUMDOC", int32_t{77});
  RecordsetRef linhas = bal->TemplateLinhas();
  RecordsetRef lotes = bal->TemplateLotes();
  qvd::KeyDocumNext key;
  qvd::NextError erro;
  EXPECT_FALSE(bal->Inserir(qvd::Finalizado, docs, linhas, lotes, key, erro));
  EXPECT_NE(erro.sTextoErro.find("C999"), std::string::npos) << erro.sTextoErro;
  EXPECT_EQ(docs->value("NNUMDOC").toLong(), 77);
  EXPECT_EQ(key.lNumDoc, 0);
}

}  // namespace
}  // namespace testing_support
