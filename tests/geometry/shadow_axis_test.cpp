#include "geometry/shadow_axis.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vellmora {
namespace {

constexpr double kSunDistance = 23455;  // Earth radii, about 1 AU

EquatorialPosition SunOnXAxis() { return {0, 0, kSunDistance}; }

// The Moon at `distance` in the equator plane, turned in right ascension so
// that the line from the Sun (on the x axis) through the Moon passes the
// Earth's centre at `axisDistance`: axisDistance = R d sin(a) / |S - M|.
EquatorialPosition MoonWithAxisAt(double axisDistance, double distance) {
  double angle = 0;
  for (int i = 0; i < 20; ++i) {
    const double sunToMoon =
        std::sqrt(kSunDistance * kSunDistance + distance * distance - 2 * kSunDistance * distance * std::cos(angle));
    angle = std::asin(axisDistance * sunToMoon / (kSunDistance * distance));
  }
  return {angle * 180 / M_PI, 0, distance};
}

TEST(ShadowAxis, AxisThroughTheCentreMeetsTheSubsolarPoint) {
  // Moon 60 Earth radii sunward: 23395 radii from the Sun, 59 from the ground
  // point (1, 0, 0). Umbra diameter 217.705 s / D - 0.545 by hand:
  // s = 60 on the plane: 0.558337 - 0.545; s = 59 on the ground: 0.549032 - 0.545.
  const ShadowAxis annular = ShadowAxisIntersection({0, 0, 60}, SunOnXAxis());
  EXPECT_EQ(annular.Class, ShadowClass::CentralAnnular);
  EXPECT_NEAR(annular.Axis.x, -1, 1e-12);
  EXPECT_NEAR(annular.Axis.y, 0, 1e-12);
  EXPECT_NEAR(annular.SurfacePoint.x, 1, 1e-9);
  EXPECT_NEAR(annular.SurfacePoint.y, 0, 1e-9);
  EXPECT_NEAR(annular.SurfacePoint.z, 0, 1e-9);
  EXPECT_NEAR(annular.Umbra, 0.013337, 1e-6);
  EXPECT_NEAR(annular.Penumbra, 1.106133, 1e-6);
  EXPECT_NEAR(annular.SurfaceUmbra, 0.004032, 1e-6);

  // At 57 radii the umbra reaches 56 radii down to the ground: total there.
  const ShadowAxis total = ShadowAxisIntersection({0, 0, 57}, SunOnXAxis());
  EXPECT_EQ(total.Class, ShadowClass::CentralTotal);
  EXPECT_NEAR(total.Umbra, -0.014648, 1e-6);
  EXPECT_NEAR(total.SurfaceUmbra, -0.023952, 1e-6);
}

TEST(ShadowAxis, GroundPointLiesOnTheFlattenedEarth) {
  // Sun and Moon straight above the north pole: the axis meets the pole at the
  // polar radius 0.996633.
  const ShadowAxis polar = ShadowAxisIntersection({123, 90, 60}, {45, 90, kSunDistance});
  ASSERT_TRUE(IsCentral(polar.Class));
  EXPECT_NEAR(polar.SurfacePoint.x, 0, 1e-9);
  EXPECT_NEAR(polar.SurfacePoint.y, 0, 1e-9);
  EXPECT_NEAR(polar.SurfacePoint.z, 0.996633, 1e-9);

  // A slanting axis: the ground point satisfies x^2 + y^2 + (z / 0.996633)^2 = 1.
  const ShadowAxis slant = ShadowAxisIntersection({10.3, 40.2, 58}, {10, 40, kSunDistance});
  ASSERT_TRUE(IsCentral(slant.Class));
  const Vector3& p = slant.SurfacePoint;
  EXPECT_NEAR(p.x * p.x + p.y * p.y + std::pow(p.z / 0.996633, 2), 1, 1e-12);
  // The nearer of the two intersections: the one facing the Sun.
  EXPECT_GT(p.x * std::cos(10 * M_PI / 180) + p.y * std::sin(10 * M_PI / 180), 0);
}

TEST(ShadowAxis, ClassesByTheAxisDistanceFromTheCentre) {
  // At 60 radii the antumbra's diameter is +0.0133 (edge at 1.0067) and the
  // penumbra's 1.106 (edge at 1.553); at 57 radii the umbra's is -0.0146
  // (edge at 1.0073).
  EXPECT_EQ(ShadowAxisIntersection(MoonWithAxisAt(0.6, 60), SunOnXAxis()).Class, ShadowClass::CentralAnnular);
  EXPECT_EQ(ShadowAxisIntersection(MoonWithAxisAt(0.99, 57), SunOnXAxis()).Class, ShadowClass::CentralTotal);
  EXPECT_EQ(ShadowAxisIntersection(MoonWithAxisAt(1.003, 60), SunOnXAxis()).Class, ShadowClass::NonCentralAnnular);
  EXPECT_EQ(ShadowAxisIntersection(MoonWithAxisAt(1.005, 57), SunOnXAxis()).Class, ShadowClass::NonCentralTotal);
  EXPECT_EQ(ShadowAxisIntersection(MoonWithAxisAt(1.2, 60), SunOnXAxis()).Class, ShadowClass::PartialOnly);
  EXPECT_EQ(ShadowAxisIntersection(MoonWithAxisAt(1.2, 57), SunOnXAxis()).Class, ShadowClass::PartialOnly);
  EXPECT_EQ(ShadowAxisIntersection(MoonWithAxisAt(1.6, 60), SunOnXAxis()).Class, ShadowClass::NoEclipse);
  EXPECT_FALSE(IsCentral(ShadowClass::NonCentralTotal));
  EXPECT_TRUE(IsCentral(ShadowClass::CentralAnnular));
}

}  // namespace
}  // namespace vellmora
