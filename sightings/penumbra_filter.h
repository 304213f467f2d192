#pragma once

#include <array>

#include "ephem/deltat.h"
#include "ephem/ephemeris.h"
#include "ephem/instant.h"
#include "ephem/sphlib.h"
#include "geometry/local_contacts.h"

// A cheap test that keeps every eclipse whose penumbra can reach a place while
// the Sun is up there: the shadow at three instants of the span in which the
// local circumstances look for the contacts, taken between them as parabolas
// in time, sampled with margins for the parabolas, for the fits and for the
// motion between the samples.

namespace vellmora {

// The shadow of one eclipse as the test takes it; made once, tried at many places.
class CoarseShadow {
 public:
  // From the fits the local circumstances use.
  CoarseShadow(InstantTD listed, const DeltaTFigures& deltaT, const LocalFits& fits);

  // From straight lines through two instants of the standard series, for an
  // eclipse whose fits are not at hand; they stay within 0.02 Earth radii of
  // either ephemeris' shadow.
  static CoarseShadow FromStraightLines(InstantTD listed, const DeltaTFigures& deltaT);

  // False only when the place cannot be in the penumbra with the Sun's upper
  // limb above the horizon at any instant within 5 h 6 min of the catalogue time.
  bool MayReach(double latitude, double longitudeEast) const;

 private:
  CoarseShadow(InstantTD listed, const DeltaTFigures& deltaT, const EquatorialFit& moon, const EquatorialFit& sun,
               double fitMargin);

  // Whether at some instant `stepMinutes` apart the observer may be in the
  // penumbra with the Sun up, with the margins for half a step.
  bool SampleNear(const SiteCoordinates& site, double longitudeEast, double stepMinutes) const;

  // a + b s + c s^2 in s = minutes from the catalogue time / the half span.
  struct Parabola {
    double a = 0, b = 0, c = 0;
    double At(double s) const { return a + (b + c * s) * s; }
  };
  // x, y, l1 and the components of the frame's i, j and k.
  std::array<Parabola, 12> shadow_;
  double greenwichSiderealAngle_ = 0;  // degrees, at the catalogue time
  double fitMargin_ = 0;
};

}  // namespace vellmora
