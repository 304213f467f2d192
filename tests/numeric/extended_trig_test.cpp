#include "numeric/extended_trig.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vellmora {
namespace {

TEST(ExtendedTrigonometry, AgreesWithTheLibraryInEveryQuadrant) {
  for (long double x = -40.0L; x < 40.0L; x += 0.0917L) {
    const CosSin both = ExtendedCosSin(x);
    ASSERT_NEAR(static_cast<double>(both.c - std::cos(x)), 0, 1e-18) << static_cast<double>(x);
    ASSERT_NEAR(static_cast<double>(both.s - std::sin(x)), 0, 1e-18) << static_cast<double>(x);
    ASSERT_NEAR(static_cast<double>(ExtendedSin(x) - std::sin(x)), 0, 1e-18) << static_cast<double>(x);
    ASSERT_NEAR(static_cast<double>(ExtendedCos(x) - std::cos(x)), 0, 1e-18) << static_cast<double>(x);
  }
}

TEST(ExtendedTrigonometry, KeepsItsPrecisionForTheLongSeriesArguments) {
  // The Earth's series reach some 10^5 radians in a millennium; beyond 2^18
  // quarter turns the library takes over.
  for (const long double x : {6283.0758499914L, -84334.66158130829L, 155000.123456789L, 1e7L, -3e9L}) {
    EXPECT_NEAR(static_cast<double>(ExtendedCos(x) - std::cos(x)), 0, 1e-17) << static_cast<double>(x);
    EXPECT_NEAR(static_cast<double>(ExtendedSin(x) - std::sin(x)), 0, 1e-17) << static_cast<double>(x);
  }
}

}  // namespace
}  // namespace vellmora
