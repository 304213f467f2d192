#include <gtest/gtest.h>

#include "ephem/timlib.h"

namespace vellmora {
namespace {

TEST(TimeScales, ModifiedJulianDateOfKnownInstants) {
  EXPECT_DOUBLE_EQ(ModifiedJulianDate(1, 1, 2000, 0), 51544);
  EXPECT_DOUBLE_EQ(ModifiedJulianDate(17, 11, 1858, 0), 0);  // the origin of the count
  // Textbook Julian Dates: 1957 October 4.81 is JD 2436116.31, 333 January 27 12h
  // (Julian calendar) is JD 1842713.0.
  EXPECT_NEAR(ModifiedJulianDate(4, 10, 1957, 0.81 * 24), 2436116.31 - 2400000.5, 1e-8);
  EXPECT_DOUBLE_EQ(ModifiedJulianDate(27, 1, 333, 12), 1842713.0 - 2400000.5);
  // The last Julian and the first Gregorian day are consecutive.
  EXPECT_DOUBLE_EQ(ModifiedJulianDate(4, 10, 1582, 0), -100841);
  EXPECT_DOUBLE_EQ(ModifiedJulianDate(15, 10, 1582, 0), -100840);
  // January and February count in the previous year's leap cycle: 2000 is a Gregorian leap year.
  EXPECT_DOUBLE_EQ(ModifiedJulianDate(1, 3, 2000, 0) - ModifiedJulianDate(28, 2, 2000, 0), 2);
  EXPECT_DOUBLE_EQ(ModifiedJulianDate(1, 3, 1900, 0) - ModifiedJulianDate(28, 2, 1900, 0), 1);
  // 1500 is a leap year in the Julian calendar.
  EXPECT_DOUBLE_EQ(ModifiedJulianDate(1, 3, 1500, 0) - ModifiedJulianDate(28, 2, 1500, 0), 2);
}

TEST(TimeScales, CalendarFromModifiedJulianDate) {
  const CalendarInstant noon2000 = CalendarFromMJD(51544.5);
  EXPECT_EQ(noon2000.Day, 1);
  EXPECT_EQ(noon2000.Month, 1);
  EXPECT_EQ(noon2000.Year, 2000);
  EXPECT_NEAR(noon2000.Hours, 12, 1e-9);

  const CalendarInstant firstGregorian = CalendarFromMJD(-100840);
  EXPECT_EQ(firstGregorian.Day, 15);
  EXPECT_EQ(firstGregorian.Month, 10);
  EXPECT_EQ(firstGregorian.Year, 1582);

  const CalendarInstant lastJulian = CalendarFromMJD(-100841);
  EXPECT_EQ(lastJulian.Day, 4);
  EXPECT_EQ(lastJulian.Month, 10);
  EXPECT_EQ(lastJulian.Year, 1582);
}

TEST(TimeScales, CalendarRoundTripOverTheCenturies) {
  // From 1000 to beyond 3000, at irregular steps and times of day.
  for (double mjd = -313700.3; mjd < 415000; mjd += 97.137) {
    const CalendarInstant date = CalendarFromMJD(mjd);
    ASSERT_GE(date.Day, 1);
    ASSERT_LE(date.Day, 31);
    ASSERT_GE(date.Month, 1);
    ASSERT_LE(date.Month, 12);
    ASSERT_GE(date.Hours, 0);
    ASSERT_LT(date.Hours, 24);
    ASSERT_NEAR(ModifiedJulianDate(date.Day, date.Month, date.Year, date.Hours), mjd, 1e-6) << mjd;
  }
}

TEST(TimeScales, LocalMeanSiderealTime) {
  EXPECT_NEAR(LocalSiderealTime(51544.5, 0), 18.697374557, 1e-9);
  // West longitudes subtract, 15 degrees to the hour; the result wraps into [0, 24).
  EXPECT_NEAR(LocalSiderealTime(51544.5, 15), 17.697374557, 1e-9);
  EXPECT_NEAR(LocalSiderealTime(51544.5, -90), 0.697374557, 1e-9);
  // One mean solar day later the sidereal clock is 3 min 56.555 s ahead.
  EXPECT_NEAR(LocalSiderealTime(51545.5, 0) - LocalSiderealTime(51544.5, 0), 236.555 / 3600, 1e-5);
}

TEST(TimeScales, IntegerAndFractionalParts) {
  EXPECT_EQ(IntTowardZero(2.7), 2);
  EXPECT_EQ(IntTowardZero(-2.7), -2);
  EXPECT_NEAR(FracPositive(2.25), 0.25, 1e-15);
  EXPECT_NEAR(FracPositive(-2.25), 0.75, 1e-15);
  EXPECT_EQ(FracPositive(-3), 0);
}

}  // namespace
}  // namespace vellmora
