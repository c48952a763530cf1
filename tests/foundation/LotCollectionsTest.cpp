#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/cDocLotes.hpp"
#include "foundation/coDoclPendentes.hpp"
#include "support/ErrorOf.hpp"

using automation::Variant;
using qvd::cDocLotes;
using qvd::colLotes;
using testing_support::errorOf;
using Codes = std::vector<std::string>;

namespace {

std::shared_ptr<colLotes> lotsOf(const Codes& codes) {
  auto lots = std::make_shared<colLotes>();
  for (const auto& code : codes) lots->Add("ART", 1, code, "");
  return lots;
}

// Each lot as "code@line".
Codes codesIn(const colLotes& lots) {
  Codes codes;
  for (const auto& lot : lots) codes.push_back(lot->Lote() + "@" + std::to_string(lot->Linha()));
  return codes;
}

}  // namespace

TEST(LotCollections, ANumberIsAPositionAndTextIsALine) {
  cDocLotes doc;
  auto line2 = lotsOf({"b"});
  auto line1 = lotsOf({"a"});
  doc.SetLotesDaLinha(2, line2);
  doc.SetLotesDaLinha(1, line1);
  EXPECT_EQ(doc.Item(Variant(1)), line2);
  EXPECT_EQ(doc.Item(Variant(int16_t{2})), line1);
  EXPECT_EQ(doc.Item(Variant("1")), line1);
  EXPECT_EQ(errorOf([&] { doc.Item(Variant("3")); }), 5);

  // The lots of a free line are a new empty collection that is not stored.
  doc.LotesDaLinha(5)->Add("A", 1, "L", "");
  EXPECT_EQ(doc.LotesDaLinha(5)->Count(), 0);
  EXPECT_EQ(doc.Count(), 2);
}

TEST(LotCollections, SettingALineStampsItsLotsAndStoresItLastReplacingWhatItHeld) {
  cDocLotes doc;
  auto first = lotsOf({"a"});
  auto other = lotsOf({"o"});
  auto second = lotsOf({"b", "c"});
  doc.SetLotesDaLinha(2, first);
  doc.SetLotesDaLinha(5, other);
  EXPECT_TRUE(doc.SetLotesDaLinha(2, second));
  EXPECT_EQ(doc.Count(), 2);
  EXPECT_EQ(doc.Item(Variant(1)), other);
  EXPECT_EQ(doc.Item(Variant(2)), second);
  EXPECT_EQ(codesIn(*second), (Codes{"b@2", "c@2"}));
  second->Add("A", 1, "d", "");  // shared with the caller: seen by the document, not stamped yet
  EXPECT_EQ(codesIn(*doc.LotesDaLinha(2)), (Codes{"b@2", "c@2", "d@0"}));
  doc.SetLotesDaLinha(5, nullptr);
  EXPECT_EQ(doc.Count(), 1);

  // A line beyond 16 bits is stored, but its lots keep the line they had.
  EXPECT_TRUE(doc.SetLotesDaLinha(40000, first));
  EXPECT_EQ(doc.Item(Variant("40000")), first);
  EXPECT_EQ(codesIn(*first), Codes{"a@2"});
  doc.SetLotesDaLinha(-3, first);
  EXPECT_EQ(codesIn(*first), Codes{"a@-3"});
}

TEST(LotCollections, MovingALinesLotsLosesNone) {
  cDocLotes doc;
  auto moved = lotsOf({"a", "b"});
  doc.SetLotesDaLinha(4, moved);
  EXPECT_TRUE(doc.AlteraLinhaLote(4, 7));
  EXPECT_EQ(doc.Count(), 1);
  EXPECT_EQ(doc.Item(Variant("7")), moved);
  EXPECT_EQ(codesIn(*moved), (Codes{"a@7", "b@7"}));
  EXPECT_TRUE(doc.AlteraLinhaLote(9, 8));  // from a free line: the destination holds an empty collection
  EXPECT_EQ(doc.Item(Variant("8"))->Count(), 0);
  EXPECT_TRUE(doc.AlteraLinhaLote(7, 7));
  EXPECT_EQ(doc.Item(Variant(2)), moved);

  // Into an occupied line, the moved lots join the destination's, their keys kept where free.
  cDocLotes merged;
  auto origin = std::make_shared<colLotes>();
  origin->Add("A", 1, "o1", "", "k");
  origin->Add("A", 1, "o2", "", "only-origin");
  auto destination = std::make_shared<colLotes>();
  destination->Add("A", 1, "d1", "", "K");
  merged.SetLotesDaLinha(4, origin);
  merged.SetLotesDaLinha(7, destination);
  EXPECT_TRUE(merged.AlteraLinhaLote(4, 7));
  EXPECT_EQ(merged.Count(), 1);
  EXPECT_EQ(codesIn(*merged.Item(Variant("7"))), (Codes{"d1@7", "o1@7", "o2@7"}));
  EXPECT_EQ(destination->Item(Variant("K"))->Lote(), "d1");
  EXPECT_EQ(destination->Item(Variant("ONLY-ORIGIN"))->Lote(), "o2");

  // Two lines holding one collection: it is kept once.
  cDocLotes shared;
  auto lots = lotsOf({"a"});
  shared.SetLotesDaLinha(1, lots);
  shared.SetLotesDaLinha(2, lots);
  shared.AlteraLinhaLote(1, 2);
  EXPECT_EQ(shared.Count(), 1);
  EXPECT_EQ(codesIn(*shared.Item(Variant("2"))), Codes{"a@2"});
}

TEST(LotCollections, NoLotSitsOnTwoLinesAfterAMoveAndAStoreAgain) {
  cDocLotes doc;
  auto x = lotsOf({"LX"});
  auto y = lotsOf({"LY"});
  doc.SetLotesDaLinha(1, x);
  doc.SetLotesDaLinha(2, y);
  doc.AlteraLinhaLote(1, 2);
  doc.SetLotesDaLinha(3, x);  // the caller's source collection, stored again elsewhere
  EXPECT_EQ(codesIn(*doc.LotesDaLinha(2)), (Codes{"LY@2", "LX@2"}));
  EXPECT_EQ(codesIn(*doc.LotesDaLinha(3)), Codes{});

  // Storing lots that another line holds takes them off that line.
  auto z = std::make_shared<colLotes>();
  z->append(*y);
  z->append(*y);  // appending the same lots twice keeps one of each
  doc.SetLotesDaLinha(4, z);
  EXPECT_EQ(codesIn(*doc.LotesDaLinha(4)), (Codes{"LY@4", "LX@4"}));
  EXPECT_EQ(doc.LotesDaLinha(2)->Count(), 0);
}
