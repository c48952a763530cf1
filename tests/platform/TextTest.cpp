#include <gtest/gtest.h>

#include "platform/Text.hpp"

namespace text = automation::text;

TEST(Text, CountsCharactersNotBytes) {
  EXPECT_EQ(text::length("Operação"), 8u);
  EXPECT_EQ(text::left("Operação", 7), "Operaçã");
  EXPECT_EQ(text::right("ÁÉÍ", 2), "ÉÍ");
  EXPECT_EQ(text::mid("açúcar", 2, 3), "çúc");
  EXPECT_EQ(text::mid("açúcar", 4), "car");
  EXPECT_EQ(text::left("ab", 10), "ab");
}

TEST(Text, FitAndAlignRightPadOrCutByCharacters) {
  EXPECT_EQ(text::fit("Ção", 5), "Ção  ");
  EXPECT_EQ(text::fit("Armazém", 6), "Armazé");
  EXPECT_EQ(text::fit("", 2), "  ");
  EXPECT_EQ(text::alignRight("1,235", 10), "     1,235");
  EXPECT_EQ(text::alignRight("Ãé", 3), " Ãé");
  EXPECT_EQ(text::alignRight("123456", 4), "3456");  // the last characters stay
  EXPECT_EQ(text::trim("  a b  "), "a b");
  EXPECT_EQ(text::trim("   "), "");
}

TEST(Text, FoldCaseCoversAccentedLatin) {
  EXPECT_EQ(text::foldCase("ÁGUA ÇÃO ÜÑ Ÿ ŁŻ"), "água ção üñ ÿ łż");
  EXPECT_EQ(text::foldCase("×÷ß"), "×÷ß");
  EXPECT_TRUE(text::equalsIgnoringCase("OPERAÇÃO", "operação"));
  EXPECT_FALSE(text::equalsIgnoringCase("operacao", "operação"));
}

TEST(Text, SqlQuotingDoublesQuotes) {
  EXPECT_EQ(text::sqlQuoted("O'Neil''s"), "O''Neil''''s");
  EXPECT_EQ(text::replaceAll("a.b.c", ".", "::"), "a::b::c");
}
