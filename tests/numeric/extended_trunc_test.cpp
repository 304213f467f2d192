#include "numeric/extended_trunc.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vellmora {
namespace {

// The reference: the C library's truncation and the compiler's conversion.
std::int64_t LibraryTrunc(long double x) { return static_cast<std::int64_t>(std::trunc(x)); }

TEST(ExtendedTrunc, CutsTowardZeroNextToWholeNumbersAndHalves) {
  for (const long double whole : {0.0L, 1.0L, 2.0L, 3.0L, 1524.0L, 2299160.0L, 5373484.0L, 4503599627370495.0L}) {
    for (const long double sign : {1.0L, -1.0L}) {
      const long double x = sign * whole;
      for (const long double probe : {x, std::nextafter(x, 0.0L), std::nextafter(x, 2 * x + sign), x + 0.5L, x - 0.5L,
                                      std::nextafter(x + 0.5L, 0.0L), std::nextafter(x - 0.5L, 0.0L)}) {
        ASSERT_EQ(TruncToInt64(probe), LibraryTrunc(probe)) << static_cast<double>(probe);
      }
    }
  }
}

TEST(ExtendedTrunc, AgreesWithTheLibraryOverTheCalendarsRange) {
  // Julian Dates and the intermediate values of the calendar conversions, in steps that
  // fall on all fractions of a day.
  for (long double x = -3000000.0L; x < 6000000.0L; x += 997.0039L) {
    ASSERT_EQ(TruncToInt64(x), LibraryTrunc(x)) << static_cast<double>(x);
    ASSERT_EQ(TruncToInt64(x / 30.6001L), LibraryTrunc(x / 30.6001L)) << static_cast<double>(x);
  }
}

}  // namespace
}  // namespace vellmora
