#pragma once

// Delta-T = TT - UT1, the difference between dynamical and universal time,
// after Stephenson, Morrison & Hohenkerk (2016, addendum 2021) with the IERS
// measurements since 2019, and the lag of the program's lunar and solar series
// behind modern ephemerides.

namespace vellmora {

// Delta-T in SECONDS for a decimal year (2024.5 is 1 July 2024): the spline
// before 2019, the measured values 2019 to 2025.5, the long-term model after.
double DeltaTSeconds(double decimalYear);

// Seconds the time argument of the lunar and solar series is advanced so that
// their shadow falls where the JPL-based canon puts it at equal dynamical time.
double EphemerisLagSeconds(double decimalYear);

// Standard uncertainty of DeltaTSeconds in seconds.
double DeltaTUncertaintySeconds(double decimalYear);

// The Delta-T the geometry uses for a whole year, in DAYS: Delta-T plus the
// ephemeris lag at the middle of the year.
double DeltaT(int year);

}  // namespace vellmora
