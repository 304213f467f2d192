#pragma once

#include "ephem/timlib.h"

// Instants that say their time scale: dynamical time (TD), on which the
// lunar and solar series run and the eclipse list is given, and universal
// time (UT), on which the Earth turns. The two differ by Delta-T.

namespace vellmora {

enum class TimeScale { Dynamical, Universal };

template <TimeScale Scale>
struct Instant {
  double Mjd = 0;  // Modified Julian Date on this scale

  static Instant FromCalendar(int day, int month, int year, double hours) {
    return {ModifiedJulianDate(day, month, year, hours)};
  }
  // Julian centuries since J2000, the time argument of the ephemeris.
  double Centuries() const { return CenturiesFromMJD(Mjd); }
};

using InstantTD = Instant<TimeScale::Dynamical>;
using InstantUT = Instant<TimeScale::Universal>;

// A span of seconds in Julian centuries, the unit of the time argument.
constexpr double CenturiesOfSeconds(double seconds) { return seconds / kSecondsPerDay / kDaysPerJulianCentury; }

}  // namespace vellmora
