#include <gtest/gtest.h>

#include <type_traits>

#include "masterdata/NxArtigo.hpp"

namespace {

using qvd::NxArtigo;

template <class T, class Property>
constexpr bool holds = std::is_same_v<std::remove_cvref_t<decltype(std::declval<Property>()())>, T>;

// The fields the library exchanges with the ERP article keep the ERP's types.
static_assert(holds<int16_t, decltype(NxArtigo::IVA)> && holds<int16_t, decltype(NxArtigo::CtrSto)>);
static_assert(holds<automation::Currency, decltype(NxArtigo::StDisp)> &&
              holds<automation::Currency, decltype(NxArtigo::PvpSIV)>);
static_assert(holds<automation::Date, decltype(NxArtigo::DtUltC)> && holds<int32_t, decltype(NxArtigo::Numero)>);

TEST(NxArtigo, HoldsEachValueOnItsOwnAndDoesNothingElse) {
  NxArtigo a;
  a.Codigo("PARAF-Ø8");
  a.IVA(23);
  a.StDisp(automation::Currency::fromDouble(4.9999));
  a.DtEntr(automation::Date::fromParts(2024, 2, 29));
  EXPECT_FALSE(a.Ler("OUTRO"));
  EXPECT_FALSE(a.Inserir());
  EXPECT_EQ(a.Codigo(), "PARAF-Ø8");
  EXPECT_EQ(a.IVA(), 23);
  EXPECT_EQ(a.StDisp().scaled, 49999);
  EXPECT_EQ(a.DtEntr(), automation::Date::fromParts(2024, 2, 29));
  EXPECT_EQ(a.Abrev(), "");
  EXPECT_EQ(a.DecQua(), 0);
  EXPECT_EQ(a.UltPmp().scaled, 0);
  EXPECT_EQ(a.DtSaid().serial, 0.0);
}

}  // namespace
