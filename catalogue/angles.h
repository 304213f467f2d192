#pragma once

#include <cmath>

// Trigonometry on angles in degrees and reduction into one turn, in extended
// precision, for the eclipse catalogue.

namespace vellmora {

inline constexpr long double kPi = 3.1415926535897932385L;

inline long double DegreesToRadians(long double x) { return x / 180.0L * kPi; }
long double RadiansToDegrees(long double x);
long double TanRadians(long double x);
long double ArcTan2Radians(long double y, long double x);  // (-pi, pi]
long double ArcSinRadians(long double x);
long double SinDegrees(long double x);
long double CosDegrees(long double x);
long double TanDegrees(long double x);
long double ArcTan2Degrees(long double y, long double x);  // (-180, 180]
long double ArcSinDegrees(long double x);                  // [-90, 90]

// x reduced into [0, 360); inline, as the catalogue's series reduce several angles at a time.
inline long double NormalizeDegrees(long double x) {
  // Whole turns rounded to the nearest, halves to even: rint rounds as nearbyint does in the
  // default mode, without saving and restoring the floating-point environment, and the whole
  // number of turns stays an extended value instead of passing through a 64-bit integer.
  long double r = x - 360.0L * std::rint(x / 360.0L);
  while (r < 0) r += 360.0L;
  return r;
}

}  // namespace vellmora
