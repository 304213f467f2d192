#pragma once

#include "ephem/deltat.h"
#include "ephem/equatorial_fit.h"
#include "ephem/sphlib.h"
#include "geometry/shadow_elements.h"

// How far an observer is from the edge of the penumbra or the umbra.

namespace vellmora {

enum class ContactMode { Penumbral, Umbral };

// Everything the contact function needs besides the instant: the fits of one
// call, Delta-T, the observer and the Moon's radius for the umbra.
struct LocalEclipseSetting {
  EquatorialFit Moon;
  EquatorialFit Sun;  // distance in AU
  DeltaTFigures DeltaT;
  double LongitudeWest = 0;
  SiteCoordinates Site{};
  double UmbralLunarRadius = kLunarRadius;
};

// Radius of the penumbra (L1) or the umbra (L2) in the observer's plane
// parallel to the fundamental plane; L2 < 0 where the umbra is total.
double ShadowRadiusAtObserver(const ShadowElements& elements, const ObserverPosition& observer, ContactMode mode);

// The shadow and the observer of a setting at the universal time t.
struct ShadowAtObserver {
  ShadowElements Elements;
  ObserverPosition Observer;

  double DistanceFromAxis() const;
  double RadiusAtObserver(ContactMode mode) const { return ShadowRadiusAtObserver(Elements, Observer, mode); }
};

ShadowAtObserver ShadowSeenBy(const LocalEclipseSetting& setting, double t);

// Squared distance of the observer from the shadow axis minus the squared
// shadow radius: negative while the observer is inside that shadow.
double ContactFunction(const LocalEclipseSetting& setting, double t, ContactMode mode);

// The same from the elements and the observer's position at that instant.
double ContactFunction(const ShadowElements& elements, const ObserverPosition& observer, ContactMode mode);

}  // namespace vellmora
