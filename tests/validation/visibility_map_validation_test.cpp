#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "ephem/deltat.h"
#include "ephem/timlib.h"
#include "geometry/besselian_elements.h"
#include "geometry/contact_function.h"
#include "geometry/elements_local.h"
#include "geometry/local_circumstances.h"
#include "geometry/visibility_map.h"
#include "tests/validation/nasa_catalogue.h"

namespace vellmora {
namespace {

BesselianElements ElementsOf(const CatalogueEclipse& e) {
  return ComputeBesselianElements(e.Day, e.Month, e.Year, e.DynamicalHours - e.DeltaTSeconds / 3600);
}

// Every partial eclipse of the century: the greatest magnitude on the map
// against NASA's magnitude of the eclipse.
TEST(VisibilityMap, GreatestMagnitudeOfThePartialEclipsesAsPublished) {
  std::vector<double> differences;
  for (const CatalogueEclipse& e : NasaCatalogue()) {
    if (e.Type.front() != 'P') continue;
    const double difference = std::abs(FindGreatestEclipse(ElementsOf(e)).Magnitude - e.Magnitude);
    differences.push_back(difference);
    EXPECT_LT(difference, 0.005) << e.Year << '-' << e.Month << '-' << e.Day;
  }
  EXPECT_GT(differences.size(), 60u);
  Report("map_greatest_magnitude", "", Summarise(differences));
}

// The magnitude (L1 - m) / (L1 + L2) on the fits at the instant t, negative
// outside the penumbra.
double SignedMagnitudeOnFits(const LocalEclipseSetting& setting, double t) {
  const ShadowAtObserver shadow = ShadowSeenBy(setting, t);
  const double l1 = shadow.RadiusAtObserver(ContactMode::Penumbral);
  const double l2 = shadow.RadiusAtObserver(ContactMode::Umbral);
  return (l1 - shadow.DistanceFromAxis()) / (l1 + l2);
}

// Places on the curves, seen on the fits rather than the elements: on a limit
// the penumbra just grazes them at the time of maximum, on a line of equal
// magnitude the local circumstances find that magnitude.
TEST(VisibilityMap, PlacesOnTheCurvesSeeTheirMagnitude) {
  std::vector<double> limitDifferences, lineDifferences;
  for (const CatalogueEclipse& e : NasaCatalogue()) {
    if (e.Year % 10 != 4) continue;  // two eclipses or so a decade keep it quick
    const double hours = e.DynamicalHours - e.DeltaTSeconds / 3600;
    const InstantTD listed = InstantTD::FromCalendar(e.Day, e.Month, e.Year, hours);
    const BesselianElements elements = ElementsOf(e);
    const VisibilityMap map = ComputeVisibilityMap(elements);
    for (const VisibilityCurve& curve : map.Curves) {
      const bool limit =
          curve.Kind == VisibilityCurveKind::NorthernLimit || curve.Kind == VisibilityCurveKind::SouthernLimit;
      if (!limit && curve.Kind != VisibilityCurveKind::EqualMagnitude) continue;
      for (std::size_t n = 0; n < curve.Points.size(); n += 7) {
        const GeographicPoint& p = curve.Points[n];
        double magnitude = 0;
        if (limit) {
          const LocalEclipseSetting setting =
              LocalCircumstancesSetting(listed, DeltaTOfYear(e.Year), p.Latitude, p.LongitudeEast);
          const double maximum = LocalCircumstancesFromElements(elements, p.Latitude, p.LongitudeEast).Maximum;
          magnitude = SignedMagnitudeOnFits(setting, maximum);
        } else {
          magnitude = LocalCircumstances(listed, p.Latitude, p.LongitudeEast, DeltaTOfYear(e.Year)).Magnitude;
        }
        const double difference = std::abs(magnitude - curve.Magnitude);
        (limit ? limitDifferences : lineDifferences).push_back(difference);
        EXPECT_LT(difference, limit ? 0.002 : 0.005)
            << e.Year << '-' << e.Month << '-' << e.Day << " at " << p.Latitude << ", " << p.LongitudeEast;
      }
    }
  }
  Report("map_limit_magnitude", "", Summarise(limitDifferences));
  Report("map_line_magnitude", "", Summarise(lineDifferences));
}

}  // namespace
}  // namespace vellmora
