#include <gtest/gtest.h>

#include "support/DocumentMembers.hpp"

// The whole conversation with the ERP of the two base forms, line by line in the journal's
// words (objects numbered in order of appearance: the document is #1, its header #2).
namespace testing_support {
namespace {

class Conversation {
 public:
  // The header asked for afresh, then one access on it.
  Conversation& cab(const std::string& access) {
    lines_.push_back("DocumentoComercial#1 get Cab -> CabecDoc#2");
    lines_.push_back("CabecDoc#2 " + access);
    return *this;
  }
  Conversation& doc(const std::string& access) {
    lines_.push_back("DocumentoComercial#1 " + access);
    return *this;
  }
  Conversation& on(const std::string& object, const std::string& access) {
    lines_.push_back(object + " " + access);
    return *this;
  }
  // The first header puts of every member, the same arguments in both tests, and the early validation.
  Conversation& firstPutsAndValidar(const std::string& ivaIncluido, const std::string& tipoPreco) {
    cab("put TipoDocumento = \"FA\" (String)").cab("put Sector = \"S1\" (String)").cab("put Serie = 1 (Integer)");
    cab("put Terceiro = \"C001\" (String)").cab("put Data = \"15-03-2024\" (String)");
    cab("put IvaIncluido = " + ivaIncluido + " (Integer)").cab("put TipoPreco = " + tipoPreco + " (Long)");
    return doc("call Validar() -> 0 (Long)");
  }
  // An article line: type 1, article, warehouse, then the ERP's suggestion.
  Conversation& articleLine(const std::string& line, const std::string& artigo, const std::string& armazem) {
    on(line, "put TipoDeLinha = 1 (Integer)");
    on(line, "put Artigo = \"" + artigo + "\" (String)");
    on(line, "put Armazem = \"" + armazem + "\" (String)");
    return doc("call SugereValoresLin(" + line +
               ", True (Boolean), True (Boolean), True (Boolean), False (Boolean), True (Boolean), False (Boolean), "
               "True (Boolean)) -> 0 (Long)");
  }
  // The caller's quantity into both quantities, then the line goes into the document as `number`.
  Conversation& quantityAndAdd(const std::string& line, const std::string& quantity, int number) {
    on(line, "put Quantidade = " + quantity + " (Double)");
    on(line, "put QuantidadeOrigem = " + quantity + " (Double)");
    return doc("call AdicionaLinha(" + line + ") -> " + std::to_string(number) + " (Long)");
  }
  Conversation& price(const std::string& line, const std::string& value) {
    on(line, "put PrecoUnitario = " + value + " (Double)");
    return on(line, "put PrecoUnitarioIntroduzido = " + value + " (Double)");
  }
  Conversation& noteLine(const std::string& line, const std::string& nota, int number) {
    on(line, "put TipoDeLinha = 1 (Integer)");
    on(line, "put Descricao = \"" + nota + "\" (String)");
    return doc("call AdicionaLinha(" + line + ") -> " + std::to_string(number) + " (Long)");
  }
  // The finalization of an accepted insert and the key read back.
  Conversation& inserted(const std::string& tipo) {
    doc("put Origem = 3 (Long)").doc("call Validar() -> 0 (Long)").doc("call Inserir() -> 0 (Long)");
    cab("get Ano -> 2024 (Integer)").cab("get Serie -> 1 (Integer)").cab("get NossoNoDocumento -> 1 (Long)");
    return cab("get TipoDocumento -> \"" + tipo + "\" (String)");
  }
  const std::vector<std::string>& lines() const { return lines_; }

