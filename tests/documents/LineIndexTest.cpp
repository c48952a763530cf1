#include <gtest/gtest.h>

#include <vector>

#include "documents/LineIndex.hpp"
#include "support/ErrorOf.hpp"

namespace {

using qvd::docbuild::forEachLine;
using testing_support::errorOf;

TEST(LineIndex, RunsLinesOneToTheBoundAndNoneForABoundBelowOne) {
  std::vector<int16_t> seen;
  forEachLine(3, [&](int16_t i) { seen.push_back(i); });
  EXPECT_EQ(seen, (std::vector<int16_t>{1, 2, 3}));

  seen.clear();
  forEachLine(0, [&](int16_t i) { seen.push_back(i); });
  forEachLine(-5, [&](int16_t i) { seen.push_back(i); });
  EXPECT_TRUE(seen.empty());
}

TEST(LineIndex, ABoundOutsideSixteenBitsOverflowsBeforeTheFirstLine) {
  int lines = 0;
  EXPECT_EQ(errorOf([&] { forEachLine(32768, [&](int16_t) { ++lines; }); }), 6);
  EXPECT_EQ(errorOf([&] { forEachLine(-32769, [&](int16_t) { ++lines; }); }), 6);
  EXPECT_EQ(lines, 0);
}

TEST(LineIndex, TheLargestBoundRunsEveryLineThenOverflowsSteppingPastIt) {
  int lines = 0;
  int16_t last = 0;
  EXPECT_EQ(errorOf([&] { forEachLine(32767, [&](int16_t i) { ++lines, last = i; }); }), 6);
  EXPECT_EQ(lines, 32767);
  EXPECT_EQ(last, 32767);

  lines = 0;
  EXPECT_EQ(errorOf([&] { forEachLine(32766, [&](int16_t) { ++lines; }); }), 0);
  EXPECT_EQ(lines, 32766);
}

}  // namespace
