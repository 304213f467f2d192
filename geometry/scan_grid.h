#pragma once

#include "ephem/instant.h"

// The instants of the central-line scan: twelve hours in 15-second steps
// around the catalogue hour rounded to a multiple of 15 s.

namespace vellmora {

inline constexpr double kScanHalfSpan = CenturiesOfSeconds(6 * 3600);
inline constexpr double kScanStep = CenturiesOfSeconds(15);
inline constexpr int kScanSteps = 2 * 1440 + 1;  // from six hours before to six hours after, both ends included

// The middle instant of the scan (universal time, Julian centuries since
// J2000): the listed clock reading rounded to the 15-second grid.
double ScanCentre(InstantTD listed);

}  // namespace vellmora
