#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "ephem/ephemeris.h"
#include "ephem/timlib.h"
#include "geometry/central_line.h"
#include "geometry/local_circumstances.h"
#include "tests/validation/nasa_catalogue.h"

namespace vellmora {
namespace {

double DistanceKm(double latitude1, double longitude1, double latitude2, double longitude2) {
  constexpr double kEarthRadiusKm = 6371.0;
  constexpr double kRadians = std::numbers::pi / 180;
  const double a = std::pow(std::sin((latitude2 - latitude1) * kRadians / 2), 2) +
                   std::cos(latitude1 * kRadians) * std::cos(latitude2 * kRadians) *
                       std::pow(std::sin((longitude2 - longitude1) * kRadians / 2), 2);
  return 2 * kEarthRadiusKm * std::asin(std::sqrt(a));
}

// With the precise ephemeris, at NASA's instant of greatest eclipse and with
// NASA's Delta-T, the shadow axis meets the Earth within 2 km of the square of
// +-0.05 degrees that the catalogue's rounded point stands for, and the central
// phase lasts as long as NASA's whole seconds say (within 1.5 s).
TEST(ValidationPreciseEphemeris, GreatestEclipsePointAndDurationAtNasasDynamicalTime) {
  std::vector<double> fromSquare;
  std::vector<double> fromPoint;
  std::vector<double> durations;
  for (const CatalogueEclipse& eclipse : NasaCatalogue()) {
    if (!IsCentralEclipse(eclipse)) continue;
    const std::string date = std::to_string(eclipse.Day) + "." + std::to_string(eclipse.Month) + "." +
                             std::to_string(eclipse.Year) + " " + eclipse.Type;
    const double universalHours = eclipse.DynamicalHours - eclipse.DeltaTSeconds / 3600;
    const std::optional<CentralPoint> point = CentralPointAt(eclipse.Day, eclipse.Month, eclipse.Year, universalHours,
                                                             eclipse.DeltaTSeconds / 86400, Ephemeris::Precise);
    ASSERT_TRUE(point.has_value()) << date << ": the shadow axis misses the Earth";
    const double longitude = -point->LongitudeWest;
    const double squareLatitude = std::clamp(point->Latitude, eclipse.Latitude - 0.05, eclipse.Latitude + 0.05);
    const double squareLongitude = std::clamp(longitude, eclipse.LongitudeEast - 0.05, eclipse.LongitudeEast + 0.05);
    const double km = DistanceKm(point->Latitude, longitude, squareLatitude, squareLongitude);
    EXPECT_LT(km, 2) << date << " at " << point->Latitude << ", " << longitude;
    const double seconds = std::fabs(point->DurationMinutes * 60 - eclipse.DurationSeconds);
    EXPECT_LT(seconds, 1.5) << date << ": " << point->DurationMinutes * 60 << " s";
    fromSquare.push_back(km);
    fromPoint.push_back(DistanceKm(point->Latitude, longitude, eclipse.Latitude, eclipse.LongitudeEast));
    durations.push_back(seconds);
  }
  EXPECT_EQ(fromSquare.size(), 144u);
  Report("precise_greatest_eclipse_square", "km", Summarise(fromSquare));
  Report("precise_greatest_eclipse_point", "km", Summarise(fromPoint));
  Report("precise_central_duration", "s", Summarise(durations));
}

// NASA's local circumstances of 8 April 2024 at Dallas (32.78 N, 96.81 W):
// second contact 18:40:43 UT, third 18:44:34 UT.
TEST(ValidationPreciseEphemeris, DallasContactsOf2024WithinTwoSeconds) {
  const double deltaT = EclipseDeltaT(Ephemeris::Precise, 8, 4, 2024);
  const LocalCircumstancesResult seen =
      LocalCircumstances(8, 4, 2024, 18.28, 32.78, -96.81, deltaT, Ephemeris::Precise);
  ASSERT_EQ(seen.Kind, LocalEclipseKind::Total);
  const auto secondsOfDay = [](double t) { return CalendarFromMJD(MJDFromCenturies(t)).Hours * 3600; };
  EXPECT_NEAR(secondsOfDay(seen.Contacts[1]), 18 * 3600 + 40 * 60 + 43, 2);
  EXPECT_NEAR(secondsOfDay(seen.Contacts[2]), 18 * 3600 + 44 * 60 + 34, 2);
}

}  // namespace
}  // namespace vellmora
