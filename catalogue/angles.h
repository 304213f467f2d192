#pragma once

// Trigonometry on angles in degrees and reduction into one turn, in extended
// precision, for the eclipse catalogue.

namespace vellmora {

inline constexpr long double kPi = 3.1415926535897932385L;

long double DegreesToRadians(long double x);
long double RadiansToDegrees(long double x);
long double TanRadians(long double x);
long double ArcTan2Radians(long double y, long double x);  // (-pi, pi]
long double ArcSinRadians(long double x);
long double SinDegrees(long double x);
long double CosDegrees(long double x);
long double TanDegrees(long double x);
long double ArcTan2Degrees(long double y, long double x);  // (-180, 180]
long double ArcSinDegrees(long double x);                  // [-90, 90]
long double NormalizeDegrees(long double x);               // [0, 360)

}  // namespace vellmora
