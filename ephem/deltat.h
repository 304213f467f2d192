#pragma once

// Delta-T, the difference ephemeris time minus universal time, by year.

namespace vellmora {

// JD at 0 h of a date (Julian calendar before 1582 October 15).
double JulianDayAtMidnight(int year, int month, int day);

// Julian centuries from 1900 January 0.5 to July 1 of the year.
double CenturiesSince1900(int year);

// Days from the Delta-T epoch (JD 2382149) to July 1 of the year.
double DaysSinceDeltaTEpoch(int year);

// Delta-T in DAYS, constant over a year.
double DeltaT(int year);

}  // namespace vellmora
