#pragma once

#include "ephem/constants.h"
#include "ephem/equatorial_fit.h"
#include "ephem/matlib.h"

// Where the axis of the Moon's shadow meets the flattened Earth, and how the
// shadow's cones cut the fundamental plane (through the Earth's centre,
// perpendicular to the axis). Lengths in equatorial Earth radii.

namespace vellmora {

// What the Earth gets of the shadow at one instant; only 4 and 5 are central.
enum class ShadowClass {
  NoEclipse = 0,
  PartialOnly = 1,
  NonCentralAnnular = 2,
  NonCentralTotal = 3,
  CentralAnnular = 4,
  CentralTotal = 5,
};

inline bool IsCentral(ShadowClass shadowClass) { return shadowClass >= ShadowClass::CentralAnnular; }

struct ShadowAxis {
  ShadowClass Class = ShadowClass::NoEclipse;
  Vector3 Axis{};           // unit vector from the Sun through the Moon
  Vector3 SurfacePoint{};   // equatorial, Earth radii; valid for central classes only
  double SurfaceUmbra = 0;  // signed umbra diameter where the axis meets the ground (central only)
  double Umbra = 0;         // signed umbra diameter U on the fundamental plane: < 0 total, > 0 annular
  double Penumbra = 0;      // penumbra diameter P on the fundamental plane
};

// The umbral cone of the central line: twice the difference of the Sun's and
// the Moon's radii, and the Moon's diameter, in Earth radii.
struct UmbralCone {
  double Slope;
  double MoonDiameter;
};

// The central line's own rounded cone (a Moon of radius 0.2725).
inline constexpr UmbralCone kCentralLineCone{kCentralLineUmbraSlope, kCentralLineMoonDiameter};

// The cone of a Moon of the given radius under the Sun of the shadow elements.
UmbralCone UmbralConeOf(double lunarRadius);

// Moon and Sun as right ascension and declination (degrees) and distance, both
// distances in Earth radii.
ShadowAxis ShadowAxisIntersection(const EquatorialPosition& moon, const EquatorialPosition& sun,
                                  const UmbralCone& cone = kCentralLineCone);

}  // namespace vellmora
