#include <gtest/gtest.h>

#include <functional>

#include "support/ErpFixture.hpp"

// Each rule of the reference ERP: a document at the limit is accepted, one just past it is refused
// by Validar and Inserir alike (and by Alterar where the value can be changed on a stored
// document), with the rule's own code and a text that names the line, the field and the value.
namespace testing_support {
namespace {

struct Rule {
  const char* name;
  int32_t code;
  // The document with the rule's value in it.
  std::function<DocBuilder(double)> build;
  double limit, past;
  std::string text;
  // Puts the value into the stored document read back, for Alterar; none where it cannot reach.
  std::function<void(const ObjectRef&, double)> alter;
};

ObjectRef firstLine(const ObjectRef& doc) { return propGet(doc, "Linhas", 1).toObject(); }

void putOnLine(const char* field, const ObjectRef& doc, double value) { propPut(firstLine(doc), field, value); }

DocBuilder sale(const std::string& article, double quantity, double price = 2, const std::string& client = "C001") {
  DocBuilder b("FA", 1, client);
  b.line(article, "A1", quantity, price);
  return b;
}

DocBuilder lotSale(double quantity, const std::string& lot) {
  return std::move(sale("A002", quantity).lot(1, lot, "A002", "A1", quantity));
}

DocBuilder entryExpiring(const std::string& expiry) {
  DocBuilder b("GEF", 1, "F001");
  b.line("A002", "A1", 5, 4);
  ObjectRef g = lotLine(1, "L-NOVO", "A002", "A1", 5);
  propPut(propGet(g, "Campos").toObject(), "DataValidade", expiry);
  invoke(b.doc, "AdicionaLote", g);
  return b;
}

std::vector<Rule> rules() {
  auto line = [](const char* field) {
    return [field](const ObjectRef& doc, double value) { putOnLine(field, doc, value); };
  };
  // A sale of one screw with `field` of its line, or of its header, set to the value.
  auto onLine = [](const char* field) {
    return [field](double value) {
      DocBuilder b = sale("A001", 1);
      putOnLine(field, b.doc, value);
      return b;
    };
  };
  auto onHeader = [](const char* field, bool integer) {
    return [field, integer](double value) {
      DocBuilder b = sale("A001", 1);
      propPut(b.cab(), field, integer ? Variant(static_cast<int16_t>(value)) : Variant(value));
      return b;
    };
  };
  return {
      {"lots add up to the line", 1050,
       [](double lots) { return std::move(sale("A002", 10).lot(1, "L-A002-1", "A002", "A1", lots)); }, 10, 10.001,
       "Linha 1, campo QuantidadeMovimentada = 10.001: os lotes da linha somam 10.001 e a linha move 10 do artigo "
       "'A002'",
       [](const ObjectRef& doc, double lots) { putOnLine("Quantidade", doc, 20 - lots); }},
      {"a lot never below zero", 1051, [](double q) { return lotSale(q, "L-A002-2"); }, 20, 20.001,
       "Linha 1, campo QuantidadeMovimentada = 20.001: o lote 'L-A002-2' do artigo 'A002' no armazém 'A1' ficaria "
       "com -0.001",
       nullptr},
      {"a warehouse never below zero", 1052, [](double q) { return sale("A001", q); }, 100, 100.001,
       "Linha 1, campo Quantidade = 100.001: o artigo 'A001' no armazém 'A1' ficaria com -0.001, e a empresa não "
       "permite stock negativo",
       line("Quantidade")},
      {"factors above zero", 1053, onLine("Factor"), 0.0001, -0.0001, "Linha 1, campo Factor = -0.0001: o factor tem de ser maior que zero", line("Factor")},
      {"line discounts up to 100", 1054, onLine("TaxaDesconto"), 100, 100.001, "Linha 1, campo TaxaDesconto = 100.001: um desconto vai de 0 a 100", line("TaxaDesconto")},
      {"header discounts up to 100", 1054, onHeader("DescontoCabecalho", false), 100, 100.001, "Cabeçalho, campo DescontoCabecalho = 100.001: um desconto vai de 0 a 100",
       [](const ObjectRef& doc, double rate) { propPut(propGet(doc, "Cab").toObject(), "DescontoCabecalho", rate); }},
      {"the year of the date", 1055, onHeader("Ano", true), 2024, 2025, "Cabeçalho, campo Ano = 2025: o ano do documento é o da sua data (15-05-2024)", nullptr},
      // A client without VAT, so that the total is the price itself.
      {"prices a currency amount holds", 1056, [](double price) { return sale("A001", 1, price, "C002"); },
       922337203685477, 922337203685478,
       "Linha 1, campo PrecoUnitario = 922337203685478: fora dos limites de um valor monetário "
       "(922337203685477.5807)",
       line("PrecoUnitario")},
      {"an expiry not before the entry", 1057,
       [](double day) { return entryExpiring(std::to_string(static_cast<int>(day)) + "-05-2024"); }, 15, 14,
       "Linha 1, campo DataValidade = 14-05-2024: o lote 'L-NOVO' não pode expirar antes da sua entrada (15-05-2024)",
       nullptr},
  };
}

TEST_F(ErpServerTest, EachRuleAcceptsItsLimitAndRefusesJustPastIt) {
  startSession();
  for (const Rule& rule : rules()) {
    SCOPED_TRACE(rule.name);
    DocBuilder past = rule.build(rule.past);
    EXPECT_EQ(past.validar(), rule.code);
    EXPECT_EQ(past.message(), rule.text);
    EXPECT_EQ(past.inserir(), rule.code);

    DocBuilder atLimit = rule.build(rule.limit);
    ASSERT_EQ(atLimit.validar(), 0) << atLimit.message();
    ASSERT_EQ(atLimit.inserir(), 0) << atLimit.message();
    std::string type = propGet(atLimit.cab(), "TipoDocumento").toString();
    if (rule.alter) {
      ObjectRef read = stored(type, atLimit.number());
      rule.alter(read, rule.past);
      EXPECT_EQ(invoke(read, "Validar").toLong(), rule.code);
      EXPECT_EQ(invoke(read, "Alterar").toLong(), rule.code);
    }
    // Each rule starts from the stock the demo company holds.
    ObjectRef kept = stored(type, atLimit.number());
    ASSERT_EQ(invoke(kept, "Remover").toLong(), 0) << propGet(kept, "UltimaMensagem").toString();
  }

  // A company that allows negative stock lets a warehouse go below zero, never a lot.
  ASSERT_TRUE(dados->ExecutarSQL("", "UPDATE PARAMS SET STKNEG = -1"));
  EXPECT_EQ(sale("A001", 100.001).inserir(), 0);
  EXPECT_EQ(lotSale(20.001, "L-A002-2").inserir(), 1051);
}

}  // namespace
}  // namespace testing_support
