#include <gtest/gtest.h>

#include <cmath>

#include "catalogue/date_serial.h"
#include "catalogue/moon.h"
#include "catalogue/vsop.h"

namespace vellmora {
namespace {

constexpr double kJ2000Serial = 36526.5;  // 2000-01-01 12h, JD 2451545.0
constexpr long double kArcsecond = 1.0L / 3600;

long double Sexagesimal(long double whole, long double minutes, long double seconds) {
  return whole + minutes / 60 + seconds / 3600;
}

TEST(Nutation, MatchesTheIau1980SeriesAtKnownInstants) {
  // At J2000.0: nutation in longitude -13.92", true obliquity 84381.448" - 5.77".
  const NutationObliquity j2000 = NutationAndObliquity(kJ2000Serial);
  EXPECT_NEAR(j2000.NutationInLongitude / kArcsecond, -13.92L, 0.005L);
  EXPECT_NEAR(j2000.TrueObliquity, 23.437687L, 2e-6L);

  // 1987-04-10 0h TD, a published worked example computed with the full
  // series: -3.788" and 23 deg 26' 36.850". The 32nd and
  // smaller terms left out here add up to a few hundredths of an arcsecond.
  const NutationObliquity april1987 = NutationAndObliquity(EncodeDate(1987, 4, 10));
  EXPECT_NEAR(april1987.NutationInLongitude / kArcsecond, -3.788L, 0.05L);
  EXPECT_NEAR(april1987.TrueObliquity, Sexagesimal(23, 26, 36.850L), 0.05L * kArcsecond);
}

TEST(SiderealTime, ApparentGreenwichTimeOfAKnownInstant) {
  // 1987-04-10 0h UT: apparent sidereal time 13h 10m 46.1351s (published),
  // i.e. the mean 13h 10m 46.3668s plus the equation of the equinoxes.
  const long double expected = Sexagesimal(13, 10, 46.1351L) * 15;
  EXPECT_NEAR(ApparentSiderealTime(EncodeDate(1987, 4, 10)), expected, 0.005L * 15 * kArcsecond);
  // One mean solar day later the stars have gained about 3m 56.56s.
  const long double nextDay = ApparentSiderealTime(EncodeDate(1987, 4, 11));
  EXPECT_NEAR(nextDay - ApparentSiderealTime(EncodeDate(1987, 4, 10)), 236.555L / 240, 0.001L);
  // Always reduced into one turn.
  for (double serial = -300000; serial < 400000; serial += 12345.678) {
    const long double theta = ApparentSiderealTime(serial);
    EXPECT_GE(theta, 0);
    EXPECT_LT(theta, 360);
  }
}

TEST(SunApparentPosition, MatchesTheCompleteTheoryOfAWorkedExample) {
  // 1992-10-13 0h TD, a published example from the complete VSOP87: apparent
  // longitude 199 deg 54' 21.818", right ascension 13h 13m 30.749s, declination
  // -7 deg 47' 01.74", distance 0.99760853 AU. The shortened nutation and the
  // second FK5 shift move these by a fraction of an arcsecond, the distance
  // (published to 1e-8 AU, 1.5 km) by a few kilometres at most.
  const SunPositionRecord sun = SunApparentPosition(EncodeDate(1992, 10, 13));
  EXPECT_NEAR(sun.Longitude, Sexagesimal(199, 54, 21.818L), 0.5L * kArcsecond);
  EXPECT_NEAR(sun.RightAscension, Sexagesimal(13, 13, 30.749L) * 15 - 360, 0.5L * kArcsecond);
  EXPECT_NEAR(sun.Declination, -Sexagesimal(7, 47, 1.74L), 0.5L * kArcsecond);
  EXPECT_NEAR(sun.Latitude, 0.72L * kArcsecond, 0.2L * kArcsecond);
  EXPECT_NEAR(sun.DistanceKm, 0.99760853L * 149597869, 3);
}

// The low-accuracy solar theory (geometric mean longitude, equation of the
// centre, aberration and nutation by one term), good to about
// 0.01 degree near 2000, as an independent check of the full computation.
long double LowAccuracyApparentLongitude(double serial) {
  const long double T = (serial - 36526.5L) / 36525;
  const long double meanLongitude = 280.46646L + 36000.76983L * T + 0.0003032L * T * T;
  const long double meanAnomaly = (357.52911L + 35999.05029L * T - 0.0001537L * T * T) * kPi / 180;
  const long double centre = (1.914602L - 0.004817L * T - 0.000014L * T * T) * std::sin(meanAnomaly) +
                             (0.019993L - 0.000101L * T) * std::sin(2 * meanAnomaly) +
                             0.000289L * std::sin(3 * meanAnomaly);
  const long double omega = (125.04L - 1934.136L * T) * kPi / 180;
  const long double longitude = meanLongitude + centre - 0.00569L - 0.00478L * std::sin(omega);
  return longitude - 360 * std::floor(longitude / 360);
}

TEST(SunApparentPosition, FollowsTheLowAccuracyTheoryAcrossTheCenturies) {
  for (int year = 1800; year <= 2200; year += 23) {
    for (int month = 1; month <= 12; month += 5) {
      SCOPED_TRACE(testing::Message() << year << "-" << month);
      const double serial = EncodeDate(year, month, 7) + 0.3;
      const SunPositionRecord sun = SunApparentPosition(serial);
      long double difference = sun.Longitude - LowAccuracyApparentLongitude(serial);
      difference -= 360 * std::nearbyint(difference / 360);
      EXPECT_NEAR(difference, 0, 0.01L);
      EXPECT_GE(sun.Longitude, 0);
      EXPECT_LT(sun.Longitude, 360);
      EXPECT_NEAR(sun.Latitude, 0, 1.5L * kArcsecond);  // the Sun stays within about 1" of the ecliptic
      EXPECT_GT(sun.DistanceKm, 147.0e6L);
      EXPECT_LT(sun.DistanceKm, 152.2e6L);
    }
  }
}

TEST(HorizontalPosition, SunOnTheLocalMeridianCulminatesAtNinetyMinusLatitudeLessDeclination) {
  const double serials[] = {EncodeDate(2024, 6, 21), EncodeDate(2024, 12, 21) + 0.5, EncodeDate(1066, 3, 1) + 0.25,
                            EncodeDate(2999, 9, 30) + 0.75};
  const long double latitudes[] = {50.83L, -33.87L, 0, 23.0L, -60.5L, 89.0L};
  for (const double serial : serials) {
    const SunPositionRecord apparent = SunApparentPosition(serial);
    // The west longitude at which the Sun's hour angle is 0 at this instant.
    const long double meridianWest = ApparentSiderealTime(serial) - apparent.RightAscension;
    for (const long double latitude : latitudes) {
      SCOPED_TRACE(testing::Message() << "serial " << serial << ", latitude " << latitude);
      SunPositionRecord sun = apparent;
      EquatorialToHorizontal(sun, latitude, meridianWest, serial);
      const long double declination = apparent.Declination;
      EXPECT_NEAR(sun.Altitude, 90 - std::fabs(latitude - declination), 1e-9L);
      EXPECT_NEAR(sun.Azimuth, latitude > declination ? 0 : 180, 1e-9L);
      const HorizontalPosition direct = SunHorizontalPosition(serial, meridianWest, latitude);
      EXPECT_EQ(direct.Altitude, sun.Altitude);
      EXPECT_EQ(direct.Azimuth, sun.Azimuth);
    }
  }
}

TEST(HorizontalPosition, SunAtChemnitzByDayAndByNight) {
  const long double latitude = 50.83L;
  const long double longitudeWest = -12.92L;
  // Local noon on 21.06.2024 (11:10 UT): 90 - 50.83 + 23.44 = 62.61 degrees, due south.
  const HorizontalPosition noon =
      SunHorizontalPosition(InstantToDateSerial(2024, 6, 21, 11 + 10 / 60.0), longitudeWest, latitude);
  EXPECT_NEAR(noon.Altitude, 62.6L, 0.05L);
  EXPECT_NEAR(noon.Azimuth, 0, 0.5L);
  // Twelve hours later the Sun passes below the pole: 50.83 + 23.44 - 90 = -15.73 degrees, due north.
  const HorizontalPosition midnight =
      SunHorizontalPosition(InstantToDateSerial(2024, 6, 21, 23 + 10 / 60.0), longitudeWest, latitude);
  EXPECT_LT(midnight.Altitude, 0);
  EXPECT_NEAR(midnight.Altitude, -15.73L, 0.05L);
  EXPECT_NEAR(std::fabs(midnight.Azimuth), 180, 0.5L);
  // Six hours after noon the Sun is in the west (positive azimuth), in the morning in the east.
  EXPECT_GT(SunHorizontalPosition(InstantToDateSerial(2024, 6, 21, 17.2), longitudeWest, latitude).Azimuth, 0);
  EXPECT_LT(SunHorizontalPosition(InstantToDateSerial(2024, 6, 21, 5.2), longitudeWest, latitude).Azimuth, 0);
}

TEST(HorizontalPosition, BodyAtTheZenithOrThePoleGivesNinetyDegreesNotNaN) {
  const double serial = EncodeDate(2024, 3, 20) + 0.5;
  const long double siderealTime = ApparentSiderealTime(serial);
  int altitudeArgumentsAboveOne = 0;
  for (long double latitude = -89.5L; latitude < 90; latitude += 0.731L) {
    SCOPED_TRACE(latitude);
    // A body on the meridian (hour angle exactly 0) whose declination equals the latitude.
    SunPositionRecord body{};
    body.RightAscension = siderealTime;
    body.Declination = latitude;
    EquatorialToHorizontal(body, latitude, 0, serial);
    EXPECT_NEAR(body.Altitude, 90, 1e-6L);
    if (SinDegrees(latitude) * SinDegrees(latitude) + CosDegrees(latitude) * CosDegrees(latitude) > 1) {
      ++altitudeArgumentsAboveOne;
    }
  }
  // Rounding pushes the arcsine argument past 1 for some of these latitudes.
  EXPECT_GT(altitudeArgumentsAboveOne, 0);

  // Ecliptic latitude 90 - obliquity at longitude 90 lies on the celestial pole.
  int declinationArgumentsAboveOne = 0;
  for (double instant = EncodeDate(1000, 1, 1); instant < EncodeDate(3000, 1, 1); instant += 7777.7) {
    SCOPED_TRACE(instant);
    const NutationObliquity nutation = NutationAndObliquity(instant);
    SunPositionRecord body{};
    body.Longitude = 90 - nutation.NutationInLongitude;
    body.Latitude = 90 - nutation.TrueObliquity;
    EclipticToEquatorialOfDate(body, instant);
    EXPECT_NEAR(body.Declination, 90, 1e-6L);
    const long double lambda = body.Longitude;
    const long double epsilon = nutation.TrueObliquity;
    if (SinDegrees(body.Latitude) * CosDegrees(epsilon) +
            CosDegrees(body.Latitude) * SinDegrees(epsilon) * SinDegrees(lambda) >
        1) {
      ++declinationArgumentsAboveOne;
    }
  }
  EXPECT_GT(declinationArgumentsAboveOne, 0);
}

}  // namespace
}  // namespace vellmora
