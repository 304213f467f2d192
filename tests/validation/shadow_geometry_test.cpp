#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "ephem/deltat.h"
#include "geometry/central_line.h"
#include "tests/validation/nasa_catalogue.h"

namespace vellmora {
namespace {

// Great-circle distance on the mean sphere, km.
double DistanceKm(double latitude1, double longitude1, double latitude2, double longitude2) {
  constexpr double kEarthRadiusKm = 6371.0;
  constexpr double kRadians = std::numbers::pi / 180;
  const double a = std::pow(std::sin((latitude2 - latitude1) * kRadians / 2), 2) +
                   std::cos(latitude1 * kRadians) * std::cos(latitude2 * kRadians) *
                       std::pow(std::sin((longitude2 - longitude1) * kRadians / 2), 2);
  return 2 * kEarthRadiusKm * std::asin(std::sqrt(a));
}

// At NASA's instant of greatest eclipse and with NASA's own Delta-T, so that both
// compare the same dynamical time and the same rotation of the Earth: what remains
// is the difference of the lunar and solar series (with their ephemeris lag
// taken out) from the JPL ephemerides of the catalogue. The published point is
// given to 0.1 degree (up to 6 km); the umbra of the catalogue uses a lunar radius
// smaller by 0.08 %, which shortens a total phase by about 4-5 s.
TEST(ValidationShadowGeometry, GreatestEclipsePointAndDurationAtNasasDynamicalTime) {
  std::vector<double> distances;
  std::vector<double> durations;
  for (const CatalogueEclipse& eclipse : NasaCatalogue()) {
    if (!IsCentralEclipse(eclipse)) continue;
    const std::string date = std::to_string(eclipse.Day) + "." + std::to_string(eclipse.Month) + "." +
                             std::to_string(eclipse.Year) + " " + eclipse.Type;
    const double universalHours = eclipse.DynamicalHours - eclipse.DeltaTSeconds / 3600;
    const double lagSeconds = EphemerisLagSeconds(eclipse.Year + (eclipse.Month - 0.5) / 12);
    const std::optional<CentralPoint> point =
        CentralPointAt(InstantUT::FromCalendar(eclipse.Day, eclipse.Month, eclipse.Year, universalHours),
                       DeltaTFigures{eclipse.DeltaTSeconds, lagSeconds, 0});
    ASSERT_TRUE(point.has_value()) << date << ": the shadow axis misses the Earth";
    const double km = DistanceKm(point->Latitude, -point->LongitudeWest, eclipse.Latitude, eclipse.LongitudeEast);
    EXPECT_LT(km, 15) << date << " at " << point->Latitude << ", " << -point->LongitudeWest;
    const double seconds = std::fabs(point->DurationMinutes * 60 - eclipse.DurationSeconds);
    EXPECT_LT(seconds, 8) << date << ": " << point->DurationMinutes * 60 << " s";
    distances.push_back(km);
    durations.push_back(seconds);
  }
  EXPECT_EQ(distances.size(), 144u);
  Report("greatest_eclipse_point", "km", Summarise(distances));
  Report("central_duration", "s", Summarise(durations));
}

}  // namespace
}  // namespace vellmora
