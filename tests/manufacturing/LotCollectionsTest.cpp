#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "manufacturing/cDocLotes.hpp"
#include "manufacturing/coDoclPendentes.hpp"
#include "support/ErrorOf.hpp"

using automation::Variant;
using qvd::cDocLotes;
using qvd::colLotes;
using testing_support::errorOf;

namespace {

std::shared_ptr<colLotes> lotsOf(std::vector<std::string> codes) {
  auto lots = std::make_shared<colLotes>();
  for (const auto& code : codes) lots->Add("ART", 1, code, "");
  return lots;
}

std::vector<std::string> codesIn(const colLotes& lots) {
  std::vector<std::string> codes;
  for (const auto& lot : lots) codes.push_back(lot->Lote() + "@" + std::to_string(lot->Linha()));
  return codes;
}

}  // namespace

TEST(colLotes, AddStoresACompleteLotUnderACaseInsensitiveKey) {
  colLotes lots;
  auto first = lots.Add("A1", 2.5, "L-01", "V-9", "Chave");
  EXPECT_EQ(first, lots.Item(Variant(int16_t{1})));
  EXPECT_EQ(first, lots.Item(Variant("cHAVE")));
  EXPECT_EQ(first->Artigo(), "A1");
  EXPECT_EQ(first->Quantidade(), 2.5);
  EXPECT_EQ(first->Lote(), "L-01");
  EXPECT_EQ(first->VossoLote(), "V-9");
  EXPECT_EQ(first->Linha(), 0);

  EXPECT_EQ(errorOf([&] { lots.Add("A1", 2.5, "L-01", "V-9", "CHAVE"); }), 457);
  EXPECT_EQ(lots.Count(), 1);
  lots.Add("A1", 2.5, "L-01", "V-9");
  lots.Add("A1", 2.5, "L-01", "V-9", "");
  EXPECT_EQ(lots.Count(), 3);
}

TEST(colLotes, ItemAndRemoveRefuseUnknownPositionsAndKeys) {
  auto lots = lotsOf({"a", "b", "c"});
  EXPECT_EQ(errorOf([&] { lots->Item(Variant(0)); }), 5);
  EXPECT_EQ(errorOf([&] { lots->Item(Variant(4)); }), 5);
  EXPECT_EQ(errorOf([&] { lots->Item(Variant("a")); }), 5);
  EXPECT_EQ(errorOf([&] { lots->Remove(Variant(-1)); }), 5);
  EXPECT_EQ(lots->Count(), 3);

  lots->Remove(Variant(2.0));
  EXPECT_EQ(codesIn(*lots), (std::vector<std::string>{"a@0", "c@0"}));
  EXPECT_EQ(lots->Item(Variant(2))->Lote(), "c");
}

TEST(coDoclPendentes, KeepsDocumentKeysInOrderWithFoldedKeys) {
  qvd::coDoclPendentes pending;
  auto doc = pending.Add(2026, "FA", 1, 42, "ÁGUA-1");
  pending.Add(2026, "GR", 2, 7);
  EXPECT_EQ(doc->Ano(), 2026);
  EXPECT_EQ(doc->TipoDocumento(), "FA");
  EXPECT_EQ(doc->Serie(), 1);
  EXPECT_EQ(doc->NumeroDocumento(), 42);
  EXPECT_EQ(pending.Item(Variant("água-1")), doc);
  EXPECT_EQ(errorOf([&] { pending.Add(2026, "NC", 1, 1, "Água-1"); }), 457);

  std::vector<std::string> types;
  for (const auto& d : pending) types.push_back(d->TipoDocumento());
  EXPECT_EQ(types, (std::vector<std::string>{"FA", "GR"}));

  pending.Remove(Variant("ÁGUA-1"));
  EXPECT_EQ(pending.Count(), 1);
  EXPECT_EQ(pending.Item(Variant(1))->TipoDocumento(), "GR");
}

TEST(cDocLotes, LotesDaLinhaOfAFreeLineIsEmptyAndNotStored) {
  cDocLotes doc;
  auto lots = doc.LotesDaLinha(5);
  ASSERT_NE(lots, nullptr);
  lots->Add("A", 1, "L", "");
  EXPECT_EQ(doc.Count(), 0);
  EXPECT_EQ(doc.LotesDaLinha(5)->Count(), 0);
}

TEST(cDocLotes, SetLotesDaLinhaStampsAndStoresTheSameCollection) {
  cDocLotes doc;
  auto lots = lotsOf({"x", "y"});
  EXPECT_TRUE(doc.SetLotesDaLinha(3, lots));
  EXPECT_EQ(doc.Count(), 1);
  EXPECT_EQ(doc.Item(Variant("3")), lots);
  EXPECT_EQ(doc.LotesDaLinha(3), lots);
  EXPECT_EQ(codesIn(*lots), (std::vector<std::string>{"x@3", "y@3"}));

  lots->Add("A", 1, "z", "");  // shared: seen by the document, not stamped yet
  EXPECT_EQ(codesIn(*doc.LotesDaLinha(3)), (std::vector<std::string>{"x@3", "y@3", "z@0"}));
}

