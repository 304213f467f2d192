#include "ephem/precise_positions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "ephem/elpmpp02.h"
#include "ephem/precession_nutation.h"

namespace vellmora {
namespace {

constexpr double kArcsecondsPerRadian = 206264.80624709636;

// The Moon's geocentric coordinates, mean ecliptic and equinox of J2000, km,
// from the implementation notes of ELP/MPP02 (constants fitted to DE405/DE406).
struct MoonReference {
  double julianDate;
  double x, y, z;
};
constexpr MoonReference kMoonReferences[] = {
    {2521835.67, -184108.21468, 345893.25529, 30395.06868}, {2265621.33, -298024.37832, -213909.67132, -23263.21426},
    {2009406.99, 350041.24745, -201093.28987, 1643.33539},  {1753192.65, 90272.39894, 351997.39617, 13417.01712},
    {1496978.31, -403018.01560, -2639.93889, -28463.89733},
};

double Centuries(double julianDate) { return (julianDate - 2451545) / 36525; }

TEST(PreciseMoon, WholeSeriesGivesThePublishedCoordinates) {
  for (const MoonReference& r : kMoonReferences) {
    const Vector3 moon = MoonPositionJ2000(Centuries(r.julianDate), LunarSeriesExtent::Full);
    EXPECT_NEAR(moon.x, r.x, 3e-5) << r.julianDate;
    EXPECT_NEAR(moon.y, r.y, 3e-5) << r.julianDate;
    EXPECT_NEAR(moon.z, r.z, 3e-5) << r.julianDate;
  }
}

// The truncated series stays within 0.05" of the whole one (and within the
// same angle, 0.1 km, in distance) over 1000-3000.
TEST(PreciseMoon, TruncatedSeriesStaysWithinTheStatedAccuracy) {
  double largestAngle = 0;
  double largestDistance = 0;
  constexpr int kSamples = 400;
  for (int i = 0; i < kSamples; ++i) {
    // Spread over -10..10 centuries, off any regular period.
    const double T = -10 + 20 * std::fmod(i * 0.6180339887498949, 1.0);
    const Vector3 full = MoonPositionJ2000(T, LunarSeriesExtent::Full);
    const Vector3 cut = MoonPositionJ2000(T, LunarSeriesExtent::Truncated);
    const double r = VectorNorm(full);
    const Vector3 across = CrossProduct(full, cut);
    largestAngle = std::max(largestAngle, VectorNorm(across) / (r * VectorNorm(cut)) * kArcsecondsPerRadian);
    largestDistance = std::max(largestDistance, std::abs(VectorNorm(cut) - r));
  }
  std::printf("truncated lunar series: largest difference %.4f\" in direction, %.4f km in distance\n", largestAngle,
              largestDistance);
  EXPECT_LT(largestAngle, 0.05);
  EXPECT_LT(largestDistance, 0.1);
}

// The apparent Sun of a published example from the complete VSOP87, 1992
// October 13 0h TD: right ascension 13h 13m 30.749s, declination -7 deg 47'
// 01.74" (with the nutation of 1980 and the FK5 frame, which differ from
// the models here by about 0.1").
TEST(PreciseSun, MatchesAWorkedExampleOfTheCompleteTheory) {
  const double T = (2448908.5 - 2451545) / 36525;
  const EquatorialPosition sun = PreciseSunEquatorial(T);
  const double rightAscension = sun.RightAscension + TrueEquatorAt(T).EquationOfEquinoxes * 180 / std::numbers::pi;
  const double published = (13 + 13 / 60.0 + 30.749 / 3600) * 15;
  EXPECT_NEAR((rightAscension - published) * 3600 * std::cos(sun.Declination * std::numbers::pi / 180), 0, 0.15);
  EXPECT_NEAR((sun.Declination + (7 + 47 / 60.0 + 1.74 / 3600)) * 3600, 0, 0.15);
  EXPECT_NEAR(sun.Distance, 0.99760853, 2e-8);
}

// IAU 2000B nutation at MJD 53736 TT, and the obliquity of the long-term
// precession beside that of IAU 2006 (84381.406" - 46.836769" T) near J2000.
TEST(PreciseFrame, NutationAndObliquityMatchTheirModels) {
  const NutationAngles nutation = Nutation((53736 - 51544.5) / 36525);
  EXPECT_NEAR(nutation.Longitude, -0.9632552291148362783e-5, 1e-12);
  EXPECT_NEAR(nutation.Obliquity, 0.4063197106621159367e-4, 1e-12);
  EXPECT_NEAR(MeanObliquity(0) * kArcsecondsPerRadian, 84381.406, 0.001);
  EXPECT_NEAR(MeanObliquity(1) * kArcsecondsPerRadian, 84381.406 - 46.836769, 0.05);
}

}  // namespace
}  // namespace vellmora
