#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "ephem/sunlib.h"

namespace vellmora {
namespace {

constexpr double kRadians = std::numbers::pi / 180;

// The Sun from its mean elements and the equation of the centre only (a short
// textbook theory good to about a hundredth of a degree): true longitude referred to the mean
// equinox of date and distance in AU.
struct KeplerSun {
  double Longitude;
  double Distance;
};

KeplerSun KeplerSunAt(double T) {
  const double meanLongitude = 280.46646 + (36000.76983 + 0.0003032 * T) * T;
  const double meanAnomaly = 357.52911 + (35999.05029 - 0.0001537 * T) * T;
  const double eccentricity = 0.016708634 - (0.000042037 + 0.0000001267 * T) * T;
  const double M = meanAnomaly * kRadians;
  const double centre = (1.914602 - (0.004817 + 0.000014 * T) * T) * std::sin(M) +
                        (0.019993 - 0.000101 * T) * std::sin(2 * M) + 0.000289 * std::sin(3 * M);
  const double trueAnomaly = (meanAnomaly + centre) * kRadians;
  const double distance = 1.000001018 * (1 - eccentricity * eccentricity) / (1 + eccentricity * std::cos(trueAnomaly));
  return {std::fmod(meanLongitude + centre, 360), distance};
}

// Difference of two directions in degrees, in (-180, 180].
double AngleBetween(double a, double b) { return std::remainder(a - b, 360.0); }

TEST(SolarTheory, EclipticPositionAtJ2000) {
  const EclipticPosition sun = SunEclipticCoordinates(0);
  EXPECT_NEAR(sun.Longitude, 280.3775, 5e-5);
  EXPECT_NEAR(sun.Latitude, 0.0002, 5e-5);
  EXPECT_NEAR(sun.Distance, 0.983327, 5e-7);
}

TEST(SolarTheory, LongitudeKeepsTheSignOfItsFraction) {
  // Early in 1949 the argument of the fraction is negative, and so is the longitude
  // (early February, about 317 degrees, i.e. about -43).
  const EclipticPosition february1949 = SunEclipticCoordinates(-0.509);
  EXPECT_LT(february1949.Longitude, 0);
  EXPECT_GT(february1949.Longitude, -45);
  EXPECT_NEAR(AngleBetween(february1949.Longitude, KeplerSunAt(-0.509).Longitude), 0, 0.015);
  EXPECT_NEAR(SunEclipticCoordinates(-0.5).Longitude, 280.0, 0.05);
}

TEST(SolarTheory, FollowsTheKeplerEllipseOverTheCenturies) {
  // From 1000 to 3000 the planetary, lunar and long-period terms, which the ellipse
  // leaves out, add up to at most about 0.012 degrees and 1e-4 AU; the latitude
  // stays within about 1".
  for (double T = -10; T <= 10; T += 0.0731) {
    const EclipticPosition sun = SunEclipticCoordinates(T);
    const KeplerSun kepler = KeplerSunAt(T);
    ASSERT_GT(sun.Longitude, -360);
    ASSERT_LT(sun.Longitude, 360);
    ASSERT_NEAR(AngleBetween(sun.Longitude, kepler.Longitude), 0, 0.015) << T;
    ASSERT_NEAR(sun.Distance, kepler.Distance, 1e-4) << T;
    ASSERT_LT(std::fabs(sun.Latitude), 1.5 / 3600) << T;
  }
}

TEST(SolarTheory, ApparentEquatorialPosition) {
  // 1992 October 13.0 TT: the almanac places the Sun at right ascension
  // 13h 13m 30.749s, declination -7 deg 47' 01.74", 0.99760775 AU.
  const double T = (2448908.5 - 2451545.0) / 36525;
  const EquatorialPosition sun = SunEquatorialCoordinates(T);
  EXPECT_NEAR(sun.RightAscension, (13 + 13 / 60.0 + 30.749 / 3600) * 15, 0.001);
  EXPECT_NEAR(sun.Declination, -(7 + 47 / 60.0 + 1.74 / 3600), 0.001);
  EXPECT_NEAR(sun.Distance, 0.99760775, 5e-6);

  for (double t = -9.95; t < 10; t += 0.487) {
    const EquatorialPosition p = SunEquatorialCoordinates(t);
    ASSERT_GE(p.RightAscension, 0);
    ASSERT_LT(p.RightAscension, 360);
    ASSERT_LT(std::fabs(p.Declination), 23.6);
  }
}

TEST(SolarTheory, CombiningCosinesAndSinesAddsAngles) {
  const long double a = 0.7L;
  const long double b = -2.1L;
  const CosSin sum = CombineCosSin(std::cos(a), std::sin(a), std::cos(b), std::sin(b));
  EXPECT_NEAR(static_cast<double>(sum.c), std::cos(a + b), 1e-15);
  EXPECT_NEAR(static_cast<double>(sum.s), std::sin(a + b), 1e-15);
}

}  // namespace
}  // namespace vellmora
