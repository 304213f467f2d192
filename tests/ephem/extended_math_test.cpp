#include "ephem/extended_math.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vellmora {
namespace {

TEST(ExtendedArithmetic, IntegerPartTowardZeroAsTheLibraryGivesIt) {
  const long double edges[] = {0.0L,
                               -0.0L,
                               0.5L,
                               -0.5L,
                               1.0L,
                               -1.0L,
                               2.5L,
                               -2.5L,
                               3.5L,
                               -3.5L,
                               0.99999999999999999L,
                               -0.99999999999999999L,
                               1e18L,
                               -1e18L,
                               123456789.000000001L,
                               -123456789.999999999L};
  for (const long double x : edges) {
    EXPECT_EQ(ExtendedInt(x), std::trunc(x)) << static_cast<double>(x);
  }
  // The arguments of the series: up to some 13,000 revolutions either way.
  for (long double x = -13400.0L; x < 13400.0L; x += 0.7303L) {
    ASSERT_EQ(ExtendedInt(x), std::trunc(x)) << static_cast<double>(x);
    ASSERT_EQ(ExtendedFrac(x), x - std::trunc(x)) << static_cast<double>(x);
  }
  EXPECT_EQ(ExtendedFrac(-2.25L), -0.25L);
}

}  // namespace
}  // namespace vellmora
