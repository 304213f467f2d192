#include "app/texts/central_line_row.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <vector>

#include "geometry/central_line.h"
#include "tests/support/text_fields.h"

namespace vellmora {
namespace {

std::string TimeField(double stepHours) { return SplitFields(FormatCentralLineRow(stepHours, 0, 0, 0)).at(0); }
std::string LatitudeField(double latitude) { return SplitFields(FormatCentralLineRow(10, latitude, 0, 0)).at(1); }
std::string LongitudeField(double west) { return SplitFields(FormatCentralLineRow(10, 0, west, 0)).at(2); }
std::string DurationField(double minutes) { return SplitFields(FormatCentralLineRow(10, 0, 0, minutes)).at(3); }

TEST(CentralLineRow, WholeRowIsFourTabSeparatedFieldsInWindows1252) {
  EXPECT_EQ(FormatCentralLineRow(10.0, -0.5, 0.5, 3.0), "10:00:30\t0\xB0-30\t0\xB0-30\t    3");
  EXPECT_EQ(FormatCentralLineRow(11.05, 45.1, -24.3, 2.38),
            "11:03:30\t45\xB0"
            "06\t24\xB0"
            "18\t    2.4");
}

TEST(CentralLineRow, TimeIsTheStepPlusThirtySecondsWithCarries) {
  EXPECT_EQ(TimeField(10.0), "10:00:30");
  // No leading zero on the hours, two digits for minutes and seconds.
  EXPECT_EQ(TimeField(9 + 29.75 / 60), "9:30:15");
  EXPECT_EQ(TimeField(9 + 4.0 / 60 + 45.0 / 3600), "9:05:15");
  // 10:59:29.7 + 30 s: seconds round to "60", carried into the minutes and
  // then, as "60" minutes, into the hours.
  EXPECT_EQ(TimeField(10 + 59.0 / 60 + 29.7 / 3600), "11:00:00");
  // 10:14:29.6 + 30 s = 10:14:59.6: the seconds alone carry.
  EXPECT_EQ(TimeField(10 + 14.0 / 60 + 29.6 / 3600), "10:15:00");
}

TEST(CentralLineRow, TimePastMidnightFoldsBackIntoTheHoursOfADay) {
  // 23:59:29.8 + 30 s carries through seconds and minutes into hour 24: 0 h of the next day.
  EXPECT_EQ(TimeField(23 + 59.0 / 60 + 29.8 / 3600), "0:00:00");
  // Steps of the last half minute before midnight, as in the path of 13.10.1064.
  EXPECT_EQ(TimeField(23 + 59.0 / 60 + 30.0 / 3600), "0:00:00");
  EXPECT_EQ(TimeField(23 + 59.0 / 60 + 45.0 / 3600), "0:00:15");
  EXPECT_EQ(TimeField(23 + 59.5 / 60 + 29.0 / 3600), "0:00:29");
  EXPECT_EQ(TimeField(23 + 29.0 / 60), "23:29:30");
  EXPECT_EQ(TimeField(23 + 59.0 / 60 + 29.0 / 3600), "23:59:59");
}

TEST(CentralLineRow, AnglesAreWholeDegreesAndTruncatedMinutes) {
  EXPECT_EQ(LatitudeField(-0.5), "0\xB0-30");
  EXPECT_EQ(LatitudeField(0.5),
            "0\xB0"
            "30");
  EXPECT_EQ(LatitudeField(48.78),
            "48\xB0"
            "46");  // 46.8 minutes truncated
  EXPECT_EQ(LatitudeField(-33.925),
            "-33\xB0"
            "55");  // sign on the degrees
  EXPECT_EQ(LatitudeField(1.1),
            "1\xB0"
            "06");  // minutes padded to two digits
  EXPECT_EQ(LatitudeField(0.0),
            "0\xB0"
            "00");
  // Longitudes are stored west positive and printed east positive.
  EXPECT_EQ(LongitudeField(0.5), "0\xB0-30");
  EXPECT_EQ(LongitudeField(-0.5),
            "0\xB0"
            "30");
  EXPECT_EQ(LongitudeField(-9.18),
            "9\xB0"
            "10");
  EXPECT_EQ(LongitudeField(170.25),
            "-170\xB0"
            "15");
  EXPECT_EQ(LongitudeField(-179.999),
            "179\xB0"
            "59");
}

TEST(CentralLineRow, DurationHasWidthSevenAndOneDecimal) {
  EXPECT_EQ(DurationField(3.0), "    3");
  EXPECT_EQ(DurationField(2.5), "    2.5");
  EXPECT_EQ(DurationField(2.38), "    2.4");
  EXPECT_EQ(DurationField(11.14), "   11.1");
  EXPECT_EQ(DurationField(0.0), "    0");
}

TEST(CentralLineRows, OneRowPerStepFromItsOwnEntries) {
  CentralLineResults results;
  results.StepHours = {10.0, 11.05};
  results.CentralLatitudes = {-0.5, 45.1};
  results.CentralLongitudes = {0.5, -24.3};
  results.UmbraDiameters = {-0.01, -0.01};
  results.CentralPhaseMinutes = {3.0, 2.38};
  EXPECT_EQ(CentralLineRows(results), (std::vector<std::string>{FormatCentralLineRow(10.0, -0.5, 0.5, 3.0),
                                                                FormatCentralLineRow(11.05, 45.1, -24.3, 2.38)}));
  EXPECT_TRUE(CentralLineRows(CentralLineResults{}).empty());
}

TEST(CentralLineRows, PastMidnightTheRowsStartTheNextDayAtZeroHours) {
  // 13.10.1064: the path begins shortly before midnight UT; the rows step on by
  // 15 s across it, from 23 h to 0 h, never through an hour 24.
  CentralLineResults results;
  CentralLineScan(InstantTD::FromCalendar(13, 10, 1064, 43 / 60.0 + 29 / 3600.0), DeltaTOfYear(1064), results);
  const std::vector<std::string> rows = CentralLineRows(results);
  ASSERT_GT(rows.size(), 2U);
  bool crossedMidnight = false;
  int previous = -1;
  for (const std::string& row : rows) {
    int hours = -1, minutes = -1, seconds = -1;
    ASSERT_EQ(std::sscanf(SplitFields(row).at(0).c_str(), "%d:%d:%d", &hours, &minutes, &seconds), 3) << row;
    EXPECT_GE(hours, 0) << row;
    EXPECT_LT(hours, 24) << row;
    const int secondOfDay = hours * 3600 + minutes * 60 + seconds;
    if (previous >= 0) {
      int step = secondOfDay - previous;
      if (step < 0) {
        crossedMidnight = true;
        step += 86400;
      }
      EXPECT_NEAR(step, 15, 1) << row;
    }
    previous = secondOfDay;
  }
  EXPECT_TRUE(crossedMidnight);
}

}  // namespace
}  // namespace vellmora
