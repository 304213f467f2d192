#pragma once

#include "ephem/deltat.h"
#include "ephem/equatorial_fit.h"
#include "ephem/instant.h"
#include "ephem/sphlib.h"

// A cheap test that keeps every eclipse whose penumbra can reach a place while
// the Sun is up there: the shadow from straight-line fits of the Sun and the
// Moon through two instants, sampled over the span in which the local
// circumstances look for the contacts, with margins for the straight lines
// and for the motion between the samples.

namespace vellmora {

// The shadow of one eclipse as the test takes it; made once, tried at many places.
class CoarseShadow {
 public:
  // Around the listed clock reading, as the local circumstances search it.
  CoarseShadow(InstantTD listed, const DeltaTFigures& deltaT);

  // False only when the place cannot be in the penumbra with the Sun's upper
  // limb above the horizon at any instant within 5 h 6 min of the catalogue time.
  bool MayReach(double latitude, double longitudeEast) const;

 private:
  // Whether at some instant `stepMinutes` apart the observer may be in the
  // penumbra with the Sun up, with the margins for half a step.
  bool SampleNear(const SiteCoordinates& site, double longitudeEast, double stepMinutes) const;

  double catalogueTime_;
  DeltaTFigures deltaT_;
  EquatorialFit moon_;
  EquatorialFit sun_;
};

}  // namespace vellmora
