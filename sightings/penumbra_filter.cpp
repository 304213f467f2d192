#include "sightings/penumbra_filter.h"

#include <cmath>

#include "ephem/moolib.h"
#include "ephem/sunlib.h"
#include "ephem/timlib.h"

namespace vellmora {
namespace {

constexpr double kMinute = 60 / kSecondsPerJulianCentury;
constexpr double kStepMinutes = 12;
constexpr double kHalfSpanMinutes = 312;  // the samples cover the 5 h 6 min of the contact search
constexpr double kFitHalfSpan = (kHalfSpanMinutes + 6) * kMinute;

// The axis moves across the fundamental plane by at most 0.6 Earth radii an
// hour, an observer by at most 0.27: within the 6 minutes to the nearest
// sample their distance changes by less than 0.09, the observer's height
// above the plane by less than 0.03.
constexpr double kSampleMargin = 0.09;
constexpr double kHeightSampleMargin = 0.03;
// The straight lines through the two nodes leave the Moon within a hundredth
// of a degree over the span: 0.01 Earth radii; taken twice.
constexpr double kStraightLineMargin = 0.02;
// The upper limb, refracted, is above the horizon only while the centre is
// less than 0.92 degrees below it: the observer is at most 0.017 Earth radii
// behind the fundamental plane's parallel through the Earth's centre.
constexpr double kLowestVisibleHeight = -0.017;

}  // namespace

CoarseShadow::CoarseShadow(double catalogueTime, double deltaTDays) {
  const double ephemerisCentre = catalogueTime + deltaTDays / kDaysPerJulianCentury;
  const EquatorialFit moon = FitMoonChebyshev(ephemerisCentre - kFitHalfSpan, ephemerisCentre + kFitHalfSpan, 1);
  const EquatorialFit sun = FitSunChebyshev(ephemerisCentre - kFitHalfSpan, ephemerisCentre + kFitHalfSpan, 1);
  for (int n = 0; n < kSamples; ++n) {
    const double t = catalogueTime + (n * kStepMinutes - kHalfSpanMinutes) * kMinute;
    samples_[static_cast<std::size_t>(n)] = {t, ComputeShadowElements(moon, sun, deltaTDays, t)};
  }
}

bool CoarseShadow::MayReach(double latitude, double longitudeEast) const {
  const SiteCoordinates site = GeocentricSite(latitude);
  for (const Sample& sample : samples_) {
    const ShadowElements& shadow = sample.Elements;
    const ObserverPosition observer = ObserverCoordinates(shadow, sample.Time, -longitudeEast, site);
    if (observer.zeta < kLowestVisibleHeight - kHeightSampleMargin) continue;
    const double reach = shadow.l1 + kSampleMargin + kStraightLineMargin;
    if (std::hypot(shadow.x - observer.xi, shadow.y - observer.eta) <= reach) return true;
  }
  return false;
}

}  // namespace vellmora
