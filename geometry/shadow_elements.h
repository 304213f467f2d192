#pragma once

#include "ephem/constants.h"
#include "ephem/deltat.h"
#include "ephem/ephemeris.h"
#include "ephem/equatorial_fit.h"
#include "ephem/matlib.h"
#include "ephem/sphlib.h"

// The Moon's shadow on the fundamental plane (through the Earth's centre,
// perpendicular to the shadow axis) and an observer projected onto it. Lengths
// in equatorial Earth radii, angles in degrees, no flattening of the frame.

namespace vellmora {

// The Moon's radius for the umbra with an ephemeris: the precise one goes with
// the published predictions' smaller umbra (their mean lunar limb).
constexpr double UmbralLunarRadiusOf(Ephemeris ephemeris) {
  return ephemeris == Ephemeris::Precise ? kPublishedUmbralLunarRadius : kLunarRadius;
}

struct ShadowElements {
  Vector3 i{};   // in the equator plane
  Vector3 j{};   // k x i
  Vector3 k{};   // from the Moon towards the Sun
  double x = 0;  // the shadow axis on the plane
  double y = 0;
  double z = 0;      // the Moon's distance from the plane along k
  double sinF1 = 0;  // sine of the half-angle of the penumbral cone
  double l1 = 0;     // penumbra's radius on the plane
  double sinF2 = 0;  // sine of the half-angle of the umbral cone
  double l2 = 0;     // umbra's radius on the plane; negative where the umbra reaches it

  // The half-angles in degrees, taken from their sines only where a cone's
  // radius away from the plane is wanted.
  double F1() const { return ArcSinD(sinF1); }
  double F2() const { return ArcSinD(sinF2); }
};

// The observer's coordinates xi, eta, zeta in the frame i, j, k.
struct ObserverPosition {
  double xi = 0;
  double eta = 0;
  double zeta = 0;
};

// Elements at the universal time t (Julian centuries since J2000) from the
// fits of the Moon (distance in Earth radii) and the Sun (distance in AU);
// the umbral cone is that of a Moon of radius umbralLunarRadius.
ShadowElements ComputeShadowElements(const EquatorialFit& moon, const EquatorialFit& sun, const DeltaTFigures& deltaT,
                                     double t, double umbralLunarRadius = kLunarRadius);

// An observer at geocentric site coordinates and WEST longitude (degrees) at
// the universal time t, projected onto the frame of the elements.
ObserverPosition ObserverCoordinates(const ShadowElements& elements, double t, double longitudeWest,
                                     const SiteCoordinates& site);

}  // namespace vellmora
