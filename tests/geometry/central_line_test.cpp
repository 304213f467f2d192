#include "geometry/central_line.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "ephem/deltat.h"
#include "ephem/moolib.h"
#include "ephem/sunlib.h"
#include "ephem/timlib.h"
#include "geometry/fit_position.h"
#include "geometry/scan_grid.h"
#include "geometry/shadow_axis.h"

namespace vellmora {
namespace {

constexpr double HoursOf(int h, int m, int s) { return h + m / 60.0 + s / 3600.0; }

// Index of the central step at the given universal time.
std::size_t StepAt(const CentralLineResults& results, double stepHours) {
  for (std::size_t i = 0; i < results.Size(); ++i) {
    if (std::abs(results.StepHours[i] - stepHours) < 1e-6) return i;
  }
  ADD_FAILURE() << "no central step at " << stepHours << " h";
  return 0;
}

class TotalEclipse1999 : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    CentralLineScan(InstantTD::FromCalendar(11, 8, 1999, HoursOf(11, 4, 0)), DeltaTOfYear(1999), Results);
  }
  static inline CentralLineResults Results;
};

TEST_F(TotalEclipse1999, ArraysHoldOneEntryPerCentralStep) {
  const CentralLineResults& r = Results;
  ASSERT_GT(r.Size(), 500u);
  EXPECT_LE(r.Size(), 2881u);
  for (const std::vector<double>* array :
       {&r.CentralLatitudes, &r.CentralLongitudes, &r.UmbraDiameters, &r.CentralPhaseMinutes}) {
    EXPECT_EQ(array->size(), r.Size());
  }
  EXPECT_EQ(r.CentralLatitudeMin, *std::min_element(r.CentralLatitudes.begin(), r.CentralLatitudes.end()));
  EXPECT_EQ(r.CentralLatitudeMax, *std::max_element(r.CentralLatitudes.begin(), r.CentralLatitudes.end()));
  // A total eclipse: the umbra reaches the fundamental plane everywhere.
  EXPECT_LT(*std::max_element(r.UmbraDiameters.begin(), r.UmbraDiameters.end()), 0);
  // The steps are consecutive 15-s steps.
  for (std::size_t i = 1; i < r.Size(); ++i) {
    EXPECT_NEAR(r.StepHours[i] - r.StepHours[i - 1], 15.0 / 3600, 1e-6) << i;
  }
}

TEST_F(TotalEclipse1999, PathAgreesWithThePublishedCircumstances) {
  // Greatest eclipse 11:03:04 UT at 45 deg 03' N, 24 deg 17' E, central
  // duration 2 min 23 s. The step at 11:03:00 lies 4 s earlier.
  const std::size_t greatest = StepAt(Results, HoursOf(11, 3, 0));
  EXPECT_NEAR(Results.CentralLatitudes[greatest], 45.05, 0.15);
  EXPECT_NEAR(-Results.CentralLongitudes[greatest], 24.28, 0.2);
  EXPECT_NEAR(Results.CentralPhaseMinutes[greatest], 2.4, 0.05);

  // The path runs from off Nova Scotia (first contact of the axis about
  // 09:31 UT) over Cornwall, Normandy, Stuttgart and Romania to the Bay of
  // Bengal (last contact about 12:36 UT).
  EXPECT_NEAR(Results.StepHours.front(), HoursOf(9, 31, 0), 3.0 / 60);
  EXPECT_NEAR(Results.StepHours.back(), HoursOf(12, 36, 0), 3.0 / 60);
  for (std::size_t i = 0; i < Results.Size(); ++i) {
    const double east = -Results.CentralLongitudes[i];
    if (east > -5 && east < 26) {
      EXPECT_GT(Results.CentralLatitudes[i], 44) << i;
      EXPECT_LT(Results.CentralLatitudes[i], 50.2) << i;
      EXPECT_GT(Results.CentralPhaseMinutes[i], 1.9) << i;
      EXPECT_LT(Results.CentralPhaseMinutes[i], 2.55) << i;
    }
    // Stuttgart (48.78 N, 9.18 E) lies practically on the central line.
    if (std::abs(east - 9.18) < 0.08) {
      EXPECT_NEAR(Results.CentralLatitudes[i], 48.78, 0.25) << i;
    }
  }
}

