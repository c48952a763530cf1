#include <gtest/gtest.h>

#include <string>

#include "platform/SafeArray.hpp"
#include "support/ErrorOf.hpp"

using automation::SafeArray;
using testing_support::errorOf;

TEST(SafeArray, EveryIndexIsCheckedAgainstItsOwnBounds) {
  SafeArray<std::string> names(-2, {"a", "b", "c"});
  EXPECT_EQ(names.lbound(), -2);
  EXPECT_EQ(names.ubound(), 0);
  EXPECT_EQ(names(-2), "a");
  EXPECT_EQ(names(0), "c");
  EXPECT_EQ(errorOf([&] { (void)names(1); }), 9);
  EXPECT_EQ(errorOf([&] { (void)names(-3); }), 9);

  SafeArray<int> counts(5, 7);
  counts(7) = 3;
  EXPECT_EQ(counts.size(), 3u);
  EXPECT_EQ(errorOf([&] { counts(4) = 1; }), 9);
  EXPECT_EQ(errorOf([&] { counts(8) = 1; }), 9);
}

TEST(SafeArray, NeverDimensionedHasNoBounds) {
  SafeArray<int> none;
  EXPECT_FALSE(none.isDimensioned());
  EXPECT_EQ(errorOf([&] { (void)none.ubound(); }), 9);
  EXPECT_EQ(errorOf([&] { (void)none.lbound(); }), 9);
  EXPECT_EQ(errorOf([&] { (void)none(0); }), 9);
  EXPECT_EQ(errorOf([&] { none.redimPreserve(3); }), 9);

  SafeArray<int> erased(1, 2);
  erased.erase();
  EXPECT_EQ(errorOf([&] { (void)erased.ubound(); }), 9);
}
