#pragma once

// Delta-T = TT - UT1, the difference between dynamical and universal time,
// after Stephenson, Morrison & Hohenkerk (2016, addendum 2021) with the IERS
// measurements since 2019, and the lag of the program's lunar and solar series
// behind modern ephemerides.

#include "ephem/instant.h"

namespace vellmora {

// Delta-T in SECONDS for a decimal year (2024.5 is 1 July 2024): the spline
// before 2019, the measured values 2019 to 2025.5, the long-term model after.
double DeltaTSeconds(double decimalYear);

// Seconds the time argument of the lunar and solar series is advanced so that
// their shadow falls where the JPL-based canon puts it at equal dynamical time.
double EphemerisLagSeconds(double decimalYear);

// Standard uncertainty of DeltaTSeconds in seconds.
double DeltaTUncertaintySeconds(double decimalYear);

// The Delta-T the geometry works with, in seconds, and its parts: the data's
// value and the lag of the series, which the geometry adds to universal time
// to evaluate the series, and the data's standard uncertainty.
struct DeltaTFigures {
  double DataSeconds = 0;
  double EphemerisLagSeconds = 0;
  double UncertaintySeconds = 0;  // one standard deviation of DataSeconds

  double UsedSeconds() const { return DataSeconds + EphemerisLagSeconds; }
  // The same in Julian centuries, as it is added to the time argument.
  double UsedCenturies() const { return CenturiesOfSeconds(UsedSeconds()); }
  // The figures with the data's value changed by `seconds`.
  DeltaTFigures ShiftedBy(double seconds) const {
    return {DataSeconds + seconds, EphemerisLagSeconds, UncertaintySeconds};
  }
};

// The figures of a whole year, taken at its middle.
DeltaTFigures DeltaTOfYear(int year);

}  // namespace vellmora
