#pragma once

#include "ephem/deltat.h"
#include "ephem/equatorial_fit.h"

// The two sources of the Sun's and the Moon's places that the eclipse
// geometry can fit: the program's own series (standard) and the modern
// theories (precise), each with the Delta-T it goes with.

namespace vellmora {

enum class Ephemeris { Standard, Precise };

EquatorialFit FitMoon(Ephemeris ephemeris, double TA, double TB, int N);
EquatorialFit FitSun(Ephemeris ephemeris, double TA, double TB, int N);

// The decimal year of a date (2024.5 about 1 July 2024), for Delta-T.
double DecimalYearOf(int day, int month, int year);

// Delta-T for an eclipse date: the standard series take the year's value
// with their lag behind modern ephemerides, the precise ones Delta-T itself
// at the date.
DeltaTFigures EclipseDeltaT(Ephemeris ephemeris, int day, int month, int year);

}  // namespace vellmora
