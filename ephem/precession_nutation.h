#pragma once

#include "ephem/constants.h"
#include "ephem/rotation_matrix.h"

// The orientation of the Earth's equator and of the ecliptic over the
// millennia: the long-term precession of Vondrak, Capitaine and Wallace (2011)
// and the IAU 2000B nutation. T in Julian centuries since J2000 (TT).

namespace vellmora {

// The obliquity of the ecliptic at J2000 of the precession model, radians.
inline constexpr double kObliquityJ2000 = 84381.406 * kRadiansPerArcsecond;

// From the mean equator and equinox of J2000 to the mean equator and equinox of date.
RotationMatrix PrecessionMatrix(double T);

// Angle between the mean ecliptic and the mean equator of date, radians.
double MeanObliquity(double T);

// Nutation in longitude and in obliquity, radians.
struct NutationAngles {
  double Longitude;
  double Obliquity;
};

NutationAngles Nutation(double T);

// From the mean equator and equinox of J2000 to the true equator and equinox
// of date, and the equation of the equinoxes (apparent minus mean sidereal
// time, radians).
struct TrueEquatorOfDate {
  RotationMatrix FromJ2000;
  double EquationOfEquinoxes;
};

TrueEquatorOfDate TrueEquatorAt(double T);

}  // namespace vellmora
