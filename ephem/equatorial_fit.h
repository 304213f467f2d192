#pragma once

#include "ephem/matlib.h"

namespace vellmora {

// Geocentric position on the true equator and equinox of date.
struct EquatorialPosition {
  double RightAscension;  // degrees, [0, 360)
  double Declination;     // degrees
  double Distance;        // AU for the Sun, Earth radii for the Moon
};

// Chebyshev fits of the three equatorial coordinates over one interval; the
// right ascension is continuous across 0/360 (values may fall below 0).
struct EquatorialFit {
  ChebyshevFit RightAscension;
  ChebyshevFit Declination;
  ChebyshevFit Distance;
};

// Chebyshev interpolation of degree N (<= kMaxChebyshevDegree) over [TA, TB] at
// the zeros of the polynomial of degree N + 1: one evaluation of `positionAt`
// per node, the right ascension unwrapped along the falling node times.
EquatorialFit FitEquatorialChebyshev(double TA, double TB, int N, EquatorialPosition (*positionAt)(double T));

}  // namespace vellmora
