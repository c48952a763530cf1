#include <gtest/gtest.h>

#include "docbuild/LineIndex.hpp"
#include "support/DocumentMembers.hpp"

namespace testing_support {
namespace {

class DocumentInsertEndToEnd : public ErpTest {
 protected:
  int documents() const { return std::stoi(scalar("SELECT COUNT(*) FROM DOCGCCAB")); }
  // Records in the operation log: each has a line with the time of its save.
  std::size_t logRecords() const { return occurrences(logText(), "\r\n----- "); }
};

std::string typeFor(Member member) {
  if (member == Member::DocGTInserirMultiArm) return "GT";
  if (member == Member::CF_DocNotaCreditoInserir || member == Member::DocNotaCreditoInserirMultiArm ||
      member == Member::DocNotaCreditoInserirMultiArmAuto)
    return "NC";
  return "FA";
}

// What each member adds to the header or lines, as stored.
std::pair<std::string, std::string> ownColumns(Member member) {
  switch (member) {
    case Member::CF_DocGenInserirAuto:
    case Member::DocGenInserirMultiArmAuto: return {"MANEXTSERIE||'/'||MANEXTNUM", "EXT/F-17"};
    case Member::CF_DocNotaCreditoInserir:
    case Member::DocNotaCreditoInserirMultiArm: return {"REFERENCIA||'/'||MOTIVO", "FA 1/2024/Devolução de material"};
    case Member::DocNotaCreditoInserirMultiArmAuto:
      return {"REFERENCIA||'/'||MANEXTSERIE||'/'||MANEXTNUM", "FA 1/2024/EXT/F-17"};
    case Member::DocGTInserirMultiArm: return {"MORADADSG||'/'||CDPOSTDSG||'/'||DATADES", "Rua do Cais 4/4000-001/2024-03-16"};
    default: return {"ORIGEM", "3"};
  }
}

TEST_F(DocumentInsertEndToEnd, EveryMemberStoresTheDocumentMovesStockAndReturnsItsKey) {
  for (Member member : kAllMembers) {
    SCOPED_TRACE(nameOf(member));
    DocumentArgs a;
    a.sTipoDoc = typeFor(member);
    if (multiWarehouse(member)) {
      a.sArtigo = texts({"A001", "A002"});
      a.oLotes = oneLot(2, "A002", "L-A002-1", 3);
      bal->UsaDescontoLinha(true);
      bal->UsaDescontoLinhaComposto(true);
    }
    bal->UsaDescricao(true);
    bal->UsaPrecoUnitario(true);
    const double sign = a.sTipoDoc == "NC" ? 1 : -1;
    const double a001Before = stock("A001"), a002Before = stock("A002", "A2");

    ASSERT_TRUE(call(*bal, member, a)) << bal->ErroDescricao();

    EXPECT_EQ(keyText(a.key).substr(0, a.sTipoDoc.size() + 8), a.sTipoDoc + " 1/2024 ");
    EXPECT_EQ(ofDocument("TERCEIRO||'|'||VNUMDOC||'|'||OBSERV||'|'||PROCESSO", "DOCGCCAB", a.key),
              "C001|VN-12|Entrega urgente|PR-7");
    auto [column, value] = ownColumns(member);
    EXPECT_EQ(ofDocument(column, "DOCGCCAB", a.key), value);
    const Rows lines = ofDocumentRows("ARTIGO, ARMAZEM, QUANT, PRUNIT, DESCR, TXDESC, DESCONTO", "DOCGCLIN", a.key);
    if (multiWarehouse(member)) {
      // The server turns the composed discount into its rate.
      EXPECT_EQ(lines, (Rows{"A001|A1|2|1.5|Parafuso longo|5|", "A002|A2|3|10|Mesa lacada|14.5|10+5"}));
      EXPECT_EQ(ofDocumentRows("CODLOT, ARMAZEM, QUANT, NUMLINHA", "LOTEMOVS", a.key), Rows{"L-A002-1|A2|3|2"});
      EXPECT_DOUBLE_EQ(stock("A002", "A2"), a002Before + sign * 3);
    } else {
      EXPECT_EQ(lines, (Rows{"A001|A1|2|1.5|Parafuso longo|0|", "P001|A1|3|10|Mesa lacada|0|"}));
    }
    EXPECT_DOUBLE_EQ(stock("A001"), a001Before + sign * 2);
    EXPECT_EQ(balError(), "-1 ");
  }
}

TEST_F(DocumentInsertEndToEnd, AnErpRefusalReturnsFalseWithTheErpErrorAndOneLogRecord) {
  for (Member member :
       {Member::CF_DocGenInserir, Member::DocGenInserirMultiArm, Member::DocNotaCreditoInserirMultiArmAuto}) {
    SCOPED_TRACE(nameOf(member));
    DocumentArgs a;
    a.sArtigo = texts({"A001", "Z999"});
    const std::size_t before = logRecords();
    bal->UsaLogOstrel(true);
    EXPECT_FALSE(call(*bal, member, a));
    EXPECT_NE(bal->ErroNumero(), -1);
    EXPECT_NE(bal->ErroDescricao().find("Z999"), std::string::npos) << bal->ErroDescricao();
    EXPECT_EQ(logRecords(), before + 1);
    const std::string log = logText();
    EXPECT_NE(log.find("Rotina DocGenInserir"), std::string::npos);
    EXPECT_NE(log.find("sVossoNumDoc         = VN-12"), std::string::npos);
    EXPECT_NE(log.find("Z999"), std::string::npos);
    if (member == Member::DocNotaCreditoInserirMultiArmAuto) {
      EXPECT_EQ(std::to_string(a.erro.lUltimoErro) + " " + a.erro.sTextoErro, balError());
    }
  }
  EXPECT_EQ(documents(), 0);
}

TEST_F(DocumentInsertEndToEnd, TheLineCountMustFitTheSixteenBitLineIndex) {
  // A bound outside 16 bits overflows before the first line; the largest runs every line and
  // then overflows stepping past it, so 32766 is the largest usable one.
  int lines = 0;
  EXPECT_EQ(errorOf([&] { qvd::docbuild::forEachLine(-32769, [&](int16_t) { ++lines; }); }), 6);
  EXPECT_EQ(lines, 0);
  EXPECT_EQ(errorOf([&] { qvd::docbuild::forEachLine(32767, [&](int16_t) { ++lines; }); }), 6);
  EXPECT_EQ(lines, 32767);
  lines = 0;
  EXPECT_EQ(errorOf([&] { qvd::docbuild::forEachLine(32766, [&](int16_t i) { lines = i; }); }), 0);
  EXPECT_EQ(lines, 32766);

  DocumentArgs a;
  a.sArtigo = Texts(1, 40000);
  startJournal();
  EXPECT_EQ(raisedBy([&] { call(*bal, Member::CF_DocGenInserir, a); }).numberAndSource(),
            "6 BAL_Next: CF_DocGenInserir");
  EXPECT_EQ(journalText().find("DocumentosGcLin"), std::string::npos);
  a.sArtigo = Texts();  // never dimensioned: it has no upper bound
  EXPECT_EQ(raisedBy([&] { call(*bal, Member::DocGenInserirMultiArm, a); }).numberAndSource(),
            "9 BAL_Next: DocGenInserirMultiArm");
  EXPECT_EQ(documents(), 0);
}

}  // namespace
}  // namespace testing_support
