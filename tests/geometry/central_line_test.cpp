#include "geometry/central_line.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

#include "ephem/deltat.h"
#include "ephem/moolib.h"
#include "ephem/sunlib.h"
#include "ephem/timlib.h"
#include "geometry/fit_position.h"
#include "geometry/shadow_axis.h"

namespace vellmora {
namespace {

constexpr double HoursOf(int h, int m, int s) { return h + m / 60.0 + s / 3600.0; }

// Time of a row (step + 30 s) back as hours of the step; the fields' texts.
struct ParsedRow {
  double StepHours;
  std::string Latitude;
  std::string Longitude;
  std::string Duration;
};

ParsedRow ParseRow(const std::string& row) {
  std::istringstream stream(row);
  std::string time;
  ParsedRow parsed;
  std::getline(stream, time, '\t');
  std::getline(stream, parsed.Latitude, '\t');
  std::getline(stream, parsed.Longitude, '\t');
  std::getline(stream, parsed.Duration, '\t');
  int h = 0;
  int m = 0;
  int s = 0;
  char colon = 0;
  std::istringstream(time) >> h >> colon >> m >> colon >> s;
  parsed.StepHours = HoursOf(h, m, s) - 30.0 / 3600;
  return parsed;
}

// Index of the row whose step is at the given universal time.
std::size_t RowAt(const CentralLineResults& results, double stepHours) {
  for (std::size_t i = 0; i < results.Rows.size(); ++i) {
    if (std::abs(ParseRow(results.Rows[i]).StepHours - stepHours) < 1e-6) return i;
  }
  ADD_FAILURE() << "no row for the step at " << stepHours << " h";
  return 0;
}

class TotalEclipse1999 : public testing::Test {
 protected:
  static void SetUpTestSuite() { CentralLineScan(11, 8, 1999, HoursOf(11, 4, 0), Results); }
  static inline CentralLineResults Results;
};

TEST_F(TotalEclipse1999, ArraysFollowTheRows) {
  const CentralLineResults& r = Results;
  ASSERT_GT(r.Rows.size(), 500u);
  EXPECT_LE(r.Rows.size(), 2881u);
  EXPECT_EQ(r.CentralLatitudes.size(), r.Rows.size());
  EXPECT_EQ(r.CentralLongitudes.size(), r.Rows.size());
  EXPECT_EQ(r.UmbraDiameters.size(), r.Rows.size());
  EXPECT_EQ(r.CentralLatitudeMin, *std::min_element(r.CentralLatitudes.begin(), r.CentralLatitudes.end()));
  EXPECT_EQ(r.CentralLatitudeMax, *std::max_element(r.CentralLatitudes.begin(), r.CentralLatitudes.end()));
  // A total eclipse: the umbra reaches the fundamental plane everywhere.
  EXPECT_LT(*std::max_element(r.UmbraDiameters.begin(), r.UmbraDiameters.end()), 0);
  // Rows are consecutive 15-s steps, and each row shows its own array entries.
  for (std::size_t i = 1; i < r.Rows.size(); ++i) {
    EXPECT_NEAR(ParseRow(r.Rows[i]).StepHours - ParseRow(r.Rows[i - 1]).StepHours, 15.0 / 3600, 1e-6) << i;
  }
  for (std::size_t i = 0; i < r.Rows.size(); i += 97) {
    const ParsedRow row = ParseRow(r.Rows[i]);
    EXPECT_EQ(std::stoi(row.Latitude), static_cast<int>(std::trunc(r.CentralLatitudes[i]))) << i;
    EXPECT_EQ(std::stoi(row.Longitude), static_cast<int>(std::trunc(-r.CentralLongitudes[i]))) << i;
  }
}

TEST_F(TotalEclipse1999, PathAgreesWithThePublishedCircumstances) {
  // Greatest eclipse 11:03:04 UT at 45 deg 03' N, 24 deg 17' E, central
  // duration 2 min 23 s. The step at 11:03:00 lies 4 s earlier.
  const std::size_t greatest = RowAt(Results, HoursOf(11, 3, 0));
  EXPECT_NEAR(Results.CentralLatitudes[greatest], 45.05, 0.15);
  EXPECT_NEAR(-Results.CentralLongitudes[greatest], 24.28, 0.2);
  EXPECT_EQ(ParseRow(Results.Rows[greatest]).Duration, "    2.4");

  // The path runs from off Nova Scotia (first contact of the axis about
  // 09:31 UT) over Cornwall, Normandy, Stuttgart and Romania to the Bay of
  // Bengal (last contact about 12:36 UT).
  EXPECT_NEAR(ParseRow(Results.Rows.front()).StepHours, HoursOf(9, 31, 0), 3.0 / 60);
  EXPECT_NEAR(ParseRow(Results.Rows.back()).StepHours, HoursOf(12, 36, 0), 3.0 / 60);
  for (std::size_t i = 0; i < Results.Rows.size(); ++i) {
    const double east = -Results.CentralLongitudes[i];
    if (east > -5 && east < 26) {
      EXPECT_GT(Results.CentralLatitudes[i], 44) << Results.Rows[i];
      EXPECT_LT(Results.CentralLatitudes[i], 50.2) << Results.Rows[i];
      const double minutes = std::stod(ParseRow(Results.Rows[i]).Duration);
      EXPECT_GT(minutes, 1.9) << Results.Rows[i];
      EXPECT_LE(minutes, 2.5) << Results.Rows[i];
    }
    // Stuttgart (48.78 N, 9.18 E) lies practically on the central line.
    if (std::abs(east - 9.18) < 0.08) {
      EXPECT_NEAR(Results.CentralLatitudes[i], 48.78, 0.25) << Results.Rows[i];
    }
  }
}

TEST_F(TotalEclipse1999, FirstAndLastRowsAreTheFirstAndLastStepsOnTheEarth) {
  // The scan's fits and grid, rebuilt: a 15-s grid anchored at 11:04:00.
  const double t0 = (ModifiedJulianDate(11, 8, 1999, HoursOf(11, 4, 0)) - 51544.5) / 36525;
  const double margin = 6.844626967830253e-6 + 1.14e-6;
  const EquatorialFit moon = FitMoonChebyshev(t0 - margin, t0 + margin, 8);
  const EquatorialFit sun = FitSunChebyshev(t0 - margin, t0 + margin, 3);
  const double deltaT = DeltaT(1999) / 36525;
  auto classAt = [&](double stepHours) {
    const double t = (ModifiedJulianDate(11, 8, 1999, stepHours) - 51544.5) / 36525 + deltaT;
    EquatorialPosition sunPosition = PositionFromFit(sun, t);
    sunPosition.Distance *= EarthRadiiPerAuForShadowAxis;
    return ShadowAxisIntersection(PositionFromFit(moon, t), sunPosition).Class;
  };
  const double first = ParseRow(Results.Rows.front()).StepHours;
  const double last = ParseRow(Results.Rows.back()).StepHours;
  const double step = 15.0 / 3600;
  EXPECT_EQ(classAt(first), ShadowClass::CentralTotal);
  EXPECT_EQ(classAt(last), ShadowClass::CentralTotal);
  EXPECT_FALSE(IsCentral(classAt(first - step)));
  EXPECT_FALSE(IsCentral(classAt(last + step)));
  // Seconds of every step are on the grid of the catalogue time.
  EXPECT_NEAR(std::fmod(first * 3600, 15), 0, 1e-6);
}

TEST(CentralLine, ScanGridIsTheCatalogueTimeRoundedTo15Seconds) {
  // 11:04:05 rounds to 11:04:00 and 11:04:07.4 as well: the same rows.
  CentralLineResults anchored;
  CentralLineScan(11, 8, 1999, HoursOf(11, 4, 0), anchored);
  for (const double hours : {HoursOf(11, 4, 5), HoursOf(11, 4, 7) + 0.4 / 3600}) {
    CentralLineResults shifted;
    CentralLineScan(11, 8, 1999, hours, shifted);
    EXPECT_EQ(shifted.Rows, anchored.Rows) << hours;
  }
}

TEST(CentralLine, PartialEclipseLeavesListAndExtremesEmpty) {
  // Refill a results record from a central scan, then scan the partial
  // eclipse of 21 May 1993: everything cleared, extremes untouched.
  CentralLineResults results;
  CentralLineScan(11, 8, 1999, HoursOf(11, 4, 0), results);
  ASSERT_FALSE(results.Rows.empty());
  results.CentralLatitudeMin = 1000;
  results.CentralLatitudeMax = -1000;
  CentralLineScan(21, 5, 1993, HoursOf(14, 20, 0), results);
  EXPECT_TRUE(results.Rows.empty());
  EXPECT_TRUE(results.CentralLatitudes.empty());
  EXPECT_TRUE(results.CentralLongitudes.empty());
  EXPECT_TRUE(results.UmbraDiameters.empty());
  EXPECT_EQ(results.CentralLatitudeMin, 1000);
  EXPECT_EQ(results.CentralLatitudeMax, -1000);
}

TEST(CentralLine, AnnularEclipseOf2005) {
  // Greatest eclipse 3 October 2005 10:31:42 UT at 12 deg 52' N, 28 deg 45' E;
  // the path crossed Madrid (40.42 N, 3.70 W) near 08:58 UT.
  CentralLineResults results;
  CentralLineScan(3, 10, 2005, HoursOf(10, 32, 0), results);
  ASSERT_FALSE(results.Rows.empty());
  EXPECT_GT(*std::min_element(results.UmbraDiameters.begin(), results.UmbraDiameters.end()), 0);
  const std::size_t greatest = RowAt(results, HoursOf(10, 31, 45));
  EXPECT_NEAR(results.CentralLatitudes[greatest], 12.87, 0.15);
  EXPECT_NEAR(-results.CentralLongitudes[greatest], 28.75, 0.2);
  const double duration = std::stod(ParseRow(results.Rows[greatest]).Duration);
  EXPECT_GT(duration, 4.2);  // published: 4 min 32 s
  EXPECT_LT(duration, 4.7);
  const std::size_t madrid = RowAt(results, HoursOf(8, 58, 0));
  EXPECT_NEAR(results.CentralLatitudes[madrid], 40.42, 0.3);
  EXPECT_NEAR(results.CentralLongitudes[madrid], 3.70, 0.5);
}

TEST(CentralLine, LongitudesAreFoldedAcrossTheDateLine) {
  // 13 November 2012: from northern Australia across the South Pacific.
  CentralLineResults results;
  CentralLineScan(13, 11, 2012, HoursOf(22, 12, 0), results);
  ASSERT_FALSE(results.Rows.empty());
  bool westOfDateLine = false;
  bool eastOfDateLine = false;
  for (const double west : results.CentralLongitudes) {
    EXPECT_LE(std::abs(west), 180);
    westOfDateLine = westOfDateLine || west < -170;
    eastOfDateLine = eastOfDateLine || west > 170;
  }
  EXPECT_TRUE(westOfDateLine);
  EXPECT_TRUE(eastOfDateLine);
}

TEST(CentralLine, RowsPastMidnightStartTheNextDayAtZeroHours) {
  // 13.10.1064: the path begins shortly before midnight UT; the rows step on by
  // 15 s across it, from 23 h to 0 h, never through an hour 24.
  CentralLineResults results;
  CentralLineScan(13, 10, 1064, HoursOf(0, 43, 29), results);
  ASSERT_GT(results.Rows.size(), 2U);
  bool crossedMidnight = false;
  for (std::size_t i = 0; i < results.Rows.size(); ++i) {
    const double rowHours = ParseRow(results.Rows[i]).StepHours + 30.0 / 3600;
    EXPECT_GE(rowHours, 0) << results.Rows[i];
    EXPECT_LT(rowHours, 24) << results.Rows[i];
    if (i == 0) continue;
    double step = rowHours - (ParseRow(results.Rows[i - 1]).StepHours + 30.0 / 3600);
    if (step < 0) {
      crossedMidnight = true;
      step += 24;
    }
    EXPECT_NEAR(step * 3600, 15, 1.01) << results.Rows[i - 1] << " -> " << results.Rows[i];
  }
  EXPECT_TRUE(crossedMidnight);
}

}  // namespace
}  // namespace vellmora
