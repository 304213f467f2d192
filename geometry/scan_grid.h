#pragma once

#include "ephem/timlib.h"

// The instants of the central-line scan: twelve hours in 15-second steps
// around the catalogue hour rounded to a multiple of 15 s.

namespace vellmora {

inline constexpr double kScanHalfSpan = 6.844626967830253e-6;  // six hours, in centuries
inline constexpr double kScanStep = 0.25 / 1440 / kDaysPerJulianCentury;
inline constexpr int kScanSteps = 2 * 1440 + 1;  // from six hours before to six hours after, both ends included

// The middle instant of the scan (universal time, Julian centuries since J2000).
double ScanCentre(int day, int month, int year, double hours);

}  // namespace vellmora
