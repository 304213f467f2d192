#pragma once

#include "ephem/equatorial_fit.h"
#include "numeric/extended_trig.h"

// The precise Sun: a series in the mean anomalies of the Earth and the planets.

namespace vellmora {

// cos and sin of the sum of two angles given by their cosines and sines.
inline CosSin CombineCosSin(long double c1, long double s1, long double c2, long double s2) {
  return {c1 * c2 - s1 * s2, s1 * c2 + c1 * s2};
}

struct EclipticPosition {
  double Longitude;  // degrees, (-360, 360): keeps the sign of its fraction
  double Latitude;   // degrees
  double Distance;   // AU (Sun) or Earth radii (Moon)
};

// Geometric, mean ecliptic and equinox of date; T in Julian centuries since J2000 (TT).
EclipticPosition SunEclipticCoordinates(double T);

// An ecliptic position of date on the true equator and equinox of date:
// rotated by the mean obliquity of T, then nutation for T added.
EquatorialPosition EclipticToTrueEquatorial(const EclipticPosition& ecliptic, double T);

// True equator and equinox of date, light time allowed for; distance in AU.
EquatorialPosition SunEquatorialCoordinates(double T);

// Fit of degree N (<= kMaxChebyshevDegree) over [TA, TB], TB > TA.
EquatorialFit FitSunChebyshev(double TA, double TB, int N);

}  // namespace vellmora
