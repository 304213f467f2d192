#include "sightings/night_filter.h"

#include <cmath>

#include "ephem/constants.h"
#include "ephem/timlib.h"

namespace vellmora {
namespace {

constexpr double kOutOfSightAltitude = -2;        // degrees
constexpr double kHalfSpanHours = 5 + 10.0 / 60;  // the contacts lie within 5 h 6 min of the instant
constexpr double kSiderealHoursPerHour = 1.0027379;

struct SunDirection {
  double RightAscension;  // degrees
  double Declination;
};

// The Sun's apparent direction to about a hundredth of a degree near 2000 and
// a tenth over 1000 to 3000: mean longitude and anomaly with the two largest
// terms of the equation of the centre.
SunDirection ShortSolarSeries(double mjd) {
  const double days = mjd - kMJDOfJ2000;
  const double meanLongitude = 280.460 + 0.9856474 * days;
  const double anomaly = (357.528 + 0.9856003 * days) * kRadiansPerDegree;
  const double longitude =
      (meanLongitude + 1.915 * std::sin(anomaly) + 0.020 * std::sin(2 * anomaly)) * kRadiansPerDegree;
  const double obliquity = (23.439 - 0.0000004 * days) * kRadiansPerDegree;
  return {std::atan2(std::cos(obliquity) * std::sin(longitude), std::cos(longitude)) / kRadiansPerDegree,
          std::asin(std::sin(obliquity) * std::sin(longitude)) / kRadiansPerDegree};
}

}  // namespace

bool SunStaysDownAround(InstantTD listed, double latitude, double longitudeEast) {
  const double catalogueMJD = listed.Mjd;
  const SunDirection sun = ShortSolarSeries(catalogueMJD);
  // The hour angle at the instant, in (-180, 180], and the one nearest the
  // meridian within the span: the altitude is highest there.
  const double hourAngle =
      std::remainder(15 * LocalSiderealTime(catalogueMJD, -longitudeEast) - sun.RightAscension, 360);
  const double halfSpan = 15 * kSiderealHoursPerHour * kHalfSpanHours;
  const double nearestMeridian = std::max(0.0, std::abs(hourAngle) - halfSpan);
  const double phi = latitude * kRadiansPerDegree;
  const double delta = sun.Declination * kRadiansPerDegree;
  const double sinAltitude =
      std::sin(phi) * std::sin(delta) + std::cos(phi) * std::cos(delta) * std::cos(nearestMeridian * kRadiansPerDegree);
  return std::asin(sinAltitude) / kRadiansPerDegree < kOutOfSightAltitude;
}

}  // namespace vellmora