TEST_F(TotalEclipse1999, FirstAndLastEntriesAreTheFirstAndLastStepsOnTheEarth) {
  // The scan's fits and grid, rebuilt: a 15-s grid anchored at 11:04:00.
  const double t0 = (ModifiedJulianDate(11, 8, 1999, HoursOf(11, 4, 0)) - 51544.5) / 36525;
  const double margin = 6.844626967830253e-6 + 1.14e-6;
  const EquatorialFit moon = FitMoonChebyshev(t0 - margin, t0 + margin, 8);
  const EquatorialFit sun = FitSunChebyshev(t0 - margin, t0 + margin, 3);
  const double deltaT = DeltaTOfYear(1999).UsedCenturies();
  auto classAt = [&](double stepHours) {
    const double t = (ModifiedJulianDate(11, 8, 1999, stepHours) - 51544.5) / 36525 + deltaT;
    EquatorialPosition sunPosition = PositionFromFit(sun, t);
    sunPosition.Distance *= kCentralLineEarthRadiiPerAu;
    return ShadowAxisIntersection(PositionFromFit(moon, t), sunPosition).Class;
  };
  const double first = Results.StepHours.front();
  const double last = Results.StepHours.back();
  const double step = 15.0 / 3600;
  EXPECT_EQ(classAt(first), ShadowClass::CentralTotal);
  EXPECT_EQ(classAt(last), ShadowClass::CentralTotal);
  EXPECT_FALSE(IsCentral(classAt(first - step)));
  EXPECT_FALSE(IsCentral(classAt(last + step)));
  // Seconds of every step are on the grid of the catalogue time (to the
  // rounding of the time of day from the Julian centuries).
  EXPECT_NEAR(std::remainder(first * 3600, 15), 0, 1e-3);
}

TEST_F(TotalEclipse1999, PointAtOneInstantIsTheRowOfThatStep) {
  const std::size_t greatest = StepAt(Results, HoursOf(11, 3, 0));
  const std::optional<CentralPoint> point =
      CentralPointAt(InstantUT::FromCalendar(11, 8, 1999, HoursOf(11, 3, 0)), DeltaTOfYear(1999));
  ASSERT_TRUE(point.has_value());
  // Fitted over two hours instead of the scan's fourteen: the same point to 0.4 m.
  EXPECT_NEAR(point->Latitude, Results.CentralLatitudes[greatest], 4e-6);
  EXPECT_NEAR(point->LongitudeWest, Results.CentralLongitudes[greatest], 4e-6);
  EXPECT_NEAR(point->UmbraDiameter, Results.UmbraDiameters[greatest], 1e-6);
  EXPECT_NEAR(point->DurationMinutes, Results.CentralPhaseMinutes[greatest], 1e-4);
  EXPECT_NEAR(point->DurationMinutes, 2.4, 0.05);
  EXPECT_FALSE(CentralPointAt(InstantUT::FromCalendar(11, 8, 1999, HoursOf(9, 0, 0)), DeltaTOfYear(1999)).has_value());
}

TEST(CentralLine, ScanIsCentredOnTheListedReadingRoundedTo15Seconds) {
  // The listed instant comes as one MJD; the centre must be exactly the
  // date's MJD plus the rounded hours, in the Julian and Gregorian calendars,
  // before 1858 (negative MJD) and across midnight.
  const struct {
    int Day, Month, Year;
    double Listed;
    int CentreDay;
    double Centre;
  } cases[] = {
      {7, 4, 1000, HoursOf(9, 17, 49), 7, HoursOf(9, 17, 45)},
      {4, 10, 1582, HoursOf(12, 0, 8), 4, HoursOf(12, 0, 15)},
      {15, 10, 1582, HoursOf(0, 0, 7), 15, 0},
      {11, 8, 1999, HoursOf(11, 3, 52), 11, HoursOf(11, 3, 45)},
      {20, 1, 2968, HoursOf(23, 59, 53), 21, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ScanCentre(InstantTD::FromCalendar(c.Day, c.Month, c.Year, c.Listed)),
              CenturiesFromMJD(ModifiedJulianDate(c.CentreDay, c.Month, c.Year, c.Centre)))
        << c.Day << "." << c.Month << "." << c.Year;
  }
}

TEST(CentralLine, DeltaTMovesTheShadowAgainstTheRotatingEarth) {
  // With Delta-T 60 s larger the Moon and Sun stand at a universal time where they
  // stood 60 s later before: the same point of the sky-fixed frame, seen from an
  // Earth that has turned 60 s x 15.041"/s = 0.2507 deg less.
  const double later = HoursOf(11, 4, 0);
  const DeltaTFigures deltaT = DeltaTOfYear(1999);
  const std::optional<CentralPoint> shifted =
      CentralPointAt(InstantUT::FromCalendar(11, 8, 1999, later - 1.0 / 60), deltaT.ShiftedBy(60));
  const std::optional<CentralPoint> plain = CentralPointAt(InstantUT::FromCalendar(11, 8, 1999, later), deltaT);
  ASSERT_TRUE(shifted && plain);
  EXPECT_NEAR(shifted->Latitude, plain->Latitude, 1e-6);
  EXPECT_NEAR(plain->LongitudeWest - shifted->LongitudeWest, 0.2507, 1e-4);

  // The scan takes the same Delta-T: the rows of the year's Delta-T given explicitly are the default rows.
  CentralLineResults byYear;
  CentralLineResults explicitDeltaT;
  CentralLineScan(InstantTD::FromCalendar(11, 8, 1999, later), DeltaTOfYear(1999), byYear);
  CentralLineScan(InstantTD::FromCalendar(11, 8, 1999, later), deltaT, explicitDeltaT);
  EXPECT_EQ(explicitDeltaT.CentralLongitudes, byYear.CentralLongitudes);
  CentralLineScan(InstantTD::FromCalendar(11, 8, 1999, later), deltaT.ShiftedBy(60), explicitDeltaT);
  EXPECT_NE(explicitDeltaT.CentralLongitudes, byYear.CentralLongitudes);
}

