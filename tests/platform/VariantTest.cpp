#include <gtest/gtest.h>

#include "platform/Collection.hpp"
#include "platform/HostSettings.hpp"
#include "platform/Variant.hpp"
#include "support/ErrorOf.hpp"

using automation::Variant;
using testing_support::errorOf;

TEST(Variant, IntegerConversionsRoundHalfToEvenAndOverflow) {
  EXPECT_EQ(errorOf([] { (void)Variant(40000).toInteger(); }), 6);
  EXPECT_EQ(Variant(2.5).toInteger(), 2);
  EXPECT_EQ(Variant(3.5).toInteger(), 4);
  EXPECT_EQ(Variant(-32768.4).toInteger(), -32768);
  EXPECT_EQ(errorOf([] { (void)Variant(2147483648.0).toLong(); }), 6);
  EXPECT_EQ(Variant(true).toInteger(), -1);
  EXPECT_EQ(Variant(false).toLong(), 0);
  EXPECT_EQ(Variant().toLong(), 0);
}

TEST(Variant, TextToNumberAndBack) {
  EXPECT_EQ(errorOf([] { (void)Variant("F-17").toDouble(); }), 13);
  EXPECT_EQ(errorOf([] { (void)Variant("").toLong(); }), 13);
  EXPECT_DOUBLE_EQ(Variant(" 12.5 ").toDouble(), 12.5);
  EXPECT_EQ(Variant(2.5 * 4).toString(), "10");
  EXPECT_EQ(Variant(0.1 + 0.2).toString(), "0.3");
  EXPECT_EQ(Variant(1e15).toString(), "1E+15");
  EXPECT_EQ(Variant(0.00001).toString(), "1E-05");
  EXPECT_EQ(Variant(int16_t{-7}).toString(), "-7");
  EXPECT_EQ(Variant(true).toString(), "True");
  EXPECT_EQ(Variant(automation::Currency::fromDouble(-0.25)).toString(), "-0.25");

  automation::ScopedHostSettings comma({",", ".", "dd/mm/yyyy"});
  EXPECT_EQ(Variant(1234.5).toString(), "1234,5");
  EXPECT_DOUBLE_EQ(Variant("1.234,5").toDouble(), 1234.5);
  EXPECT_EQ(errorOf([] { (void)Variant("1,2,x").toDouble(); }), 13);
}

TEST(Variant, NullAndObjectsRefuseConversion) {
  EXPECT_EQ(errorOf([] { (void)Variant::null().toString(); }), 94);
  EXPECT_EQ(errorOf([] { (void)Variant::null().toLong(); }), 94);
  EXPECT_EQ(errorOf([] { (void)Variant("x").toObject(); }), 13);
  EXPECT_EQ(errorOf([] { (void)Variant::nothing().toString(); }), 13);
  EXPECT_EQ(Variant::nothing().toObject(), nullptr);
  EXPECT_EQ(Variant::null().coerce(automation::VarType::String).type(), automation::VarType::Null);
}

TEST(Variant, DatesFollowTheHostShortDate) {
  Variant d(automation::Date::fromParts(2026, 12, 5));
  EXPECT_EQ(d.toString(), "05-12-2026");
  EXPECT_EQ(automation::Date::fromParts(1899, 12, 30).serial, 0);
  EXPECT_EQ(automation::Date::fromParts(1900, 1, 1).serial, 2);
  EXPECT_EQ(Variant("05-12-2026").toDate(), automation::Date::fromParts(2026, 12, 5));
  EXPECT_EQ(Variant("2026-12-05 10:30:15").toDate().format("dd-mm-yyyy hh:mm:ss"), "05-12-2026 10:30:15");
  EXPECT_EQ(errorOf([] { (void)Variant("31-02-2026").toDate(); }), 13);
  automation::ScopedHostSettings us({".", ",", "mm/dd/yyyy"});
  EXPECT_EQ(d.toString(), "12/05/2026");
}

// Released element by element, a chain this deep would exhaust the stack.
TEST(Variant, ArraysNestedDeepAreReleasedWithoutRecursing) {
  auto shared = std::make_shared<automation::VariantArray>(0, std::initializer_list<Variant>{Variant("kept")});
  Variant chain(shared);
  for (int i = 0; i < 300'000; ++i) chain = Variant(automation::VariantArray(0, {chain}));
  chain = Variant();
  EXPECT_EQ(shared.use_count(), 1);
  EXPECT_EQ((*shared)(0).toString(), "kept");
}

TEST(Variant, ArraysAndObjectsAreSharedNotCopied) {
  auto array = std::make_shared<automation::VariantArray>(1, 2);
  Variant held(array);
  Variant copy = held;
  (*copy.toArray())(2) = Variant("set through a copy");
  EXPECT_EQ((*array)(2).toString(), "set through a copy");
  EXPECT_EQ(errorOf([&] { (void)(*held.toArray())(3); }), 9);

  auto collection = std::make_shared<automation::Collection>();
  Variant object(collection);
  EXPECT_EQ(object.toObjectOf<automation::Collection>(), collection);
  EXPECT_EQ(object.typeName(), "Collection");
  EXPECT_EQ(errorOf([&] { (void)Variant(std::make_shared<automation::Object>()).toObjectOf<automation::Collection>(); }), 13);
  EXPECT_EQ(errorOf([] { (void)Variant(40000).coerce(automation::VarType::Integer); }), 6);
}
