#include <gtest/gtest.h>

#include "erpserver/testhooks/Journal.hpp"
#include "support/DocumentMembers.hpp"

// What some document members put beyond the base forms: values the caller gave, skipped or converted.
namespace testing_support {
namespace {

using Sequence = std::vector<std::string>;

class DocumentInsertDifferences : public ErpTest {};

TEST_F(DocumentInsertDifferences, AnInvoiceNumberThatIsNoNumberIsSkippedAndANegativeYearPutsTheCallersNumber) {
  DocumentArgs a;
  startJournal();
  ASSERT_TRUE(call(*bal, Member::CF_DocGenInserirAuto, a)) << bal->ErroDescricao();
  EXPECT_TRUE(putValues("CabecDoc", "NossoNoDocumento").empty());
  EXPECT_EQ(putValues("CabecDoc", "ManualExternalInvoiceNo"), Sequence{"F-17"});

  // A negative year puts the caller's number over the converted one.
  DocumentArgs manual;
  manual.sManualExternalInvoiceNo = "17";
  manual.key = {-2024, "", 0, 55};
  startJournal();
  ASSERT_TRUE(call(*bal, Member::CF_DocGenInserirAuto, manual)) << bal->ErroDescricao();
  EXPECT_EQ(putValues("CabecDoc", "NossoNoDocumento"), (Sequence{"17", "55"}));
  EXPECT_EQ(manual.key.lNumDoc, 55);

  // A refused number still leaves the year corrected in the caller's record.
  DocumentArgs again;
  again.key = {-2024, "", 0, 55};
  EXPECT_FALSE(call(*bal, Member::CF_DocGenInserir, again));
  EXPECT_EQ(again.key.iAno, 2024);
}

TEST_F(DocumentInsertDifferences, TransportDataGivenIsPutUnchangedAndAnATCodeOnlyWhenGiven) {
  DocumentArgs a;
  a.sTipoDoc = "GT";
  a.sDataCarga = "17-03-2024";
  a.sHorasCarga = "08:15";
  a.sATDocCodeID = "AT-991";
  a.sMatricula = "12-AB-34";
  a.sArm = texts({"A1", "A1"});  // A2 holds too few tables
  startJournal();
  ASSERT_TRUE(call(*bal, Member::DocGTInserirMultiArm, a)) << bal->ErroDescricao();
  EXPECT_EQ(putValues("CabecDoc", "DataCarga"), Sequence{"17-03-2024"});
  EXPECT_EQ(putValues("CabecDoc", "HoraCarga"), Sequence{"08:15"});
  EXPECT_EQ(headerSequence().back(), "ATDocCodeID");
  EXPECT_EQ(putValues("CabecDoc", "Matricula"), Sequence{"12-AB-34"});
}

TEST_F(DocumentInsertDifferences, LineTypesGoToArticleLinesOnlyAndNotesStayTypeOne) {
  DocumentArgs a;
  a.iTipoLinha = automation::SafeArray<int16_t>(1, {1, 60});
  a.sNotas = texts({"", "Montar no local"});
  startJournal();
  call(*bal, Member::CF_DocGenInserirTipoLinha, a);
  EXPECT_EQ(putValues("DocumentosGcLin", "TipoDeLinha"), (Sequence{"1", "1", "60"}));
  EXPECT_EQ(putValues("DocumentosGcLin", "Artigo"), (Sequence{"A001", "P001"}));
  EXPECT_EQ(putValues("DocumentosGcLin", "Descricao"), Sequence{"Montar no local"});
}

TEST_F(DocumentInsertDifferences, TheDiscountSwitchesReadOnlyTheirOwnArrays) {
  DocumentArgs a;
  a.sDescComp = Texts();  // never dimensioned: reading it would fail
  a.sArm = texts({"A1", "A1"});
  bal->UsaDescontoLinha(true);
  startJournal();
  ASSERT_TRUE(call(*bal, Member::DocGenInserirMultiArm, a)) << bal->ErroDescricao();
  EXPECT_EQ(putValues("DocumentosGcLin", "TaxaDesconto"), (Sequence{"5", "0"}));
  EXPECT_TRUE(putValues("DocumentosGcLin", "Desconto").empty());
  // No lots given: no lot object is made.
  EXPECT_EQ(journalText().find("LotesLinha"), std::string::npos);
}

}  // namespace
}  // namespace testing_support