 private:
  std::vector<std::string> lines_;
};

class DocumentInsertSequence : public ErpTest {};

TEST_F(DocumentInsertSequence, DocGenInserirWithANoteBeforeTheSecondLine) {
  DocumentArgs a;
  a.TipoPreco = qvd::tpCustoMedioFlutuante;
  a.bIvaIncluido = true;
  a.sNotas = texts({"", "Montar no local"});
  bal->UsaDescricao(true);
  bal->UsaPrecoUnitario(true);
  startJournal();
  ASSERT_TRUE(call(*bal, Member::CF_DocGenInserir, a)) << bal->ErroDescricao();

  Conversation expected;
  expected.firstPutsAndValidar("-1", "6")
      .cab("put Vendedor = \"V1\" (String)")
      .cab("put Processo = \"PR-7\" (String)")
      .cab("get Data -> \"15-03-2024\" (String)")
      .cab("put DataVencimento = \"15-03-2024\" (String)")
      .cab("get Data -> \"15-03-2024\" (String)")
      .cab("put DataCarga = \"15-03-2024\" (String)")
      .cab("put HoraCarga = \"hh:mm:ss\" (String)")
      .cab("put Observacoes = \"Entrega urgente\" (String)")
      .cab("put VossoNoDocumento = \"VN-12\" (String)")
      .articleLine("DocumentosGcLin#3", "A001", "A1")
      .on("DocumentosGcLin#3", "put Descricao = \"Parafuso longo\" (String)")
      .price("DocumentosGcLin#3", "1.5")
      .quantityAndAdd("DocumentosGcLin#3", "2", 1)
      .noteLine("DocumentosGcLin#4", "Montar no local", 2)
      .articleLine("DocumentosGcLin#5", "P001", "A1")
      .on("DocumentosGcLin#5", "put Descricao = \"Mesa lacada\" (String)")
      .price("DocumentosGcLin#5", "10")
      .quantityAndAdd("DocumentosGcLin#5", "3", 3)
      .inserted("FA");
  EXPECT_EQ(normalizedJournal(), expected.lines());
}

TEST_F(DocumentInsertSequence, DocGenInserirMultiArmWithANoteAndALot) {
  DocumentArgs a;
  a.sArtigo = texts({"A002", "A001"});
  a.sArm = texts({"A2", "A1"});
  a.sNotas = texts({"", "Montar no local"});
  a.sRegimeIva = "NAC";
  a.dDescCabecalho = 2.5;
  a.oLotes = oneLot(1, "A002", "L-A002-1", 2, "FORN-77");
  bal->UsaDescontoLinha(true);
  bal->UsaDescontoLinhaComposto(true);
  startJournal();
  ASSERT_TRUE(call(*bal, Member::DocGenInserirMultiArm, a)) << bal->ErroDescricao();

  Conversation expected;
  expected.firstPutsAndValidar("0", "0")
      .cab("put RegimeIva = \"NAC\" (String)")
      .cab("put Vendedor = \"V1\" (String)")
      .cab("put Processo = \"PR-7\" (String)")
      .cab("get Data -> \"15-03-2024\" (String)")
      .cab("put DataVencimento = \"15-03-2024\" (String)")
      .cab("put Observacoes = \"Entrega urgente\" (String)")
      .cab("put VossoNoDocumento = \"VN-12\" (String)")
      .cab("put DescontoCabecalho = 2.5 (Double)")
      .cab("get Data -> \"15-03-2024\" (String)")
      .cab("put DataCarga = \"15-03-2024\" (String)")
      .cab("put HoraCarga = \"hh:nn\" (String)")
      .articleLine("DocumentosGcLin#3", "A002", "A2")
      .on("DocumentosGcLin#3", "put TaxaDesconto = 5 (Double)")
      .on("DocumentosGcLin#3", "put Desconto = \"\" (String)")
      .quantityAndAdd("DocumentosGcLin#3", "2", 1)
      .noteLine("DocumentosGcLin#4", "Montar no local", 2)
      .articleLine("DocumentosGcLin#5", "A001", "A1")
      .on("DocumentosGcLin#5", "put TaxaDesconto = 0 (Double)")
      .on("DocumentosGcLin#5", "put Desconto = \"10+5\" (String)")
      .quantityAndAdd("DocumentosGcLin#5", "3", 3)
      .on("LotesLinha#6", "get Campos -> CamposLote#7")
      .on("CamposLote#7", "put CodigoLote = \"L-A002-1\" (String)")
      .on("LotesLinha#6", "get Campos -> CamposLote#7")
      .on("CamposLote#7", "put Artigo = \"A002\" (String)")
      .on("LotesLinha#6", "get Campos -> CamposLote#7")
      .on("CamposLote#7", "put VossoLote = \"FORN-77\" (String)")
      .on("LotesLinha#6", "get Campos -> CamposLote#7")
      .on("CamposLote#7", "put Armazem = \"A2\" (String)")
      .on("LotesLinha#6", "put QuantidadeMovimentada = 2 (Double)")
      .on("LotesLinha#6", "put NumeroLinhaDocComercial = 1 (Integer)")
      .doc("call AdicionaLote(LotesLinha#6) -> 1 (Long)")
      .inserted("FA");
  EXPECT_EQ(normalizedJournal(), expected.lines());
}

}  // namespace
}  // namespace testing_support
