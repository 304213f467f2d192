#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "ephem/matlib.h"
#include "ephem/pnulib.h"
#include "ephem/sphlib.h"

namespace vellmora {
namespace {

constexpr double kRadians = std::numbers::pi / 180;

TEST(EclipticToEquatorialRotation, TurnsAboutTheEquinoxByTheObliquity) {
  Vector3 equinox{2, 0, 0};
  EclipticToEquatorial(equinox, 0.3);
  EXPECT_EQ(equinox.x, 2);
  EXPECT_EQ(equinox.y, 0);
  EXPECT_EQ(equinox.z, 0);

  Vector3 solstice{0, 1, 0};
  EclipticToEquatorial(solstice, 0);
  EXPECT_EQ(solstice.x, 0);
  EXPECT_NEAR(solstice.y, std::cos(23.43929111 * kRadians), 1e-14);
  EXPECT_NEAR(solstice.z, std::sin(23.43929111 * kRadians), 1e-14);

  // One century later the obliquity is 46.815 - 0.00059 + 0.001813 = 46.813777 arcseconds smaller.
  Vector3 pole{0, 0, 1};
  EclipticToEquatorial(pole, 1);
  const double obliquity = 23.43929111 - 46.813777 / 3600;
  EXPECT_NEAR(pole.y, -std::sin(obliquity * kRadians), 1e-12);
  EXPECT_NEAR(pole.z, std::cos(obliquity * kRadians), 1e-12);
}

TEST(Nutation, SmallTurnMatchingTheAlmanac) {
  // At J2000 the nutation in longitude is -13.9" and in obliquity -5.8".
  constexpr double kArcsecondsPerRadian = 206264.8062;
  const double obliquity = 0.4090928;  // radians, at J2000
  Vector3 equinox{1, 0, 0};
  ApplyNutation(equinox, 0);
  const double dpsi = equinox.y / std::cos(obliquity) * kArcsecondsPerRadian;
  EXPECT_NEAR(dpsi, -13.9, 0.3);
  EXPECT_NEAR(equinox.z / std::sin(obliquity) * kArcsecondsPerRadian, dpsi, 1e-6);

  Vector3 solstice{0, 1, 0};
  ApplyNutation(solstice, 0);
  EXPECT_NEAR(solstice.z * kArcsecondsPerRadian, -5.8, 0.3);
  EXPECT_NEAR(-solstice.x / std::cos(obliquity) * kArcsecondsPerRadian, dpsi, 1e-6);

  // Never more than about 20 arcseconds in any component.
  for (double T = -10; T <= 10; T += 0.0137) {
    Vector3 v = PolarToCartesian(1, 17, 290);
    const Vector3 before = v;
    ApplyNutation(v, T);
    ASSERT_LT(std::fabs(v.x - before.x), 2e-4);
    ASSERT_LT(std::fabs(v.y - before.y), 2e-4);
    ASSERT_LT(std::fabs(v.z - before.z), 2e-4);
  }
}

TEST(GeocentricSiteCoordinates, EquatorPoleAndMidLatitude) {
  const SiteCoordinates equator = GeocentricSite(0);
  EXPECT_DOUBLE_EQ(equator.RhoCosPhi, 1);
  EXPECT_DOUBLE_EQ(equator.RhoSinPhi, 0);

  const SiteCoordinates pole = GeocentricSite(90);
  EXPECT_NEAR(pole.RhoCosPhi, 0, 1e-15);
  EXPECT_NEAR(pole.RhoSinPhi, std::sqrt(0.993306), 1e-12);

  // Geocentric latitude: tan(phi') = (1 - e^2) tan(phi); the site lies on the ellipse
  // x^2 + z^2 / (1 - e^2) = 1.
  const SiteCoordinates mid = GeocentricSite(50);
  EXPECT_NEAR(std::atan2(mid.RhoSinPhi, mid.RhoCosPhi), std::atan(0.993306 * std::tan(50 * kRadians)), 1e-12);
  EXPECT_NEAR(mid.RhoCosPhi * mid.RhoCosPhi + mid.RhoSinPhi * mid.RhoSinPhi / 0.993306, 1, 1e-12);
}

}  // namespace
}  // namespace vellmora
