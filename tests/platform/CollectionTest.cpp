#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Collection.hpp"
#include "support/ErrorOf.hpp"

using automation::Collection;
using automation::Variant;
using testing_support::errorOf;

namespace {

std::vector<std::string> itemsOf(const Collection& c) {
  std::vector<std::string> out;
  for (const auto& entry : c) out.push_back(entry.item.toString());
  return out;
}

}  // namespace

TEST(Collection, KeepsInsertionOrderWithOneBasedPositions) {
  Collection c;
  c.add(Variant("first"), "k1");
  c.add(Variant("second"));
  c.add(Variant("third"), "k3");
  EXPECT_EQ(c.count(), 3);
  EXPECT_EQ(itemsOf(c), (std::vector<std::string>{"first", "second", "third"}));
  EXPECT_EQ(c.item(Variant(1)).toString(), "first");
  EXPECT_EQ(c.item(Variant(2.6)).toString(), "third");  // a fractional position rounds
  EXPECT_EQ(c.item(Variant(int16_t{2})).toString(), "second");
  EXPECT_EQ(errorOf([&] { c.item(Variant(0)); }), 5);
  EXPECT_EQ(errorOf([&] { c.item(Variant(4)); }), 5);
}

TEST(Collection, KeysIgnoreCaseIncludingAccentedLetters) {
  Collection c;
  c.add(Variant("x"), "ÁGUA Ção");
  EXPECT_EQ(c.item(Variant("água çÃO")).toString(), "x");
  EXPECT_TRUE(c.containsKey("Água ção"));
  EXPECT_EQ(errorOf([&] { c.add(Variant("y"), "água ção"); }), 457);
  EXPECT_EQ(c.count(), 1);
  EXPECT_EQ(errorOf([&] { c.item(Variant("agua cao")); }), 5);
  EXPECT_EQ(errorOf([&] { c.item(Variant("1")); }), 5);  // text is always a key
}

TEST(Collection, RemovingClosesTheGapAndKeepsKeysRight) {
  Collection c;
  for (std::string k : {"a", "b", "c", "d"}) c.add(Variant(k + "!"), k);
  c.remove(Variant("B"));
  c.remove(Variant(1));
  EXPECT_EQ(itemsOf(c), (std::vector<std::string>{"c!", "d!"}));
  EXPECT_EQ(c.item(Variant("d")).toString(), "d!");
  EXPECT_EQ(c.item(Variant("c")).toString(), "c!");
  EXPECT_EQ(errorOf([&] { c.remove(Variant("a")); }), 5);
  c.add(Variant("again"), "a");  // a removed key is free again
  EXPECT_EQ(c.item(Variant(3)).toString(), "again");
}
