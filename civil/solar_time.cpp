#include "civil/solar_time.h"

#include <cmath>

#include "catalogue/moon.h"
#include "catalogue/vsop.h"
#include "ephem/deltat.h"
#include "ephem/timlib.h"

namespace vellmora {
namespace {

constexpr double kSecondsPerDegreeOfHourAngle = kSecondsPerDay / 360;

// The date serial of an instant given in Julian centuries since J2000.
double DateSerialOf(double t) { return JulianDateFromCenturies(t) - static_cast<double>(DateSerialOffset); }

}  // namespace

double LocalMeanTimeOffsetSeconds(double longitudeEast) { return longitudeEast * kSecondsPerDegreeOfHourAngle; }

double EquationOfTimeSeconds(double t) {
  const double ut = DateSerialOf(t);
  // The Sun's place is one of dynamical time; the sidereal time one of UT.
  const double tt = ut + DeltaTSeconds(2000 + 100 * t) / kSecondsPerDay;
  const double rightAscension = static_cast<double>(SunApparentPosition(tt).RightAscension);
  // Greenwich apparent solar time minus UT: the Sun's hour angle + 12 h minus the time of day.
  const double hourAngle = static_cast<double>(ApparentSiderealTime(ut)) - rightAscension;
  const double timeOfDayDegrees = 360 * (ut - std::floor(ut));
  const double difference = std::remainder(hourAngle + 180 - timeOfDayDegrees, 360.0);
  return difference * kSecondsPerDegreeOfHourAngle;
}

double LocalApparentTimeOffsetSeconds(double t, double longitudeEast) {
  return LocalMeanTimeOffsetSeconds(longitudeEast) + EquationOfTimeSeconds(t);
}

}  // namespace vellmora
