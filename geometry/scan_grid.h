#pragma once

#include "ephem/timlib.h"

// The instants of the central-line scan: twelve hours in 15-second steps
// around the catalogue hour rounded to a multiple of 15 s.

namespace vellmora {

inline constexpr double ScanHalfSpan = 6.844626967830253e-6;  // six hours, in centuries
inline constexpr double ScanStep = 0.25 / 1440 / DaysPerJulianCentury;

// The middle instant of the scan (universal time, Julian centuries since J2000).
double ScanCentre(int day, int month, int year, double hours);

}  // namespace vellmora
