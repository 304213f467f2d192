#include "catalogue/angles.h"

#include <cmath>

#include "numeric/extended_trig.h"

namespace vellmora {

long double DegreesToRadians(long double x) { return x / 180.0L * kPi; }

long double RadiansToDegrees(long double x) { return x * 180.0L / kPi; }

long double TanRadians(long double x) { return std::tan(x); }

long double ArcTan2Radians(long double y, long double x) { return std::atan2(y, x); }

long double ArcSinRadians(long double x) { return std::asin(x); }

long double SinDegrees(long double x) { return ExtendedSin(DegreesToRadians(NormalizeDegrees(x))); }

long double CosDegrees(long double x) { return ExtendedCos(DegreesToRadians(NormalizeDegrees(x))); }

long double TanDegrees(long double x) { return TanRadians(DegreesToRadians(NormalizeDegrees(x))); }

long double ArcTan2Degrees(long double y, long double x) { return RadiansToDegrees(ArcTan2Radians(y, x)); }

long double ArcSinDegrees(long double x) { return RadiansToDegrees(ArcSinRadians(x)); }

long double NormalizeDegrees(long double x) {
  // Whole turns rounded to the nearest, halves to even: rint rounds as nearbyint does in the
  // default mode, without saving and restoring the floating-point environment, and the whole
  // number of turns stays an extended value instead of passing through a 64-bit integer.
  long double r = x - 360.0L * std::rint(x / 360.0L);
  while (r < 0) r += 360.0L;
  return r;
}

}  // namespace vellmora