TEST(cDocLotes, NumberIsAPositionAndTextIsALine) {
  cDocLotes doc;
  auto line2 = lotsOf({"b"});
  auto line1 = lotsOf({"a"});
  doc.SetLotesDaLinha(2, line2);
  doc.SetLotesDaLinha(1, line1);
  EXPECT_EQ(doc.Item(Variant(1)), line2);
  EXPECT_EQ(doc.Item(Variant("1")), line1);
  EXPECT_EQ(doc.Item(Variant(int16_t{2})), line1);
  EXPECT_EQ(errorOf([&] { doc.Item(Variant("3")); }), 5);
}

TEST(cDocLotes, StoringALineAgainReplacesItAndMovesItLast) {
  cDocLotes doc;
  auto first = lotsOf({"a"});
  auto other = lotsOf({"o"});
  auto second = lotsOf({"b"});
  doc.SetLotesDaLinha(2, first);
  doc.SetLotesDaLinha(5, other);
  doc.SetLotesDaLinha(2, second);
  EXPECT_EQ(doc.Count(), 2);
  EXPECT_EQ(doc.Item(Variant(1)), other);
  EXPECT_EQ(doc.Item(Variant(2)), second);
  EXPECT_EQ(doc.LotesDaLinha(2), second);
  EXPECT_EQ(first->Item(Variant(1))->Linha(), 2);

  doc.SetLotesDaLinha(5, nullptr);
  EXPECT_EQ(doc.Count(), 1);
}

TEST(cDocLotes, LineBeyondSixteenBitsIsStoredButNotStamped) {
  cDocLotes doc;
  auto lots = lotsOf({"a", "b"});
  doc.SetLotesDaLinha(7, lots);
  EXPECT_TRUE(doc.SetLotesDaLinha(40000, lots));
  EXPECT_EQ(doc.Item(Variant("40000")), lots);
  EXPECT_EQ(doc.Count(), 2);
  EXPECT_EQ(codesIn(*lots), (std::vector<std::string>{"a@7", "b@7"}));

  doc.SetLotesDaLinha(-3, lots);
  EXPECT_EQ(doc.Item(Variant("-3")), lots);
  EXPECT_EQ(lots->Item(Variant(1))->Linha(), -3);
}

TEST(cDocLotes, AlteraLinhaLoteMovesToAFreeLine) {
  cDocLotes doc;
  auto lots = lotsOf({"a", "b"});
  doc.SetLotesDaLinha(4, lots);
  EXPECT_TRUE(doc.AlteraLinhaLote(4, 7));
  EXPECT_EQ(doc.Count(), 1);
  EXPECT_EQ(doc.Item(Variant("7")), lots);
  EXPECT_EQ(codesIn(*lots), (std::vector<std::string>{"a@7", "b@7"}));

  EXPECT_TRUE(doc.AlteraLinhaLote(9, 8));
  EXPECT_EQ(doc.Count(), 2);
  EXPECT_EQ(doc.Item(Variant("8"))->Count(), 0);

  EXPECT_TRUE(doc.AlteraLinhaLote(7, 7));
  EXPECT_EQ(doc.Item(Variant(2)), lots);
}

TEST(cDocLotes, AlteraLinhaLoteIntoAnOccupiedLineMergesEveryLot) {
  cDocLotes doc;
  auto origin = std::make_shared<colLotes>();
  origin->Add("A", 1, "o1", "", "k");
  origin->Add("A", 1, "o2", "", "only-origin");
  auto destination = std::make_shared<colLotes>();
  destination->Add("A", 1, "d1", "", "K");
  doc.SetLotesDaLinha(4, origin);
  doc.SetLotesDaLinha(7, destination);

  EXPECT_TRUE(doc.AlteraLinhaLote(4, 7));
  EXPECT_EQ(doc.Count(), 1);
  EXPECT_EQ(doc.Item(Variant("7")), destination);
  EXPECT_EQ(codesIn(*destination), (std::vector<std::string>{"d1@7", "o1@7", "o2@7"}));
  EXPECT_EQ(destination->Item(Variant("K"))->Lote(), "d1");
  EXPECT_EQ(destination->Item(Variant("ONLY-ORIGIN"))->Lote(), "o2");
  EXPECT_EQ(destination->Item(Variant(2)), origin->Item(Variant(1)));
}

TEST(cDocLotes, AlteraLinhaLoteBetweenLinesSharingOneCollectionKeepsItOnce) {
  cDocLotes doc;
  auto lots = lotsOf({"a"});
  doc.SetLotesDaLinha(1, lots);
  doc.SetLotesDaLinha(2, lots);
  doc.AlteraLinhaLote(1, 2);
  EXPECT_EQ(doc.Count(), 1);
  EXPECT_EQ(codesIn(*doc.Item(Variant("2"))), (std::vector<std::string>{"a@2"}));
}
