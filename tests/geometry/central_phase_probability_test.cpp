#include "geometry/central_phase_probability.h"

#include <gtest/gtest.h>

#include <cmath>

#include "ephem/deltat.h"
#include "ephem/timlib.h"
#include "geometry/local_circumstances.h"
#include "geometry/zone_limits.h"

namespace vellmora {
namespace {

struct Eclipse {
  int Day, Month, Year;
  double Hours;  // catalogue time, UT
};

constexpr Eclipse Total2024{8, 4, 2024, 18 + 18 / 60.0 + 54 / 3600.0};
constexpr Eclipse Total1133{2, 8, 1133, 12 + 21 / 60.0 + 44 / 3600.0};
constexpr Eclipse Total2504{14, 6, 2504, 1 + 30 / 60.0 + 12 / 3600.0};

double ProbabilityAt(const Eclipse& e, const GeographicPoint& place, double sigmaSeconds) {
  const DeltaTFigures deltaT = DeltaTOfYear(e.Year);
  const LocalCircumstancesResult seen = LocalCircumstances(InstantTD::FromCalendar(e.Day, e.Month, e.Year, e.Hours),
                                                           place.Latitude, place.LongitudeEast, deltaT);
  const LocalEclipseSetting setting = LocalCircumstancesSetting(
      InstantTD::FromCalendar(e.Day, e.Month, e.Year, e.Hours), deltaT, place.Latitude, place.LongitudeEast);
  return CentralPhaseProbability(setting, place.Latitude, seen.Maximum, sigmaSeconds);
}

double SigmaOf(const Eclipse& e) { return DeltaTUncertaintySeconds(e.Year + 0.5); }

// A point of the northern limit in the middle part of the path where the
// path runs most steeply to the north or south, so that the Earth's turn
// (what a change of Delta-T amounts to) carries a place across the limit;
// and the central point of that instant.
struct LimitCrossing {
  GeographicPoint Limit;
  GeographicPoint Central;
};

LimitCrossing SteepestLimit(const Eclipse& e) {
  const std::vector<ZoneStep> steps =
      ZoneLimits(InstantTD::FromCalendar(e.Day, e.Month, e.Year, e.Hours), DeltaTOfYear(e.Year));
  const std::size_t first = steps.size() / 5;
  const std::size_t last = steps.size() - first;
  LimitCrossing best{};
  double steepest = -1;
  for (std::size_t i = first; i + 1 < last; ++i) {
    if (!steps[i].NorthernLimit) continue;
    const double north = steps[i + 1].Central.Latitude - steps[i].Central.Latitude;
    const double east = (steps[i + 1].Central.LongitudeEast - steps[i].Central.LongitudeEast) *
                        std::cos(steps[i].Central.Latitude * M_PI / 180);
    const double steepness = std::abs(north) / std::hypot(north, east);
    if (steepness > steepest) {
      steepest = steepness;
      best = {*steps[i].NorthernLimit, steps[i].Central};
    }
  }
  return best;
}

// The place `km` beyond the limit, on the line from the central point
// through the limit point (negative: inside the path).
GeographicPoint BeyondLimit(const LimitCrossing& crossing, double km) {
  const double f = 1 + km / GroundDistanceKm(crossing.Central, crossing.Limit);
  return {crossing.Central.Latitude + f * (crossing.Limit.Latitude - crossing.Central.Latitude),
          crossing.Central.LongitudeEast + f * (crossing.Limit.LongitudeEast - crossing.Central.LongitudeEast)};
}

TEST(CentralPhaseProbability, CertainOrExcludedFarFromTheLimitsOf2024) {
  const GeographicPoint dallas{32.78, -96.81};
  const GeographicPoint chicago{41.88, -87.63};
  for (const double sigma : {SigmaOf(Total2024), 30.0}) {
    const double inside = ProbabilityAt(Total2024, dallas, sigma);
    EXPECT_GT(inside, 0.999) << sigma;
    EXPECT_LE(inside, 1) << sigma;
    EXPECT_EQ(CertaintyOf(inside), Certainty::Certain);
    const double outside = ProbabilityAt(Total2024, chicago, sigma);
    EXPECT_EQ(outside, 0) << sigma;
    EXPECT_EQ(CertaintyOf(outside), Certainty::Excluded);
  }
}

// Across a limit the probability rises from nothing to certainty towards the
// central line; on the limit itself the umbra is as likely to reach the place
// as not.
void ExpectRiseAcrossTheLimit(const Eclipse& e) {
  const double sigma = SigmaOf(e);
  ASSERT_GT(sigma, 1) << e.Year;
  const LimitCrossing crossing = SteepestLimit(e);
  double outer = -1;
  int between = 0;
  for (double km = 12; km >= -12; km -= 1) {
    const double p = ProbabilityAt(e, BeyondLimit(crossing, km), sigma);
    EXPECT_GE(p, 0) << e.Year << " at " << km << " km";
    EXPECT_LE(p, 1) << e.Year << " at " << km << " km";
    EXPECT_GE(p, outer - 1e-9) << e.Year << " at " << km << " km";
    if (CertaintyOf(p) == Certainty::Uncertain) ++between;
    outer = p;
  }
  EXPECT_GE(between, 2) << e.Year;
  EXPECT_NEAR(ProbabilityAt(e, crossing.Limit, sigma), 0.5, 0.2) << e.Year;
}

TEST(CentralPhaseProbability, RisesAcrossALimitOfThe1100s) { ExpectRiseAcrossTheLimit(Total1133); }

TEST(CentralPhaseProbability, RisesAcrossALimitOfThe2500s) { ExpectRiseAcrossTheLimit(Total2504); }

// Just outside a limit a larger uncertainty makes the central phase more
// likely, just inside less likely.
TEST(CentralPhaseProbability, MonotoneInTheUncertainty) {
  for (const Eclipse& e : {Total1133, Total2504}) {
    const LimitCrossing crossing = SteepestLimit(e);
    const GeographicPoint outside = BeyondLimit(crossing, 2);
    const GeographicPoint inside = BeyondLimit(crossing, -2);
    double previousOutside = ProbabilityAt(e, outside, 0);
    double previousInside = ProbabilityAt(e, inside, 0);
    EXPECT_EQ(previousOutside, 0) << e.Year;
    EXPECT_EQ(previousInside, 1) << e.Year;
    for (const double factor : {0.25, 0.5, 1.0, 2.0, 4.0}) {
      const double sigma = factor * SigmaOf(e);
      const double pOutside = ProbabilityAt(e, outside, sigma);
      const double pInside = ProbabilityAt(e, inside, sigma);
      EXPECT_GE(pOutside, previousOutside - 1e-9) << e.Year << " sigma " << sigma;
      EXPECT_LE(pInside, previousInside + 1e-9) << e.Year << " sigma " << sigma;
      previousOutside = pOutside;
      previousInside = pInside;
    }
    EXPECT_GT(previousOutside, 0.05) << e.Year;
    EXPECT_LT(previousInside, 0.95) << e.Year;
  }
}

TEST(CentralPhaseProbability, CertaintyThresholds) {
  EXPECT_EQ(CertaintyOf(0), Certainty::Excluded);
  EXPECT_EQ(CertaintyOf(0.00099), Certainty::Excluded);
  EXPECT_EQ(CertaintyOf(0.001), Certainty::Uncertain);
  EXPECT_EQ(CertaintyOf(0.5), Certainty::Uncertain);
  EXPECT_EQ(CertaintyOf(0.999), Certainty::Uncertain);
  EXPECT_EQ(CertaintyOf(0.9991), Certainty::Certain);
}

}  // namespace
}  // namespace vellmora
