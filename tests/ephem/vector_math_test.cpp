#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "ephem/matlib.h"

namespace vellmora {
namespace {

constexpr double kDegreesPerRadian = 180 / std::numbers::pi;

TEST(DegreeTrigonometry, FunctionsOfDegrees) {
  EXPECT_NEAR(SinD(30), 0.5, 1e-14);
  EXPECT_NEAR(CosD(60), 0.5, 1e-14);
  EXPECT_NEAR(TanD(45), 1, 1e-14);
  EXPECT_NEAR(TanD(-135), 1, 1e-14);
  for (double x = -0.99; x < 1; x += 0.0725) {
    EXPECT_NEAR(ArcSinD(x), std::asin(x) * kDegreesPerRadian, 1e-10) << x;
    EXPECT_NEAR(ArcCosD(x), std::acos(x) * kDegreesPerRadian, 1e-10) << x;
  }
  EXPECT_EQ(ArcSinD(1), 90);
  EXPECT_EQ(ArcSinD(-1), -90);
  EXPECT_EQ(ArcCosD(1), 0);
  EXPECT_EQ(ArcCosD(-1), 180);
  // Near zero the arcsine is linear.
  EXPECT_NEAR(ArcSinD(1e-8), 1e-8 * kDegreesPerRadian, 1e-18);
  EXPECT_NEAR(ArcCosD(-1e-8), 90 + 1e-8 * kDegreesPerRadian, 1e-12);
}

TEST(DegreeTrigonometry, ArcTangentOfTwoArgumentsInEveryQuadrant) {
  EXPECT_EQ(ArcTan2D(0, 0), 0);
  EXPECT_NEAR(ArcTan2D(0, -1), 180, 1e-12);
  EXPECT_NEAR(ArcTan2D(-1, 0), -90, 1e-12);
  EXPECT_NEAR(ArcTan2D(1, 1), 45, 1e-12);
  EXPECT_NEAR(ArcTan2D(-1, -1), -135, 1e-12);
  for (double angle = -179.5; angle < 180; angle += 7.25) {
    const double y = 3 * std::sin(angle / kDegreesPerRadian);
    const double x = 3 * std::cos(angle / kDegreesPerRadian);
    EXPECT_NEAR(ArcTan2D(y, x), std::atan2(y, x) * kDegreesPerRadian, 1e-10) << angle;
  }
}

TEST(Vectors, PolarAndCartesianCoordinates) {
  const Vector3 onNegativeY{0, -2, 0};
  const PolarCoordinates polar = CartesianToPolar(onNegativeY);
  EXPECT_NEAR(polar.r, 2, 1e-15);
  EXPECT_NEAR(polar.theta, 0, 1e-15);
  EXPECT_NEAR(polar.phi, 270, 1e-12);

  EXPECT_NEAR(CartesianToPolar({0, 0, -5}).theta, -90, 1e-12);

  const Vector3 v = PolarToCartesian(2, 30, 120);
  EXPECT_NEAR(v.x, 2 * std::cos(std::numbers::pi / 6) * -0.5, 1e-14);
  EXPECT_NEAR(v.y, 2 * std::cos(std::numbers::pi / 6) * std::sqrt(3.0) / 2, 1e-14);
  EXPECT_NEAR(v.z, 1, 1e-14);

  const PolarCoordinates back = CartesianToPolar(PolarToCartesian(7.5, -41.25, 333.3));
  EXPECT_NEAR(back.r, 7.5, 1e-13);
  EXPECT_NEAR(back.theta, -41.25, 1e-11);
  EXPECT_NEAR(back.phi, 333.3, 1e-11);
}

TEST(Vectors, ProductsAndNorm) {
  const Vector3 a{1, 2, 3};
  const Vector3 b{-4, 5, 0.5};
  EXPECT_DOUBLE_EQ(DotProduct(a, b), -4 + 10 + 1.5);
  const Vector3 c = CrossProduct(a, b);
  EXPECT_DOUBLE_EQ(c.x, 2 * 0.5 - 3 * 5);
  EXPECT_DOUBLE_EQ(c.y, 3 * -4 - 1 * 0.5);
  EXPECT_DOUBLE_EQ(c.z, 1 * 5 - 2 * -4);
  EXPECT_NEAR(DotProduct(c, a), 0, 1e-12);
  EXPECT_NEAR(DotProduct(c, b), 0, 1e-12);
  const Vector3 z = CrossProduct({1, 0, 0}, {0, 1, 0});
  EXPECT_EQ(z.z, 1);
  EXPECT_DOUBLE_EQ(VectorNorm({3, 4, 12}), 13);
}

TEST(DegreesMinutesSecondsSplit, SignOnTheFirstNonZeroPart) {
  const DegreesMinutesSeconds halfNegative = DegreesToDMS(-0.5);
  EXPECT_EQ(halfNegative.Degrees, 0);
  EXPECT_EQ(halfNegative.Minutes, -30);
  EXPECT_NEAR(halfNegative.Seconds, 0, 1e-9);

  const DegreesMinutesSeconds tenNegative = DegreesToDMS(-10.25);
  EXPECT_EQ(tenNegative.Degrees, -10);
  EXPECT_EQ(tenNegative.Minutes, 15);
  EXPECT_NEAR(tenNegative.Seconds, 0, 1e-9);

  const DegreesMinutesSeconds secondsOnly = DegreesToDMS(-0.001);
  EXPECT_EQ(secondsOnly.Degrees, 0);
  EXPECT_EQ(secondsOnly.Minutes, 0);
  EXPECT_NEAR(secondsOnly.Seconds, -3.6, 1e-9);

  const DegreesMinutesSeconds positive = DegreesToDMS(12.5125);  // 12 deg 30 min 45 s
  EXPECT_EQ(positive.Degrees, 12);
  EXPECT_EQ(positive.Minutes, 30);
  EXPECT_NEAR(positive.Seconds, 45, 1e-9);
}

TEST(ParabolaThroughThreeSamples, VertexAndRoots) {
  // y = 2x^2 - 1: vertex (0, -1), roots +-sqrt(1/2).
  const Parabola symmetric = QuadraticInterpolation(1, -1, 1);
  EXPECT_NEAR(symmetric.VertexX, 0, 1e-15);
  EXPECT_NEAR(symmetric.VertexY, -1, 1e-15);
  EXPECT_EQ(symmetric.RootCount, 2);
  EXPECT_NEAR(symmetric.Root1, -std::sqrt(0.5), 1e-12);
  EXPECT_NEAR(symmetric.Root2, std::sqrt(0.5), 1e-12);

  // y = (x - 0.5)(x + 3): only 0.5 lies in [-1, 1] and is delivered first.
  const Parabola oneInside = QuadraticInterpolation(-3, -1.5, 2);
  EXPECT_EQ(oneInside.RootCount, 1);
  EXPECT_NEAR(oneInside.Root1, 0.5, 1e-12);
  EXPECT_NEAR(oneInside.VertexX, -1.25, 1e-12);

  // y = 2x^2 + 1 never crosses zero.
  const Parabola noRoots = QuadraticInterpolation(3, 1, 3);
  EXPECT_EQ(noRoots.RootCount, 0);
  EXPECT_NEAR(noRoots.VertexY, 1, 1e-15);
  EXPECT_EQ(noRoots.Root1, 0);
  EXPECT_EQ(noRoots.Root2, 0);
}

TEST(ChebyshevEvaluation, MatchesTheDefiningCosineSum) {
  ChebyshevFit fit;
  fit.Degree = 5;
  fit.IntervalStart = -0.25;
  fit.IntervalEnd = 0.75;
  fit.Coefficients = {3.0, -1.5, 0.25, 2.0, -0.125, 0.5};
  const auto& c = fit.Coefficients;
  // T_j(-1) = (-1)^j and T_j(1) = 1.
  EXPECT_NEAR(EvaluateChebyshev(fit, -0.25), c[0] / 2 - c[1] + c[2] - c[3] + c[4] - c[5], 1e-13);
  EXPECT_NEAR(EvaluateChebyshev(fit, 0.75), c[0] / 2 + c[1] + c[2] + c[3] + c[4] + c[5], 1e-13);
  // Inside the interval, T_j(x) = cos(j arccos x).
  for (double t = -0.2; t < 0.75; t += 0.0937) {
    const double x = (2 * t - 0.5) / 1.0;
    double expected = c[0] / 2;
    for (int j = 1; j <= 5; ++j) expected += c[j] * std::cos(j * std::acos(x));
    EXPECT_NEAR(EvaluateChebyshev(fit, t), expected, 1e-12) << t;
  }
  // Slots above the degree carry no meaning.
  fit.Coefficients[6] = 99;
  EXPECT_NEAR(EvaluateChebyshev(fit, 0.75), c[0] / 2 + c[1] + c[2] + c[3] + c[4] + c[5], 1e-13);
  fit.Degree = 0;
  EXPECT_EQ(EvaluateChebyshev(fit, 0.1), 1.5);
}

}  // namespace
}  // namespace vellmora
