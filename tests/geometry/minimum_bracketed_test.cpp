#include "geometry/minimum_bracketed.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vellmora {
namespace {

TEST(MinimumBracketed, FindsTheLeastValueToTheTolerance) {
  const struct {
    double (*F)(double);
    double A, B, Expected;
  } cases[] = {
      {[](double x) { return (x - 0.3) * (x - 0.3); }, -1, 1, 0.3},
      {[](double x) { return std::hypot(x - 2.5, 1e-3); }, 0, 10, 2.5},  // a sharp valley, as at the shadow axis
      {[](double x) { return -std::sin(x); }, 0, 3, M_PI / 2},
      {[](double x) { return x; }, 1, 2, 1},  // falling towards an end: the end
  };
  // A smooth minimum is located to about the square root of the rounding error.
  for (const auto& c : cases) EXPECT_NEAR(MinimumBracketed(c.F, c.A, c.B, 1e-9), c.Expected, 1e-7) << c.Expected;
}

}  // namespace
}  // namespace vellmora
