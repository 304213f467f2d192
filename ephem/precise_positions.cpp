#include "ephem/precise_positions.h"

#include <cmath>
#include <numbers>
#include <span>

#include "ephem/constants.h"
#include "ephem/elpmpp02.h"
#include "ephem/precession_nutation.h"
#include "ephem/timlib.h"
#include "series/vsop87d_earth.h"

namespace vellmora {
namespace {

constexpr double kKilometresPerAu = 149597870.7;
constexpr double kSpeedOfLightKmPerSecond = 299792.458;
// Equatorial radius of the Earth in the eclipse predictions of the JPL era (IERS).
constexpr double kKilometresPerEarthRadius = 6378.137;
// The Moon's mean motion, radians per second, for the last fraction of its light time.
constexpr double kMoonMeanMotion = 1732559343.736 * kRadiansPerArcsecond / kSecondsPerJulianCentury;
constexpr double kMoonMeanLightSeconds = 385000.5 / kSpeedOfLightKmPerSecond;

// A VSOP87 coordinate: the series of each power of t (Julian millennia), radians or AU.
double VsopSum(std::span<const std::span<const VSOPTerm>> byPower, double millennia) {
  double sum = 0;
  double power = 1;
  for (const std::span<const VSOPTerm> series : byPower) {
    double partial = 0;
    for (const VSOPTerm& term : series) {
      partial +=
          static_cast<double>(term.A) * std::cos(static_cast<double>(term.B) + static_cast<double>(term.C) * millennia);
    }
    sum += partial * power;
    power *= millennia;
  }
  return sum * 1e-8;
}

double Millennia(double T) { return T / 10; }

// VSOP87D refers to the ecliptic and equinox of date of the IAU 1976 precession
// (Lieske 1977); this turns the ecliptic of J2000 into it.
RotationMatrix EclipticPrecession1976(double T) {
  const double inclination = T * (47.0029 + T * (-0.03302 + T * 0.000060)) * kRadiansPerArcsecond;
  const double node = (629554.9824 + T * (-869.8089 + T * 0.03536)) * kRadiansPerArcsecond;
  const double longitude = T * (5029.0966 + T * (1.11113 - T * 0.000006)) * kRadiansPerArcsecond;
  return FrameRotationZ(-(node + longitude)) * FrameRotationX(inclination) * FrameRotationZ(node);
}

Vector3 Spherical(double r, double latitude, double longitude) {
  return {r * std::cos(latitude) * std::cos(longitude), r * std::cos(latitude) * std::sin(longitude),
          r * std::sin(latitude)};
}

// A vector of the mean equator of J2000 on the true equator of date, as the
// geometry wants it.
EquatorialPosition Apparent(const Vector3& equatorJ2000, double T, double distanceUnit) {
  const TrueEquatorOfDate frame = TrueEquatorAt(T);
  const Vector3 v = frame.FromJ2000 * equatorJ2000;
  const double r = VectorNorm(v);
  constexpr double kDegreesPerRadian = 180 / std::numbers::pi;
  double rightAscension = (std::atan2(v.y, v.x) - frame.EquationOfEquinoxes) * kDegreesPerRadian;
  rightAscension = std::fmod(rightAscension + 720, 360);
  return {rightAscension, std::asin(v.z / r) * kDegreesPerRadian, r / distanceUnit};
}

Vector3 EclipticToEquatorJ2000(const Vector3& ecliptic) { return FrameRotationX(-kObliquityJ2000) * ecliptic; }

}  // namespace

Vector3 SunPositionJ2000(double T) {
  // The Sun seen now left it one light time ago: in the heliocentric frame it
  // rests, so that is the Earth's place one light time ago reversed, which also
  // carries the annual aberration. Its distance is the geometric one, now.
  const double distance = VsopSum(EarthRadiusSeries, Millennia(T)) * kKilometresPerAu;
  const double t = Millennia(T - distance / kSpeedOfLightKmPerSecond / kSecondsPerJulianCentury);
  const double longitude = VsopSum(EarthLongitudeSeries, t) + std::numbers::pi;
  const double latitude = -VsopSum(EarthLatitudeSeries, t);
  return Transposed(EclipticPrecession1976(T)) * Spherical(distance, latitude, longitude);
}

EquatorialPosition PreciseSunEquatorial(double T) {
  return Apparent(EclipticToEquatorJ2000(SunPositionJ2000(T)), T, kKilometresPerAu);
}

EquatorialPosition PreciseMoonEquatorial(double T) {
  // The shadow passes the Moon about 1.3 s before it reaches the Earth.
  Vector3 moon = MoonPositionJ2000(T - kMoonMeanLightSeconds / kSecondsPerJulianCentury);
  const double rest = VectorNorm(moon) / kSpeedOfLightKmPerSecond - kMoonMeanLightSeconds;
  const double turn = kMoonMeanMotion * rest;
  moon = {moon.x + turn * moon.y, moon.y - turn * moon.x, moon.z};
  return Apparent(EclipticToEquatorJ2000(moon), T, kKilometresPerEarthRadius);
}

}  // namespace vellmora
