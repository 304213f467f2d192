#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/eclipse_list.h"
#include "ephem/deltat.h"
#include "ephem/timlib.h"
#include "geometry/central_line.h"
#include "geometry/earth_ellipsoid.h"
#include "geometry/local_circumstances.h"
#include "geometry/local_details.h"
#include "geometry/zone_limits.h"
#include "tests/validation/nasa_catalogue.h"

namespace vellmora {
namespace {

// NASA's lunar radius for the umbra.
constexpr double kCatalogueUmbralLunarRadius = 0.272281;

// The instant of greatest eclipse in universal time with the catalogue's Delta-T, in hours.
double UtHours(const CatalogueEclipse& e) { return e.DynamicalHours - e.DeltaTSeconds / 3600; }

double CenturiesAt(int day, int month, int year, double utHours) {
  return CenturiesFromMJD(ModifiedJulianDate(day, month, year, utHours));
}

double CenturiesAt(const CatalogueEclipse& e, double utHours) { return CenturiesAt(e.Day, e.Month, e.Year, utHours); }

// The width at the instant t, linear between the steps around it.
std::optional<double> WidthAt(const std::vector<ZoneStep>& steps, double t) {
  for (std::size_t n = 0; n + 1 < steps.size(); ++n) {
    if (steps[n].Instant <= t && t < steps[n + 1].Instant) {
      if (!steps[n].WidthKm || !steps[n + 1].WidthKm) return std::nullopt;
      const double f = (t - steps[n].Instant) / (steps[n + 1].Instant - steps[n].Instant);
      return *steps[n].WidthKm + f * (*steps[n + 1].WidthKm - *steps[n].WidthKm);
    }
  }
  return std::nullopt;
}

std::size_t StepNearest(const std::vector<ZoneStep>& steps, double t) {
  std::size_t nearest = 0;
  for (std::size_t n = 0; n < steps.size(); ++n) {
    if (std::abs(steps[n].Instant - t) < std::abs(steps[nearest].Instant - t)) nearest = n;
  }
  return nearest;
}

Vector3 Scaled(const Vector3& v, double s) { return {v.x * s, v.y * s, v.z * s}; }
Vector3 Sum(const Vector3& a, const Vector3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vector3 Difference(const Vector3& a, const Vector3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

// The place `km` from the limit point of step n, across the limit line and
// away from the central point (negative km: towards it).
GeographicPoint BeyondLimit(const std::vector<ZoneStep>& steps, std::size_t n,
                            std::optional<GeographicPoint> ZoneStep::*limit, double km) {
  const GeographicPoint& point = *(steps[n].*limit);
  const GeographicPoint& before = *(steps[n - 1].*limit);
  const GeographicPoint& after = *(steps[n + 1].*limit);
  const Vector3 here = EarthFixedKm(point);
  const Vector3 up = VerticalAt(point);
  const Vector3 along = Difference(EarthFixedKm(after), EarthFixedKm(before));
  Vector3 across = CrossProduct(up, along);
  across = Scaled(across, 1 / VectorNorm(across));
  if (DotProduct(across, Difference(here, EarthFixedKm(steps[n].Central))) < 0) across = Scaled(across, -1);
  return PlaceBelow(Scaled(Sum(here, Scaled(across, km)), 1 / kEquatorialEarthRadiusKm));
}

GeographicPoint Midway(const GeographicPoint& a, const GeographicPoint& b) {
  return PlaceBelow(Scaled(Sum(EarthFixedKm(a), EarthFixedKm(b)), 0.5 / kEquatorialEarthRadiusKm));
}

bool SeesCentralPhase(const LocalCircumstancesResult& seen) {
  return seen.Kind == LocalEclipseKind::Annular || seen.Kind == LocalEclipseKind::Total;
}

// At equal dynamical time (the catalogue's own Delta-T) and with its lunar
// radius for the umbra, the width at the point of greatest eclipse agrees with
// the catalogue's. Below a Sun of 30 degrees the catalogue's figure, a local
// projection of the shadow, departs from the width across the path.
TEST(ZoneLimitsValidation, WidthAtGreatestEclipseWithin4KmOfTheCatalogue) {
  std::vector<double> differences;
  for (const CatalogueEclipse& e : NasaCatalogue()) {
    if (!IsCentralEclipse(e) || e.SunAltitude < 30 || std::isnan(e.WidthKm)) continue;
    const std::vector<ZoneStep> steps = ZoneLimits(InstantTD::FromCalendar(e.Day, e.Month, e.Year, UtHours(e)),
                                                   DeltaTFigures{e.DeltaTSeconds, 0, 0}, kCatalogueUmbralLunarRadius);
    const std::optional<double> width = WidthAt(steps, CenturiesAt(e, UtHours(e)));
    const std::string date = std::to_string(e.Year) + "-" + std::to_string(e.Month) + "-" + std::to_string(e.Day);
    ASSERT_TRUE(width) << date;
    const double difference = *width - e.WidthKm;
    EXPECT_LT(std::abs(difference), 4) << date << " " << e.Type << ": " << *width << " km, catalogue " << e.WidthKm;
    differences.push_back(std::abs(difference));
  }
  EXPECT_GT(differences.size(), 100u);
  Report("width_at_greatest_eclipse", "km", Summarise(differences));
}

// With the program's own model: a place midway between the limits sees the
// central phase, a place 3 km beyond either limit does not, one 3 km inside does.
TEST(ZoneLimitsValidation, MidwaySeesTheCentralPhaseAndThreeKmBeyondALimitDoesNot) {
  int checkedLimits = 0;
  for (const CatalogueEclipse& e : NasaCatalogue()) {
    if (!IsCentralEclipse(e)) continue;
    const double hours = e.DynamicalHours - DeltaTOfYear(e.Year).UsedSeconds() / 3600;
    const std::vector<ZoneStep> steps =
        ZoneLimits(InstantTD::FromCalendar(e.Day, e.Month, e.Year, hours), DeltaTOfYear(e.Year));
    ASSERT_GE(steps.size(), 3u) << e.Year << "-" << e.Month;
    const std::size_t n = std::clamp<std::size_t>(StepNearest(steps, CenturiesAt(e, hours)), 1, steps.size() - 2);
    const auto seen = [&](const GeographicPoint& place) {
      return LocalCircumstances(InstantTD::FromCalendar(e.Day, e.Month, e.Year, hours), place.Latitude,
                                place.LongitudeEast, DeltaTOfYear(e.Year));
    };
    const std::string date = std::to_string(e.Year) + "-" + std::to_string(e.Month) + "-" + std::to_string(e.Day);
    const ZoneStep& step = steps[n];
    if (step.NorthernLimit && step.SouthernLimit) {
      EXPECT_TRUE(SeesCentralPhase(seen(Midway(*step.NorthernLimit, *step.SouthernLimit)))) << date;
    }
    for (const auto limit : {&ZoneStep::NorthernLimit, &ZoneStep::SouthernLimit}) {
      if (!(steps[n - 1].*limit) || !(step.*limit) || !(steps[n + 1].*limit)) continue;
      const LocalCircumstancesResult outside = seen(BeyondLimit(steps, n, limit, 3));
      EXPECT_EQ(outside.Kind, LocalEclipseKind::Partial) << date << " " << e.Type;
      EXPECT_TRUE(SeesCentralPhase(seen(BeyondLimit(steps, n, limit, -3)))) << date << " " << e.Type;
      ++checkedLimits;
    }
  }
  EXPECT_GT(checkedLimits, 120);
}

// A short central phase is easily lost between samples of the contacts: on
// every 4th step of every eclipse of the list whose central phase at greatest
// eclipse lasts less than a minute (the hybrid and nearly hybrid ones), the
// central point sees it, and on every 16th places 1 km inside either limit.
TEST(ZoneLimitsValidation, ShortCentralPhasesAreSeenOnTheLineAndJustInsideTheLimits) {
  constexpr std::size_t kEvery = 4;
  int eclipses = 0;
  int places = 0;
  for (const EclipseListRow& row : ListCentralEclipses(kFirstListYear, kLastListYear)) {
    std::int16_t year = 0;
    std::int16_t month = 0;
    std::int16_t day = 0;
    JDToCalendar(DateSerialToJD(row.Time), year, month, day);
    const double hours = TimeOfDay(row.Time) * 24;
    const std::optional<CentralPoint> greatest =
        CentralPointAt(InstantUT::FromCalendar(day, month, year, hours), DeltaTOfYear(year));
    if (!greatest || greatest->DurationMinutes >= 1) continue;
    ++eclipses;
    const std::vector<ZoneStep> steps =
        ZoneLimits(InstantTD::FromCalendar(day, month, year, hours), DeltaTOfYear(year));
    const std::string date = std::to_string(day) + "." + std::to_string(month) + "." + std::to_string(year);
    const auto seesCentralPhase = [&](const GeographicPoint& place) {
      return SeesCentralPhase(LocalCircumstances(InstantTD::FromCalendar(day, month, year, hours), place.Latitude,
                                                 place.LongitudeEast, DeltaTOfYear(year)));
    };
    for (std::size_t n = 1; n + 1 < steps.size(); n += kEvery) {
      // Where the phase lasts under a second or the path is under 2 km wide,
      // rounding decides.
      if (steps[n].CentralDurationSeconds < 1 || steps[n].WidthKm.value_or(0) < 2) continue;
      EXPECT_TRUE(seesCentralPhase(steps[n].Central)) << date << " step " << n;
      if (n % (kEvery * kEvery) != 1) continue;  // the limits on every 16th step
      for (const auto limit : {&ZoneStep::NorthernLimit, &ZoneStep::SouthernLimit}) {
        if (!(steps[n - 1].*limit) || !(steps[n].*limit) || !(steps[n + 1].*limit)) continue;
        EXPECT_TRUE(seesCentralPhase(BeyondLimit(steps, n, limit, -1))) << date << " step " << n;
        ++places;
      }
    }
  }
  EXPECT_GT(eclipses, 100);
  EXPECT_GT(places, 20000);
}

// The details say "inside" the zone exactly where the local circumstances see
// the central phase, and never "certain" of a central phase outside it nor
// "excluded" inside it; tried 1 km either side of a limit at greatest eclipse.
TEST(ZoneLimitsValidation, DetailsAgreeWithThemselvesAboutTheZone) {
  const struct {
    int Day, Month, Year;
    double Hours;
  } eclipses[] = {{20, 4, 2023, 4 + 18 / 60.0},
                  {8, 4, 2005, 20 + 37 / 60.0 + 7 / 3600.0},
                  {3, 11, 2013, 12 + 47 / 60.0 + 54 / 3600.0}};
  for (const auto& e : eclipses) {
    const std::vector<ZoneStep> steps =
        ZoneLimits(InstantTD::FromCalendar(e.Day, e.Month, e.Year, e.Hours), DeltaTOfYear(e.Year));
    const std::size_t n = StepNearest(steps, CenturiesAt(e.Day, e.Month, e.Year, e.Hours));
    const PathLines path = PathLinesOfZone(steps);
    for (const auto limit : {&ZoneStep::NorthernLimit, &ZoneStep::SouthernLimit}) {
      for (const double km : {-1.0, 1.0}) {
        const GeographicPoint place = BeyondLimit(steps, n, limit, km);
        const LocalDetails details =
            ComputeLocalDetails(InstantTD::FromCalendar(e.Day, e.Month, e.Year, e.Hours),
                                {place.Latitude, place.LongitudeEast, 0}, DeltaTOfYear(e.Year), path);
        const std::string where = std::to_string(e.Year) + " " + std::to_string(km) + " km";
        ASSERT_TRUE(details.Path) << where;
        EXPECT_EQ(details.Path->InsidePath, km < 0) << where;
        EXPECT_NE(details.CentralPhaseCertainty, details.Path->InsidePath ? Certainty::Excluded : Certainty::Certain)
            << where;
      }
    }
  }
}

// Limit points and widths as the earlier computation found them, which sought
// each limit point by root-finding on the rate of a place's contact function
// with the shadow computed afresh from the fits of the Moon and the Sun at
// every trial: a fifth of the way along the path and in its middle, for
// annular, total and hybrid eclipses and both ephemerides. The limits from the
// elements keep within 100 m of them.
TEST(ZoneLimitsValidation, LimitsAndWidthsWithin100MetresOfTheRootSearchOnTheContactFunction) {
  constexpr double kToleranceKm = 0.1;
  constexpr Ephemeris standard = Ephemeris::Standard;
  constexpr Ephemeris precise = Ephemeris::Precise;
  const struct {
    int Day, Month, Year, Hour, Minute, Second;  // as listed
    Ephemeris Source;
    double JulianDate;  // of the step, universal time
    GeographicPoint North, South;
    double WidthKm;
  } earlierSteps[] = {
      {9, 6, 1024, 3, 0, 55, standard, 2095233.593750, {78.10918, 32.82841}, {78.22669, 34.21052}, 29.662},
      {9, 6, 1024, 3, 0, 55, standard, 2095233.611806, {87.47141, -123.71852}, {87.48991, -127.49852}, 18.668},
      {11, 9, 1113, 22, 19, 59, standard, 2127835.389931, {-27.07615, 168.08733}, {-29.21732, 164.02605}, 435.688},
      {11, 9, 1113, 22, 19, 59, standard, 2127835.420139, {-39.25861, 179.48690}, {-41.51585, 176.18533}, 368.553},
      {30, 1, 1264, 15, 50, 43, standard, 2182763.109201, {-28.05266, -73.02462}, {-28.43796, -72.90368}, 44.310},
      {30, 1, 1264, 15, 50, 43, standard, 2182763.153646, {-16.96999, -50.89536}, {-17.36496, -50.54252}, 57.619},
      {22, 2, 1449, 21, 49, 10, precise, 2250358.366146, {1.15117, -171.60439}, {-0.19124, -170.27388}, 200.079},
      {22, 2, 1449, 21, 49, 10, precise, 2250358.405208, {14.90278, -154.76307}, {13.62151, -153.44812}, 200.326},
      {20, 5, 1594, 3, 22, 12, standard, 2303395.611111, {48.55699, 72.72021}, {48.38431, 73.78687}, 74.767},
      {20, 5, 1594, 3, 22, 12, standard, 2303395.640104, {65.08142, 93.37460}, {64.59532, 94.62684}, 80.041},
      {8, 1, 1750, 9, 28, 46, standard, 2360241.864236, {20.78246, 13.38323}, {20.67542, 13.43337}, 11.331},
      {8, 1, 1750, 9, 28, 46, standard, 2360241.894965, {23.09272, 29.28326}, {22.88061, 29.35780}, 24.601},
      {22, 10, 1911, 4, 12, 48, standard, 2419331.631076, {23.69828, 106.49470}, {22.76077, 105.65561}, 134.006},
      {22, 10, 1911, 4, 12, 48, standard, 2419331.675694, {6.63323, 121.80810}, {5.81589, 120.96716}, 129.651},
      {15, 8, 2091, 0, 35, 8, precise, 2485008.510069, {-52.05424, 138.46375}, {-53.99375, 135.95547}, 231.856},
      {15, 8, 2091, 0, 35, 8, precise, 2485008.523090, {-54.59457, 150.76623}, {-56.56194, 149.21425}, 237.959},
      {8, 3, 2323, 3, 5, 3, standard, 2569583.592014, {-59.82976, 144.02873}, {-59.87615, 144.06044}, 4.755},
      {8, 3, 2323, 3, 5, 3, standard, 2569583.624306, {-42.32819, 164.31962}, {-42.41779, 164.45822}, 14.997},
      {20, 3, 2406, 17, 56, 36, standard, 2599912.211458, {35.68815, -122.98759}, {34.86122, -121.80346}, 128.497},
      {20, 3, 2406, 17, 56, 36, standard, 2599912.241146, {45.03597, -103.62708}, {44.00633, -102.78067}, 131.956},
      {27, 7, 2576, 7, 31, 8, standard, 2662132.769792, {-24.45125, 51.21184}, {-27.52673, 49.89133}, 321.362},
      {27, 7, 2576, 7, 31, 8, standard, 2662132.798785, {-25.39576, 67.94519}, {-28.39397, 67.24688}, 338.868},
      {5, 2, 2809, 21, 18, 50, precise, 2747062.311111, {-22.56002, -147.40877}, {-22.61612, -147.38809}, 6.538},
      {5, 2, 2809, 21, 18, 50, precise, 2747062.355903, {-12.12049, -126.63231}, {-12.14626, -126.61024}, 3.729},
      {19, 1, 2903, 20, 19, 28, standard, 2781377.258854, {-27.47897, -130.42096}, {-30.33790, -130.37782}, 316.799},
      {19, 1, 2903, 20, 19, 28, standard, 2781377.307986, {-21.36879, -108.84822}, {-23.67890, -107.23718}, 304.805},
      {28, 10, 2972, 6, 27, 17, standard, 2806861.683681, {-24.57383, 63.05877}, {-25.83468, 60.08598}, 315.004},
      {28, 10, 2972, 6, 27, 17, standard, 2806861.724306, {-41.08539, 78.74126}, {-42.78699, 76.38127}, 271.088},
  };
  for (const auto& e : earlierSteps) {
    const double hours = e.Hour + e.Minute / 60.0 + e.Second / 3600.0;
    const std::vector<ZoneStep> steps =
        ZoneLimits(InstantTD::FromCalendar(e.Day, e.Month, e.Year, hours),
                   EclipseDeltaT(e.Source, e.Day, e.Month, e.Year), UmbralLunarRadiusOf(e.Source), e.Source);
    const auto step = std::find_if(steps.begin(), steps.end(), [&](const ZoneStep& s) {
      return std::abs(JulianDateFromCenturies(s.Instant) - e.JulianDate) < 1e-6;
    });
    const std::string where =
        std::to_string(e.Year) + "-" + std::to_string(e.Month) + " JD " + std::to_string(e.JulianDate);
    ASSERT_NE(step, steps.end()) << where;
    ASSERT_TRUE(step->NorthernLimit && step->SouthernLimit && step->WidthKm) << where;
    EXPECT_LT(GroundDistanceKm(*step->NorthernLimit, e.North), kToleranceKm) << where;
    EXPECT_LT(GroundDistanceKm(*step->SouthernLimit, e.South), kToleranceKm) << where;
    EXPECT_NEAR(*step->WidthKm, e.WidthKm, kToleranceKm) << where;
  }
}

}  // namespace
}  // namespace vellmora
