#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "ephem/moolib.h"

namespace vellmora {
namespace {

TEST(LunarTheory, EclipticPositionAtJ2000) {
  const EclipticPosition moon = MoonEclipticCoordinates(0);
  EXPECT_NEAR(moon.Longitude, 223.3189, 5e-5);
  EXPECT_NEAR(moon.Latitude, 5.1709, 5e-5);
  EXPECT_NEAR(moon.Distance, 63.0965, 5e-5);
}

TEST(LunarTheory, LongitudeKeepsTheSignOfItsFraction) {
  // 1992 April 12, 0h TT: the direction of 133.1620 degrees, written as -226.8380.
  const EclipticPosition moon = MoonEclipticCoordinates(-0.0772210814);
  EXPECT_NEAR(moon.Longitude, -226.8380, 5e-5);
  EXPECT_NEAR(moon.Latitude, -3.2294, 5e-5);
  EXPECT_NEAR(moon.Distance, 57.759, 5e-4);
}

TEST(LunarTheory, ApparentEquatorialPositionMatchesTheAlmanac) {
  // 1992 April 12, 0h TT from the full lunar theory: right ascension 134.688470,
  // declination 13.768368 degrees, distance 368409.7 km (6378.14 km to the Earth radius).
  const EquatorialPosition moon = MoonEquatorialCoordinates(-0.0772210814);
  EXPECT_NEAR(moon.RightAscension, 134.688470, 0.002);
  EXPECT_NEAR(moon.Declination, 13.768368, 0.002);
  EXPECT_NEAR(moon.Distance, 368409.7 / 6378.14, 0.005);
}

TEST(LunarTheory, DistanceBetweenPerigeeAndApogee) {
  // 2000 to 2008 in steps of 2.4 hours: the extreme perigees and apogees of the
  // period lie near 55.9 and 63.8 Earth radii.
  double nearest = 1e9;
  double farthest = 0;
  const double start = 0;
  const double end = 8 / 100.0;  // eight Julian years
  for (double T = start; T <= end; T += 0.1 / 36525) {
    const double distance = MoonEclipticCoordinates(T).Distance;
    nearest = std::min(nearest, distance);
    farthest = std::max(farthest, distance);
  }
  EXPECT_GT(nearest, 55.85);
  EXPECT_LT(nearest, 56.0);
  EXPECT_GT(farthest, 63.7);
  EXPECT_LT(farthest, 63.85);
}

TEST(LunarTheory, EquatorialCoordinatesStayInRange) {
  for (double T = -9.97; T < 10; T += 0.0613) {
    const EquatorialPosition moon = MoonEquatorialCoordinates(T);
    ASSERT_GE(moon.RightAscension, 0) << T;
    ASSERT_LT(moon.RightAscension, 360) << T;
    // Obliquity plus the inclination of the orbit.
    ASSERT_LT(std::fabs(moon.Declination), 23.44 + 5.3) << T;
    ASSERT_GT(moon.Distance, 55.7) << T;
    ASSERT_LT(moon.Distance, 64.0) << T;
  }
}

TEST(LunarTheory, SeriesStateFromMeanArguments) {
  const double T = 0.123;
  const LunarLongPeriodicCorrections corrections = LunarLongPeriodicTerms(T);
  // The corrections are a few arcseconds; the elongation correction is the difference of two others.
  EXPECT_LT(std::fabs(static_cast<double>(corrections.DeltaL0)), 24);
  EXPECT_DOUBLE_EQ(static_cast<double>(corrections.DeltaD),
                   static_cast<double>(corrections.DeltaL0 - corrections.DeltaLS));
  EXPECT_LT(std::fabs(static_cast<double>(corrections.DeltaGamma)), 4e-6);

  LunarSeriesState state = LunarMeanArguments(T, corrections);
  EXPECT_EQ(state.SumP, 3422.7L);
  EXPECT_EQ(state.SumL, 0);
  // Multiple 2 of D is the double angle; negative multiples mirror the positive ones.
  const int two = kLunarMaxMultiple + 2;
  EXPECT_NEAR(static_cast<double>(state.tc[ArgumentD][two]), std::cos(2 * static_cast<double>(state.D)), 1e-14);
  EXPECT_NEAR(static_cast<double>(state.ts[ArgumentD][kLunarMaxMultiple - 2]),
              -std::sin(2 * static_cast<double>(state.D)), 1e-14);
  // The anomaly of the Moon carries its scale factor once per multiple.
  EXPECT_NEAR(static_cast<double>(state.tc[ArgumentL][two]),
              1.000002208 * 1.000002208 * std::cos(2 * static_cast<double>(state.L)), 1e-14);

  // A term in L - D adds CL sin(L - D) to the longitude and CP cos(L - D) to the parallax.
  AddSolarTerm(state, 2.0L, 0, 0, 3.0L, 1, 0, 0, -1);
  const double angle = static_cast<double>(state.L - state.D);
  EXPECT_NEAR(static_cast<double>(state.SumL), 2 * 1.000002208 * std::sin(angle), 1e-12);
  EXPECT_NEAR(static_cast<double>(state.SumP), 3422.7 + 3 * 1.000002208 * std::cos(angle), 1e-11);

  AddLatitudeTerm(state, -5.0L, 0, 1, 1, 0);
  const double g = 0.997504612 - 0.002495388 * T;
  const double f = 1.000002708 + 139.978 * static_cast<double>(corrections.DeltaGamma);
  EXPECT_NEAR(static_cast<double>(state.SumN), -5 * g * f * std::sin(static_cast<double>(state.LS + state.F)), 1e-12);
}

TEST(LunarTheory, SineOfRevolutions) {
  EXPECT_NEAR(static_cast<double>(SineOfRevolutions(0.25L)), 1, 1e-15);
  EXPECT_NEAR(static_cast<double>(SineOfRevolutions(-3.75L)), 1, 1e-15);
  // 2 pi is written to ten digits, which shows at 1e-10 an eighth of a turn on.
  EXPECT_NEAR(static_cast<double>(SineOfRevolutions(1000.125L)), std::sqrt(0.5), 1e-9);
  EXPECT_NEAR(static_cast<double>(SineOfRevolutions(-0.125L)), -std::sqrt(0.5), 1e-9);
}

}  // namespace
}  // namespace vellmora
