#include "geometry/solve_bracketed.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vellmora {
namespace {

TEST(SolveBracketed, FindsTheRootInsideASignChange) {
  EXPECT_NEAR(SolveBracketed([](double x) { return x * x - 2; }, 0, 2, 1e-12), std::sqrt(2.0), 1e-10);
  EXPECT_NEAR(SolveBracketed([](double x) { return std::cos(x); }, 1, 2, 1e-12), M_PI / 2, 1e-10);
  // Falling function, bracket given from the right side.
  EXPECT_NEAR(SolveBracketed([](double x) { return 1 - x * x * x; }, 0.5, 3, 1e-12), 1, 1e-10);
}

TEST(SolveBracketed, ConvergesWherePlainRegulaFalsiCreeps) {
  // Strongly convex: plain regula falsi keeps one end fixed and needs hundreds
  // of steps; the Pegasus scaling gets there within its 30.
  int calls = 0;
  const double root = SolveBracketed(
      [&calls](double x) {
        ++calls;
        return std::exp(x) - 10;
      },
      0, 8, 1e-12);
  EXPECT_NEAR(root, std::log(10.0), 1e-10);
  EXPECT_LE(calls, 32);
}

TEST(SolveBracketed, WithoutASignChangeTheResultIsTheFirstEnd) {
  EXPECT_EQ(SolveBracketed([](double x) { return x * x + 1; }, -1, 3, 1e-10), -1);
  // A root exactly at an end is no sign change either.
  EXPECT_EQ(SolveBracketed([](double x) { return x - 1; }, 0, 1, 1e-10), 0);
  EXPECT_EQ(SolveBracketed([](double x) { return x; }, 0, 1, 1e-10), 0);
}

}  // namespace
}  // namespace vellmora
