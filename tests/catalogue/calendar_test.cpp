#include <gtest/gtest.h>

#include "catalogue/angles.h"
#include "catalogue/moon.h"

namespace vellmora {
namespace {

TEST(AngleHelpers, ReduceIntoOneTurnAndKeepQuadrants) {
  EXPECT_NEAR(NormalizeDegrees(-30), 330, 1e-12);
  EXPECT_NEAR(NormalizeDegrees(360), 0, 1e-12);
  EXPECT_NEAR(NormalizeDegrees(720.5L), 0.5L, 1e-12);
  EXPECT_NEAR(NormalizeDegrees(180), 180, 1e-12);
  EXPECT_NEAR(NormalizeDegrees(-180), 180, 1e-12);
  EXPECT_NEAR(NormalizeDegrees(540), 180, 1e-12);
  EXPECT_NEAR(SinDegrees(390), SinDegrees(30), 1e-15);
  EXPECT_NEAR(SinDegrees(30), 0.5L, 1e-15);
  EXPECT_NEAR(ArcTan2Degrees(1, -1), 135, 1e-12);
  EXPECT_NEAR(ArcTan2Degrees(-1, -1), -135, 1e-12);
  EXPECT_NEAR(ArcSinDegrees(1), 90, 1e-12);
  EXPECT_NEAR(TanDegrees(405), 1, 1e-15);
}

TEST(CalendarToJulianDate, SwitchesCalendarsAtOctober1582) {
  EXPECT_EQ(CalendarToJD(2000, 1, 1), 2451544.5L);
  EXPECT_EQ(CalendarToJD(1582, 10, 15), 2299160.5L);
  EXPECT_EQ(CalendarToJD(1582, 10, 4), 2299159.5L);
  EXPECT_EQ(CalendarToJD(1957, 10, 4), 2436115.5L);
  EXPECT_EQ(CalendarToJD(1899, 12, 30), 2415018.5L);
  // The ten days that never were are read as Gregorian dates.
  EXPECT_EQ(CalendarToJD(1582, 10, 10), 2299155.5L);
  // Year 1000 in the Julian calendar: 1000-01-01 is JD 2086307.5.
  EXPECT_EQ(CalendarToJD(1000, 1, 1), 2086307.5L);
}

TEST(CalendarToJulianDate, RefusesImpossibleDaysButNotOutOfRangeYears) {
  EXPECT_NO_THROW(CalendarToJD(1500, 2, 29));
  EXPECT_NO_THROW(CalendarToJD(2000, 2, 29));
  EXPECT_NO_THROW(CalendarToJD(2024, 2, 29));
  for (const auto [year, month, day] : {std::array{1900, 2, 29},
                                        {2100, 2, 29},
                                        {2023, 2, 29},
                                        {2024, 2, 30},
                                        {2024, 4, 31},
                                        {2024, 1, 0},
                                        {2024, 12, 32}}) {
    try {
      CalendarToJD(static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(month),
                   static_cast<std::uint16_t>(day));
      ADD_FAILURE() << year << "-" << month << "-" << day << " was accepted";
    } catch (const EConvertError& error) {
      EXPECT_STREQ(error.what(), "Fehler!");
    }
  }
  EXPECT_EQ(CalendarToJD(0, 1, 1), 0.0L);
  EXPECT_EQ(CalendarToJD(10000, 1, 1), 0.0L);
}

TEST(JulianDateToCalendar, GivesTheDateThatContainsTheInstant) {
  std::int16_t y = 0, m = 0, d = 0;
  JDToCalendar(2299160.5L, y, m, d);
  EXPECT_EQ((std::array{y, m, d}), (std::array<std::int16_t, 3>{1582, 10, 15}));
  JDToCalendar(2299160.0L, y, m, d);
  EXPECT_EQ((std::array{y, m, d}), (std::array<std::int16_t, 3>{1582, 10, 4}));
  JDToCalendar(2451545.0L, y, m, d);
  EXPECT_EQ((std::array{y, m, d}), (std::array<std::int16_t, 3>{2000, 1, 1}));
  // A negative JD leaves the Julian outputs as they were.
  JDToJulianCalendar(-5, y, m, d);
  EXPECT_EQ((std::array{y, m, d}), (std::array<std::int16_t, 3>{2000, 1, 1}));
}

TEST(JulianDateToCalendar, RoundTripsEveryDayOfTheProgramsRange) {
  for (long double jd = CalendarToJD(1000, 1, 1); jd < CalendarToJD(3001, 1, 1); jd += 1) {
    std::int16_t y = 0, m = 0, d = 0;
    JDToCalendar(jd, y, m, d);
    ASSERT_EQ(CalendarToJD(static_cast<std::uint16_t>(y), static_cast<std::uint16_t>(m), static_cast<std::uint16_t>(d)),
              jd);
  }
}

TEST(DateSerial, AgreesWithJulianDates) {
  // The fixed serials are those of the calendar functions.
  EXPECT_EQ(DateSerialOffset, 2451544.5L - EncodeDate(2000, 1, 1));
  EXPECT_EQ(Serial2000, CalendarToDateSerial(2000, 1, 1));
  EXPECT_EQ(DateSerialToJD(36526.5), 2451545.0L);
  EXPECT_EQ(JDToDateSerial(2451544.5L), 36526.0);
  EXPECT_EQ(EncodeDate(2000, 1, 1), 36526.0);
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
  const CivilDate before = DecodeDate(-0.25);
  EXPECT_EQ((std::array{before.Year, before.Month, before.Day}), (std::array{1899, 12, 29}));
  EXPECT_DOUBLE_EQ(TimeOfDay(-0.25), 0.75);
  // A Julian-calendar instant: 1000-01-01 12h Julian is JD 2086308.
  EXPECT_DOUBLE_EQ(InstantToDateSerial(1000, 1, 1, 12), static_cast<double>(2086308.0L - DateSerialOffset));
}

TEST(DateSerial, EncodingRefusesYearsOutsideOneTo9999) {
  for (const int year : {0, -5, 10000}) {
    try {
      EncodeDate(year, 1, 1);
      ADD_FAILURE() << year << " was encoded";
    } catch (const EConvertError& error) {
      EXPECT_STREQ(error.what(), "Invalid argument to date encode");
    }
  }
  EXPECT_NO_THROW(EncodeDate(1, 1, 1));
  EXPECT_NO_THROW(EncodeDate(9999, 12, 31));
}

}  // namespace
}  // namespace vellmora
