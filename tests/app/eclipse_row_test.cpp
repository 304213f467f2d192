#include "app/texts/eclipse_row.h"

#include <gtest/gtest.h>

namespace vellmora {
namespace {

double SerialAt(int year, int month, int day, int hours, int minutes, int seconds) {
  return EncodeDate(year, month, day) + (hours * 3600 + minutes * 60 + seconds + 0.25) / 86400.0;
}

std::string Row(EclipseKind kind, double serial) { return FormatEclipseRow(EclipseAsListed(kind, serial)); }

TEST(EclipseRow, WritesKindDateAndTimeWithLeadingZeros) {
  EXPECT_EQ(Row(EclipseKind::Total, SerialAt(1999, 8, 11, 11, 4, 21)), "total\t11.08.1999 11:04:21");
  EXPECT_EQ(Row(EclipseKind::Annular, SerialAt(2010, 1, 5, 0, 0, 0)), "ringf\xF6rmig\t05.01.2010 00:00:00");
  EXPECT_EQ(Row(EclipseKind::AnnularTotal, SerialAt(2999, 12, 31, 23, 59, 59)),
            "total-ringf\xF6rmig\t31.12.2999 23:59:59");
  // Five digits where the year has them; the kinds that the list leaves out have their texts too.
  EXPECT_EQ(Row(EclipseKind::Partial, EncodeDate(9999, 12, 31) + 1.5), "partiell\t01.01.10000 12:00:00");
  EXPECT_EQ(Row(EclipseKind::NoEclipse, SerialAt(2000, 1, 6, 18, 35, 9)), "\t06.01.2000 18:35:09");
}

TEST(EclipseRow, ShowsJulianDatesBeforeTheSwitchAndKeepsTheShownSecond) {
  // 1582-10-15 is the first Gregorian day; the day before is 4 October in the Julian calendar.
  EXPECT_EQ(Row(EclipseKind::Total, SerialAt(1582, 10, 15, 0, 0, 1)), "total\t15.10.1582 00:00:01");
  EXPECT_EQ(Row(EclipseKind::Total, SerialAt(1582, 10, 14, 23, 59, 58)), "total\t04.10.1582 23:59:58");
  EXPECT_EQ(Row(EclipseKind::Total, SerialAt(1000, 4, 13, 9, 17, 49)), "total\t07.04.1000 09:17:49");

  // Every computation starts from the instant the row shows, cut to the second (the row shows its date).
  const CalendarInstant instant = EclipseAsListed(EclipseKind::Total, SerialAt(1000, 4, 13, 9, 17, 49)).DynamicalTime;
  EXPECT_EQ(instant.Hours, 9 + 17 / 60.0 + 49 / 3600.0);
}

}  // namespace
}  // namespace vellmora
