#include "sightings/penumbra_filter.h"

#include <cmath>

#include "ephem/moolib.h"
#include "ephem/sunlib.h"
#include "ephem/timlib.h"
#include "geometry/shadow_elements.h"

namespace vellmora {
namespace {

constexpr double kMinute = CenturiesOfSeconds(60);
constexpr double kSearchHalfSpanMinutes = 306;  // the contact search's span about the catalogue time
constexpr double kFitHalfSpan = (kSearchHalfSpanMinutes + 60) * kMinute;
// A first pass an hour apart drops the eclipses whose shadow passes far
// away; a second one 12 minutes apart decides the others.
constexpr double kFirstPassStepMinutes = 60;
constexpr double kSecondPassStepMinutes = 12;

// The axis moves across the fundamental plane by at most 0.6 Earth radii an
// hour, an observer by at most 0.27, and the observer's height above the
// plane changes by at most 0.27 an hour: an instant lies at most half a step
// from the nearest sample.
constexpr double kDistanceChangePerMinute = 0.9 / 60;
constexpr double kHeightChangePerMinute = 0.27 / 60;
// The straight lines through the two nodes leave the Moon within a hundredth
// of a degree over the span: 0.01 Earth radii; taken twice.
constexpr double kStraightLineMargin = 0.02;
// The upper limb, refracted, is above the horizon only while the centre is
// less than 0.92 degrees below it: the observer is at most 0.017 Earth radii
// behind the fundamental plane's parallel through the Earth's centre.
constexpr double kLowestVisibleHeight = -0.017;

}  // namespace

CoarseShadow::CoarseShadow(InstantTD listed, const DeltaTFigures& deltaT)
    : catalogueTime_(listed.Centuries()), deltaT_(deltaT) {
  const double ephemerisCentre = catalogueTime_ + deltaT.UsedCenturies();
  moon_ = FitMoonChebyshev(ephemerisCentre - kFitHalfSpan, ephemerisCentre + kFitHalfSpan, 1);
  sun_ = FitSunChebyshev(ephemerisCentre - kFitHalfSpan, ephemerisCentre + kFitHalfSpan, 1);
}

bool CoarseShadow::MayReach(double latitude, double longitudeEast) const {
  const SiteCoordinates site = GeocentricSite(latitude);
  return SampleNear(site, longitudeEast, kFirstPassStepMinutes) &&
         SampleNear(site, longitudeEast, kSecondPassStepMinutes);
}

bool CoarseShadow::SampleNear(const SiteCoordinates& site, double longitudeEast, double stepMinutes) const {
  const double halfStep = stepMinutes / 2;
  const double lowest = kLowestVisibleHeight - kHeightChangePerMinute * halfStep;
  const double margin = kDistanceChangePerMinute * halfStep + kStraightLineMargin;
  const int steps = static_cast<int>(std::ceil(kSearchHalfSpanMinutes / stepMinutes));
  for (int step = -steps; step <= steps; ++step) {
    const double t = catalogueTime_ + step * stepMinutes * kMinute;
    const ShadowElements shadow = ComputeShadowElements(moon_, sun_, deltaT_, t);
    const ObserverPosition observer = ObserverCoordinates(shadow, t, -longitudeEast, site);
    if (observer.zeta >= lowest && std::hypot(shadow.x - observer.xi, shadow.y - observer.eta) <= shadow.l1 + margin) {
      return true;
    }
  }
  return false;
}

}  // namespace vellmora
