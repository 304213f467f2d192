#pragma once

#include "ephem/equatorial_fit.h"

namespace vellmora {

// Right ascension, declination and distance of a body from its three Chebyshev
// fits at the instant t (Julian centuries since J2000, ephemeris time).
EquatorialPosition PositionFromFit(const EquatorialFit& fit, double t);

}  // namespace vellmora
