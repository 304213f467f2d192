#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "ephem/deltat.h"
#include "ephem/ephemeris.h"
#include "geometry/central_line.h"
#include "tests/validation/nasa_catalogue.h"

namespace vellmora {
namespace {

// At NASA's instant of greatest eclipse and with NASA's own Delta-T, so that both
// compare the same dynamical time and the same rotation of the Earth: what remains
// is the difference of the ephemeris from the JPL ephemerides of the catalogue.
// The published point is given to 0.1 degree (up to 6 km), so the distance
// from the square of +-0.05 degrees it stands for is measured as well.
// - standard: the lunar and solar series with their ephemeris lag taken out;
//   the umbra of the catalogue uses a lunar radius smaller by 0.08 %, which
//   shortens a total phase by about 4-5 s;
// - precise: ELP/MPP02 and VSOP87 with NASA's lunar radius of the umbra.
TEST(ValidationShadowGeometry, GreatestEclipsePointAndDurationAtNasasDynamicalTime) {
  struct Case {
    Ephemeris Source;
    std::string Figures;  // prefix of the reported names
    double PointToleranceKm;
    double SquareToleranceKm;
    double DurationToleranceSeconds;
  };
  for (const Case& c : {Case{Ephemeris::Standard, "", 15, 15, 8}, Case{Ephemeris::Precise, "precise_", 15, 2, 1.5}}) {
    std::vector<double> fromPoint;
    std::vector<double> fromSquare;
    std::vector<double> durations;
    for (const CatalogueEclipse& eclipse : NasaCatalogue()) {
      if (!IsCentralEclipse(eclipse)) continue;
      const std::string date = c.Figures + std::to_string(eclipse.Day) + "." + std::to_string(eclipse.Month) + "." +
                               std::to_string(eclipse.Year) + " " + eclipse.Type;
      const double universalHours = eclipse.DynamicalHours - eclipse.DeltaTSeconds / 3600;
      const double lagSeconds =
          c.Source == Ephemeris::Standard ? EphemerisLagSeconds(eclipse.Year + (eclipse.Month - 0.5) / 12) : 0;
      const std::optional<CentralPoint> point =
          CentralPointAt(InstantUT::FromCalendar(eclipse.Day, eclipse.Month, eclipse.Year, universalHours),
                         DeltaTFigures{eclipse.DeltaTSeconds, lagSeconds, 0}, c.Source);
      ASSERT_TRUE(point.has_value()) << date << ": the shadow axis misses the Earth";
      const double longitude = -point->LongitudeWest;
      const double km = DistanceKm(point->Latitude, longitude, eclipse.Latitude, eclipse.LongitudeEast);
      const double squareKm = DistanceKm(
          point->Latitude, longitude, std::clamp(point->Latitude, eclipse.Latitude - 0.05, eclipse.Latitude + 0.05),
          std::clamp(longitude, eclipse.LongitudeEast - 0.05, eclipse.LongitudeEast + 0.05));
      EXPECT_LT(km, c.PointToleranceKm) << date << " at " << point->Latitude << ", " << longitude;
      EXPECT_LT(squareKm, c.SquareToleranceKm) << date << " at " << point->Latitude << ", " << longitude;
      const double seconds = std::fabs(point->DurationMinutes * 60 - eclipse.DurationSeconds);
      EXPECT_LT(seconds, c.DurationToleranceSeconds) << date << ": " << point->DurationMinutes * 60 << " s";
      fromPoint.push_back(km);
      fromSquare.push_back(squareKm);
      durations.push_back(seconds);
    }
    EXPECT_EQ(fromPoint.size(), 144u);
    Report(c.Figures + "greatest_eclipse_point", "km", Summarise(fromPoint));
    Report(c.Figures + "greatest_eclipse_square", "km", Summarise(fromSquare));
    Report(c.Figures + "central_duration", "s", Summarise(durations));
  }
}

}  // namespace
}  // namespace vellmora
