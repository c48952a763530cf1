#include <gtest/gtest.h>

#include <vector>

#include "documents/LineIndex.hpp"
#include "support/ErrorOf.hpp"

namespace {

using qvd::docbuild::forEachLine;
using testing_support::errorOf;

TEST(LineIndex, LinesRunFromOneToTheBoundWithinSixteenBits) {
  std::vector<int16_t> seen;
  forEachLine(3, [&](int16_t i) { seen.push_back(i); });
  forEachLine(0, [&](int16_t i) { seen.push_back(i); });
  forEachLine(-5, [&](int16_t i) { seen.push_back(i); });
  EXPECT_EQ(seen, (std::vector<int16_t>{1, 2, 3}));

  // A bound outside 16 bits overflows before the first line; the largest runs every line and
  // then overflows stepping past it, so 32766 is the largest usable one.
  int lines = 0;
  int16_t last = 0;
  EXPECT_EQ(errorOf([&] { forEachLine(32768, [&](int16_t) { ++lines; }); }), 6);
  EXPECT_EQ(errorOf([&] { forEachLine(-32769, [&](int16_t) { ++lines; }); }), 6);
  EXPECT_EQ(lines, 0);
  EXPECT_EQ(errorOf([&] { forEachLine(32767, [&](int16_t i) { ++lines, last = i; }); }), 6);
  EXPECT_EQ(lines, 32767);
  EXPECT_EQ(last, 32767);
  lines = 0;
  EXPECT_EQ(errorOf([&] { forEachLine(32766, [&](int16_t) { ++lines; }); }), 0);
  EXPECT_EQ(lines, 32766);
}

}  // namespace
