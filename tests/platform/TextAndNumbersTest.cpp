// Number text whatever the process locale, UTF-8 checked where text comes in, letter case by the
// Unicode tables, and the conversions a Variant refuses to make implicitly.
#include <gtest/gtest.h>

#include <type_traits>

#include "oplog/DisplayNumber.hpp"
#include "platform/HostSettings.hpp"
#include "platform/Text.hpp"
#include "platform/Variant.hpp"
#include "platform/db/Recordset.hpp"
#include "support/ErrorOf.hpp"
#include "support/CommaLocale.hpp"

using automation::Variant;
using testing_support::CommaLocale;
using testing_support::errorOf;

namespace {

struct Plain {};
static_assert(!std::is_constructible_v<Variant, Plain*>);
static_assert(!std::is_constructible_v<Variant, const int*>);
static_assert(!std::is_constructible_v<Variant, char>);
static_assert(std::is_constructible_v<Variant, const char*> && std::is_constructible_v<Variant, char*>);
static_assert(!std::is_copy_constructible_v<automation::Object> && !std::is_copy_assignable_v<automation::Object>);

}  // namespace

TEST(TextAndNumbers, NumberTextIgnoresTheProcessLocale) {
  CommaLocale comma;
  if (!comma.active()) GTEST_SKIP() << "no locale with a decimal comma could be made (localedef)";
  EXPECT_EQ(Variant(2.5).toString(), "2.5");
  EXPECT_EQ(Variant(0.00001).toString(), "1E-05");
  EXPECT_DOUBLE_EQ(Variant("1,234.5").toDouble(), 1234.5);
  EXPECT_DOUBLE_EQ(Variant("-2.5E3").toDouble(), -2500);
  EXPECT_EQ(errorOf([] { (void)Variant("+-2").toDouble(); }), 13);
  EXPECT_EQ(automation::fixedText(-1.005, 2), "-1.00");
  EXPECT_EQ(qvd::displayNumber(1234567.4, true), "1,234,567");

  automation::ScopedHostSettings host({",", " ", "dd/mm/yyyy"});
  EXPECT_EQ(Variant(1234.5).toString(), "1234,5");
  EXPECT_DOUBLE_EQ(Variant("1 234,5").toDouble(), 1234.5);
}

TEST(TextAndNumbers, TextThatIsNotUtf8IsRefusedAndNeverEqual) {
  namespace text = automation::text;
  EXPECT_FALSE(text::equalsIgnoringCase("abc\xC3", "abc\x03"));
  EXPECT_FALSE(text::isUtf8("\xC0\xAF"));      // overlong
  EXPECT_FALSE(text::isUtf8("\xED\xA0\x80"));  // a surrogate
  EXPECT_FALSE(text::isUtf8("\xF4\x90\x80\x80"));  // past U+10FFFF
  EXPECT_FALSE(text::isUtf8("\xE2\x82"));  // cut short
  EXPECT_TRUE(text::isUtf8("água İ €"));
  EXPECT_EQ(errorOf([] { (void)text::foldCase("abc\xC3"); }), 5);
  EXPECT_EQ(errorOf([] { (void)Variant("\xAA-").toBool(); }), 13);
  EXPECT_EQ(text::foldCase("İSTANBUL ÁGUA Ção"), "istanbul água ção");
  EXPECT_TRUE(text::equalsIgnoringCase("ÉCRAN", "écran"));
  // Every system folds the accented Latin letters alike, by its own tables.
  EXPECT_EQ(text::foldCase("ÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝÞŒŠŽŸĀĂĄĆČĎĐĘĚĞŁŃŇŐŘŚŞŤŮŰŹŻ"),
            "àáâãäåæçèéêëìíîïðñòóôõöøùúûüýþœšžÿāăąćčďđęěğłńňőřśşťůűźż");
  EXPECT_EQ(text::foldCase("ΣΩ ДЖ 𐐀"), "σω дж 𐐨");

  automation::db::Recordset rs;
  rs.GetFields().Append("NOME", automation::db::DataType::VarWChar, 20);
  rs.Open();
  rs.AddNew();
  try {
    rs.setValue("NOME", Variant("caf\xE9"));
    FAIL() << "Latin-1 text was stored";
  } catch (const automation::AutomationError& e) {
    EXPECT_EQ(e.number(), 5);
    EXPECT_NE(e.description().find("NOME"), std::string::npos) << e.description();
    EXPECT_NE(e.description().find("byte 4"), std::string::npos) << e.description();
  }
  EXPECT_TRUE(rs.value("NOME").isNull() || rs.value("NOME").isEmpty());
}
