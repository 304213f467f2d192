#pragma once

#include "ephem/equatorial_fit.h"
#include "ephem/sunlib.h"

// The precise Moon: mean arguments with long-periodic corrections, the main
// series of solar perturbations, a latitude series and planetary terms.

namespace vellmora {

// Ecliptic longitude (degrees, (-360, 360)), latitude (degrees) and distance
// (Earth radii), mean ecliptic and equinox of date.
EclipticPosition MoonEclipticCoordinates(double T);

// True equator and equinox of date, distance in Earth radii, no light time.
EquatorialPosition MoonEquatorialCoordinates(double T);

// Fit of degree N (<= MaxChebyshevDegree) over [TA, TB], TB > TA.
EquatorialFit FitMoonChebyshev(double TA, double TB, int N);

}  // namespace vellmora