TEST(CentralLine, ScanGridIsTheCatalogueTimeRoundedTo15Seconds) {
  // 11:04:05 rounds to 11:04:00 and 11:04:07.4 as well: the same steps.
  CentralLineResults anchored;
  CentralLineScan(InstantTD::FromCalendar(11, 8, 1999, HoursOf(11, 4, 0)), DeltaTOfYear(1999), anchored);
  for (const double hours : {HoursOf(11, 4, 5), HoursOf(11, 4, 7) + 0.4 / 3600}) {
    CentralLineResults shifted;
    CentralLineScan(InstantTD::FromCalendar(11, 8, 1999, hours), DeltaTOfYear(1999), shifted);
    EXPECT_EQ(shifted.StepHours, anchored.StepHours) << hours;
    EXPECT_EQ(shifted.CentralPhaseMinutes, anchored.CentralPhaseMinutes) << hours;
  }
}

TEST(CentralLine, PartialEclipseLeavesListAndExtremesEmpty) {
  // Refill a results record from a central scan, then scan the partial
  // eclipse of 21 May 1993: everything cleared, extremes untouched.
  CentralLineResults results;
  CentralLineScan(InstantTD::FromCalendar(11, 8, 1999, HoursOf(11, 4, 0)), DeltaTOfYear(1999), results);
  ASSERT_GT(results.Size(), 0u);
  results.CentralLatitudeMin = 1000;
  results.CentralLatitudeMax = -1000;
  CentralLineScan(InstantTD::FromCalendar(21, 5, 1993, HoursOf(14, 20, 0)), DeltaTOfYear(1993), results);
  EXPECT_TRUE(results.StepHours.empty());
  EXPECT_TRUE(results.CentralLatitudes.empty());
  EXPECT_TRUE(results.CentralLongitudes.empty());
  EXPECT_TRUE(results.UmbraDiameters.empty());
  EXPECT_TRUE(results.CentralPhaseMinutes.empty());
  EXPECT_EQ(results.CentralLatitudeMin, 1000);
  EXPECT_EQ(results.CentralLatitudeMax, -1000);
}

TEST(CentralLine, AnnularEclipseOf2005) {
  // Greatest eclipse 3 October 2005 10:31:42 UT at 12 deg 52' N, 28 deg 45' E;
  // the path crossed Madrid (40.42 N, 3.70 W) near 08:58 UT.
  CentralLineResults results;
  CentralLineScan(InstantTD::FromCalendar(3, 10, 2005, HoursOf(10, 32, 0)), DeltaTOfYear(2005), results);
  ASSERT_GT(results.Size(), 0u);
  EXPECT_GT(*std::min_element(results.UmbraDiameters.begin(), results.UmbraDiameters.end()), 0);
  const std::size_t greatest = StepAt(results, HoursOf(10, 31, 45));
  EXPECT_NEAR(results.CentralLatitudes[greatest], 12.87, 0.15);
  EXPECT_NEAR(-results.CentralLongitudes[greatest], 28.75, 0.2);
  const double duration = results.CentralPhaseMinutes[greatest];
  EXPECT_GT(duration, 4.2);  // published: 4 min 32 s
  EXPECT_LT(duration, 4.7);
  const std::size_t madrid = StepAt(results, HoursOf(8, 58, 0));
  EXPECT_NEAR(results.CentralLatitudes[madrid], 40.42, 0.3);
  EXPECT_NEAR(results.CentralLongitudes[madrid], 3.70, 0.5);
}

TEST(CentralLine, LongitudesAreFoldedAcrossTheDateLine) {
  // 13 November 2012: from northern Australia across the South Pacific.
  CentralLineResults results;
  CentralLineScan(InstantTD::FromCalendar(13, 11, 2012, HoursOf(22, 12, 0)), DeltaTOfYear(2012), results);
  ASSERT_GT(results.Size(), 0u);
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

}  // namespace
}  // namespace vellmora
