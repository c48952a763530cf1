#include <gtest/gtest.h>

#include <limits>

#include "platform/Date.hpp"
#include "platform/Variant.hpp"
#include "support/ErrorOf.hpp"

// Inputs that the fuzz targets of fuzz/ found to break a property, kept once fixed.
namespace {

using automation::Variant;
using testing_support::errorOf;

// A number far outside the dates of the calendar, put into a date property, reached the
// calendar arithmetic and overflowed there (undefined behaviour) instead of raising overflow.
TEST(FuzzFindings, NumbersOutsideTheDateRangeAreNoDates) {
  constexpr int32_t overflow = automation::errnum::Overflow;
  for (double serial : {1e300, -1e300, 2958466.0, -657435.0, std::numeric_limits<double>::quiet_NaN()}) {
    EXPECT_EQ(errorOf([&] { Variant(serial).toDate(); }), overflow) << serial;
    EXPECT_EQ(errorOf([&] { Variant(serial).coerce(automation::VarType::Date); }), overflow) << serial;
    EXPECT_EQ(errorOf([&] { automation::Date{serial}.parts(); }), overflow) << serial;
    EXPECT_EQ(errorOf([&] { Variant(automation::Date{serial}).toString(); }), overflow) << serial;
  }
  EXPECT_EQ(errorOf([&] { Variant("1E+300").toDate(); }), overflow);
  // The first and last days of the range are dates.
  automation::Date::Parts first = Variant(-657434.0).toDate().parts();
  EXPECT_EQ(first.year * 10000 + first.month * 100 + first.day, 1000101);
  EXPECT_EQ(Variant(2958465.5).toDate().format("dd-mm-yyyy hh:nn"), "31-12-9999 12:00");
}

}  // namespace
