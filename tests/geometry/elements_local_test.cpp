#include "geometry/elements_local.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "catalogue/eclipse_list.h"
#include "catalogue/moon.h"
#include "ephem/deltat.h"
#include "ephem/timlib.h"
#include "geometry/besselian_elements.h"
#include "geometry/local_circumstances.h"

namespace vellmora {
namespace {

constexpr double kSecondsPerCentury = kSecondsPerJulianCentury;

// The least distance from the shadow axis on the fits themselves, by golden
// section within a minute of `near` (the window's maximum comes from a
// parabola through samples 6 minutes apart and is good to some seconds only).
double LeastDistanceOnFits(const LocalEclipseSetting& setting, double near) {
  const double ratio = (std::sqrt(5.0) - 1) / 2;
  double a = near - 60 / kSecondsPerCentury, b = near + 60 / kSecondsPerCentury;
  auto distance = [&](double t) { return ShadowSeenBy(setting, t).DistanceFromAxis(); };
  while (b - a > 0.01 / kSecondsPerCentury) {
    const double c = b - ratio * (b - a), d = a + ratio * (b - a);
    if (distance(c) < distance(d)) {
      b = d;
    } else {
      a = c;
    }
  }
  return (a + b) / 2;
}

// Random places near random eclipses of 1000-3000: what the elements give
// against the computation on the fits themselves.
TEST(LocalCircumstancesFromElements, AgreeWithTheFitsAtRandomPlaces) {
  std::mt19937 random(20);
  std::uniform_real_distribution<double> unit(0, 1);
  int compared = 0;
  double largestSeconds = 0, largestMagnitude = 0;
  while (compared < 500) {
    // An eclipse from the search, anywhere in the millennia, partial ones too.
    double serial = EncodeDate(1000, 1, 1) + unit(random) * (EncodeDate(2999, 1, 1) - EncodeDate(1000, 1, 1));
    bool gammaNegative = false;
    if (FindNextEclipse(serial, true, gammaNegative) == EclipseKind::NoEclipse) continue;
    std::int16_t year = 0, month = 0, day = 0;
    const long double jd = DateSerialToJD(serial);
    JDToCalendar(jd, year, month, day);
    const double hours = 24 * (serial - std::floor(serial));
    const BesselianElements elements = ComputeBesselianElements(day, month, year, hours);
    // A place under the penumbra near greatest eclipse.
    const ElementsAtInstant atT0 = EvaluateElements(elements, 0);
    const auto place = PlaceOnPlane(atT0, atT0.X + (2 * unit(random) - 1) * 0.5, atT0.Y + (2 * unit(random) - 1) * 0.5);
    if (!place) continue;
    const LocalCircumstancesResult fromFits = LocalCircumstances(
        InstantTD::FromCalendar(day, month, year, hours), place->Latitude, place->LongitudeEast, DeltaTOfYear(year));
    const LocalCircumstancesResult fromElements =
        LocalCircumstancesFromElements(elements, place->Latitude, place->LongitudeEast);
    ASSERT_EQ(fromElements.Kind, fromFits.Kind)
        << day << '.' << month << '.' << year << ' ' << place->Latitude << ' ' << place->LongitudeEast;
    if (fromFits.Kind == LocalEclipseKind::NotVisible) continue;
    const bool inner = fromFits.Kind != LocalEclipseKind::Partial;
    for (int n = 0; n < 4; ++n) {
      if (!inner && (n == 1 || n == 2)) continue;
      const double seconds = std::abs(fromElements.Contacts[n] - fromFits.Contacts[n]) * kSecondsPerCentury;
      largestSeconds = std::max(largestSeconds, seconds);
      EXPECT_LT(seconds, 1) << "contact " << n + 1 << " on " << day << '.' << month << '.' << year;
    }
    largestMagnitude = std::max(largestMagnitude, std::abs(fromElements.Magnitude - fromFits.Magnitude));
    EXPECT_NEAR(fromElements.Magnitude, fromFits.Magnitude, 0.001) << day << '.' << month << '.' << year;
    const LocalEclipseSetting setting = LocalCircumstancesSetting(
        InstantTD::FromCalendar(day, month, year, hours), DeltaTOfYear(year), place->Latitude, place->LongitudeEast);
    EXPECT_NEAR(fromElements.Maximum, LeastDistanceOnFits(setting, fromFits.Maximum), 1 / kSecondsPerCentury);
    ++compared;
  }
  std::cout << "[ FIGURES  ] largest difference: " << largestSeconds << " s, magnitude " << largestMagnitude << '\n';
}

}  // namespace
}  // namespace vellmora
