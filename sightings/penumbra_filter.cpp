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
constexpr double kStraightLineHalfSpan = (kSearchHalfSpanMinutes + 60) * kMinute;
// A first pass half an hour apart drops the eclipses whose shadow passes far
// away; a second one 4 minutes apart decides the others.
constexpr double kFirstPassStepMinutes = 30;
constexpr double kSecondPassStepMinutes = 4;

// The axis moves across the fundamental plane by at most 0.6 Earth radii an
// hour, an observer by at most 0.27, and the observer's height above the
// plane changes by at most 0.27 an hour: an instant lies at most half a step
// from the nearest sample.
constexpr double kDistanceChangePerMinute = 0.9 / 60;
constexpr double kHeightChangePerMinute = 0.27 / 60;
// The straight lines through the two nodes leave the Moon within a hundredth
// of a degree over the span: 0.01 Earth radii; taken twice.
constexpr double kStraightLineMargin = 0.02;
// The parabolas through the shadow at the span's ends and middle leave it by
// less than 0.001 Earth radii (its third derivative is below 1e-4 Earth radii
// per hour cubed); taken five times.
constexpr double kParabolaMargin = 0.005;
// The upper limb, refracted, is above the horizon only while the centre is
// less than 0.92 degrees below it: the observer is at most 0.017 Earth radii
// behind the fundamental plane's parallel through the Earth's centre.
constexpr double kLowestVisibleHeight = -0.017;
// The Earth turns by this many degrees of sidereal time in a minute of universal time.
constexpr double kSiderealDegreesPerMinute = 0.25 * 1.0027379093;

}  // namespace

CoarseShadow::CoarseShadow(InstantTD listed, const DeltaTFigures& deltaT, const LocalFits& fits)
    : CoarseShadow(listed, deltaT, fits.Moon, fits.Sun, 0) {}

CoarseShadow CoarseShadow::FromStraightLines(InstantTD listed, const DeltaTFigures& deltaT) {
  const double ephemerisCentre = listed.Centuries() + deltaT.UsedCenturies();
  const double first = ephemerisCentre - kStraightLineHalfSpan;
  const double last = ephemerisCentre + kStraightLineHalfSpan;
  return {listed, deltaT, FitMoonChebyshev(first, last, 1), FitSunChebyshev(first, last, 1), kStraightLineMargin};
}

CoarseShadow::CoarseShadow(InstantTD listed, const DeltaTFigures& deltaT, const EquatorialFit& moon,
                           const EquatorialFit& sun, double fitMargin)
    : greenwichSiderealAngle_(15 * LocalSiderealTime(listed.Mjd, 0)), fitMargin_(fitMargin + kParabolaMargin) {
  // The shadow's quantities at the span's start, middle and end, one row each.
  std::array<std::array<double, 12>, 3> nodes{};
  for (int n = 0; n < 3; ++n) {
    const ShadowElements e =
        ComputeShadowElements(moon, sun, deltaT, listed.Centuries() + (n - 1) * kSearchHalfSpanMinutes * kMinute);
    nodes[n] = {e.x, e.y, e.l1, e.i.x, e.i.y, e.i.z, e.j.x, e.j.y, e.j.z, e.k.x, e.k.y, e.k.z};
  }
  for (std::size_t q = 0; q < shadow_.size(); ++q) {
    const double before = nodes[0][q];
    const double middle = nodes[1][q];
    const double after = nodes[2][q];
    shadow_[q] = {middle, (after - before) / 2, (after + before) / 2 - middle};
  }
}

bool CoarseShadow::MayReach(double latitude, double longitudeEast) const {
  const SiteCoordinates site = GeocentricSite(latitude);
  return SampleNear(site, longitudeEast, kFirstPassStepMinutes) &&
         SampleNear(site, longitudeEast, kSecondPassStepMinutes);
}

bool CoarseShadow::SampleNear(const SiteCoordinates& site, double longitudeEast, double stepMinutes) const {
  const double halfStep = stepMinutes / 2;
  const double lowest = kLowestVisibleHeight - kHeightChangePerMinute * halfStep - fitMargin_;
  const double margin = kDistanceChangePerMinute * halfStep + fitMargin_;
  const int steps = static_cast<int>(std::ceil(kSearchHalfSpanMinutes / stepMinutes));
  // The observer's direction in the equator turns by the same angle from
  // sample to sample: one rotation instead of a sine and a cosine each.
  const double firstAngle = greenwichSiderealAngle_ + longitudeEast - kSiderealDegreesPerMinute * steps * stepMinutes;
  const double turn = kSiderealDegreesPerMinute * stepMinutes;
  const double cosTurn = CosD(turn);
  const double sinTurn = SinD(turn);
  double cosAngle = CosD(firstAngle);
  double sinAngle = SinD(firstAngle);
  for (int step = -steps; step <= steps; ++step) {
    const double s = step * stepMinutes / kSearchHalfSpanMinutes;
    std::array<double, 12> v;
    for (std::size_t q = 0; q < v.size(); ++q) v[q] = shadow_[q].At(s);
    const double rx = site.RhoCosPhi * cosAngle;
    const double ry = site.RhoCosPhi * sinAngle;
    const double rz = site.RhoSinPhi;
    const double zeta = rx * v[9] + ry * v[10] + rz * v[11];
    if (zeta >= lowest) {
      const double dx = v[0] - (rx * v[3] + ry * v[4] + rz * v[5]);
      const double dy = v[1] - (rx * v[6] + ry * v[7] + rz * v[8]);
      const double reach = v[2] + margin;
      if (dx * dx + dy * dy <= reach * reach) return true;
    }
    const double nextCos = cosAngle * cosTurn - sinAngle * sinTurn;
    sinAngle = sinAngle * cosTurn + cosAngle * sinTurn;
    cosAngle = nextCos;
  }
  return false;
}

}  // namespace vellmora
