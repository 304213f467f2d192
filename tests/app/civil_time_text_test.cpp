#include "app/texts/civil_time_text.h"

#include <gtest/gtest.h>

#include "ephem/timlib.h"

namespace vellmora {
namespace {

struct CivilTextCase {
  const char* Zone;
  int Year, Month, Day;
  double Hours;  // UT
  const char* Text;
};

// German names where German has them, the offset alone elsewhere, the
// database's mean time before standard time, and the day of the zone's clock.
const CivilTextCase kCivilTexts[] = {
    {"Europe/Berlin", 2026, 8, 12, 18 + 35 / 60.0 + 4 / 3600.0, "20:35:04 MESZ (UTC+2)"},
    {"America/Chicago", 2024, 4, 8, 18 + 40 / 60.0 + 46 / 3600.0, "13:40:46 UTC-5"},
    {"Asia/Kolkata", 2009, 7, 22, 0.5, "06:00:00 UTC+5:30"},
    {"Europe/London", 1842, 7, 8, 5, "04:58:45 mittlere Ortszeit (UTC-0:01:15)"},
    {"Pacific/Auckland", 2028, 1, 26, 12, "01:00:00 UTC+13 (+1 Tag)"},
    {"Etc/UTC", 2024, 4, 8, 12, "12:00:00 UTC"},
};

TEST(CivilTimeText, ClockWithZoneAndOffset) {
  for (const CivilTextCase& c : kCivilTexts) {
    const double t = CenturiesFromMJD(ModifiedJulianDate(c.Day, c.Month, c.Year, c.Hours));
    EXPECT_EQ(FormatCivilTime(t, CivilClockAt(c.Zone, t)), c.Text) << c.Zone;
  }
}

}  // namespace
}  // namespace vellmora
