#include "catalogue/angles.h"

#include <cmath>

#include "numeric/extended_trig.h"

namespace vellmora {

long double RadiansToDegrees(long double x) { return x * 180.0L / kPi; }

long double TanRadians(long double x) { return std::tan(x); }

long double ArcTan2Radians(long double y, long double x) { return std::atan2(y, x); }

long double ArcSinRadians(long double x) { return std::asin(x); }

long double SinDegrees(long double x) { return ExtendedSin(DegreesToRadians(NormalizeDegrees(x))); }

long double CosDegrees(long double x) { return ExtendedCos(DegreesToRadians(NormalizeDegrees(x))); }

long double TanDegrees(long double x) { return TanRadians(DegreesToRadians(NormalizeDegrees(x))); }

long double ArcTan2Degrees(long double y, long double x) { return RadiansToDegrees(ArcTan2Radians(y, x)); }

long double ArcSinDegrees(long double x) { return RadiansToDegrees(ArcSinRadians(x)); }

}  // namespace vellmora
