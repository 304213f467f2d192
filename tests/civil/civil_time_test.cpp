#include <gtest/gtest.h>

#include <string>

#include "civil/civil_clock.h"
#include "civil/iso_time.h"
#include "civil/solar_time.h"
#include "ephem/timlib.h"

namespace vellmora {
namespace {

// An instant of UT, Gregorian calendar (all dates here are after 1582).
double At(int year, int month, int day, double hours) {
  return CenturiesFromMJD(ModifiedJulianDate(day, month, year, hours));
}

struct ClockCase {
  const char* Zone;
  int Year, Month, Day;
  double Hours;  // UT
  long OffsetSeconds;
  bool SummerTime;
  bool LocalMeanTime;
  const char* GermanName;
};

// Offsets from the tz database: daylight time in both hemispheres, zones whose
// offset changed in the 20th century, local mean time before standard time,
// and summer time going on after the zone files' last transition (2037).
const ClockCase kClocks[] = {
    {"America/Chicago", 2024, 4, 8, 18.68, -5 * 3600, true, false, ""},    // Dallas, second contact
    {"Europe/Berlin", 2026, 8, 12, 18.58, 2 * 3600, true, false, "MESZ"},  // Chemnitz, sunset
    {"Europe/Berlin", 2026, 12, 1, 12, 3600, false, false, "MEZ"},
    {"Australia/Sydney", 2028, 1, 26, 3, 11 * 3600, true, false, ""},
    {"Australia/Sydney", 2028, 7, 22, 3, 10 * 3600, false, false, ""},
    {"America/Mazatlan", 2024, 4, 8, 18.3, -7 * 3600, false, false, ""},  // no summer time since 2022
    {"Asia/Kathmandu", 1980, 6, 1, 6, 5 * 3600 + 1800, false, false, ""},
    {"Asia/Kathmandu", 2000, 6, 1, 6, 5 * 3600 + 2700, false, false, ""},
    {"Europe/Berlin", 1945, 6, 15, 12, 3 * 3600, true, false, ""},  // double summer time
    {"Europe/Berlin", 1887, 8, 19, 5, 3208, false, true, ""},       // before 1893: mean time of Berlin
    {"Europe/Berlin", 2999, 3, 31, 0.98, 3600, false, false, "MEZ"},
    {"Europe/Berlin", 2999, 3, 31, 1.02, 2 * 3600, true, false, "MESZ"},
    {"Europe/Berlin", 2999, 10, 27, 0.98, 2 * 3600, true, false, "MESZ"},
    {"Europe/Berlin", 2999, 10, 27, 1.02, 3600, false, false, "MEZ"},
    {"Australia/Sydney", 2500, 7, 15, 0, 10 * 3600, false, false, ""},
    {"Australia/Sydney", 2500, 12, 15, 0, 11 * 3600, true, false, ""},
    {"Asia/Tokyo", 2900, 7, 15, 0, 9 * 3600, false, false, ""},
};

TEST(CivilClock, OffsetsOfTheTzDatabase) {
  for (const ClockCase& c : kClocks) {
    const CivilClock clock = CivilClockAt(c.Zone, At(c.Year, c.Month, c.Day, c.Hours));
    const std::string where = std::string(c.Zone) + " " + std::to_string(c.Year) + "-" + std::to_string(c.Month);
    EXPECT_EQ(clock.OffsetSeconds, c.OffsetSeconds) << where;
    EXPECT_EQ(clock.SummerTime, c.SummerTime) << where;
    EXPECT_EQ(clock.LocalMeanTime, c.LocalMeanTime) << where;
    EXPECT_EQ(clock.GermanName, c.GermanName) << where;
  }
}

TEST(CivilClock, UnknownZones) {
  EXPECT_TRUE(IsKnownTimeZone("America/Chicago"));
  EXPECT_FALSE(IsKnownTimeZone("Mars/Olympus"));
  EXPECT_THROW(CivilClockAt("Mars/Olympus", 0), std::runtime_error);
}

TEST(IsoTime, ProlepticGregorianWithOffsets) {
  const double secondContact = At(2024, 4, 8, 18 + 40 / 60.0 + 46 / 3600.0);
  EXPECT_EQ(IsoUtc(secondContact), "2024-04-08T18:40:46Z");
  EXPECT_EQ(IsoWithOffset(secondContact, -5 * 3600), "2024-04-08T13:40:46-05:00");
  EXPECT_EQ(IsoWithOffset(secondContact, 5 * 3600 + 45 * 60 + 1), "2024-04-09T00:25:47+05:45:01");
  // 17.06.1433 of the eclipse list (Julian) is 26 June in the proleptic Gregorian calendar.
  const double medieval = At(1433, 6, 17, 23.5);
  EXPECT_EQ(IsoUtc(medieval), "1433-06-26T23:30:00Z");
  EXPECT_EQ(IsoJulianCalendar(medieval, 3600), "1433-06-18T00:30:00");
}

// A worked example of a standard astronomical textbook: on 1992 October 13
// at 0h TD the equation of time is +13 min 42.6 s (Delta-T then about 59 s).
TEST(SolarTime, EquationOfTimeOfAPublishedExample) {
  EXPECT_NEAR(EquationOfTimeSeconds(At(1992, 10, 12, 24 - 59 / 3600.0)), 13 * 60 + 42.6, 2);
  // A sundial at 15 degrees east runs one hour and the equation of time ahead of UT.
  EXPECT_NEAR(LocalApparentTimeOffsetSeconds(At(1992, 10, 12, 24 - 59 / 3600.0), 15), 3600 + 822.6, 2);
}

}  // namespace
}  // namespace vellmora
