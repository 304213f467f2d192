#pragma once

#include "ephem/equatorial_fit.h"
#include "ephem/matlib.h"

// Apparent geocentric places of the Sun and the Moon from modern theories:
// the Earth from VSOP87 (version D), the Moon from ELP/MPP02 with the DE405/DE406
// constants, referred to the true equator of date with the long-term precession
// of 2011 and the IAU 2000B nutation. T in Julian centuries since J2000 (TT).
//
// The right ascension is counted on the true equator from the point that the
// program's mean sidereal time refers to: the true equinox less the equation
// of the equinoxes, so that mean sidereal time minus it is the true hour angle.

namespace vellmora {

// The Moon, with light time; distance in equatorial Earth radii.
EquatorialPosition PreciseMoonEquatorial(double T);

// The Sun, with light time and aberration; distance in AU.
EquatorialPosition PreciseSunEquatorial(double T);

// The apparent Sun before the rotation to the equator of date: geocentric, km,
// mean ecliptic and equinox of J2000.
Vector3 SunPositionJ2000(double T);

}  // namespace vellmora
