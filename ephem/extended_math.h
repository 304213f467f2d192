#pragma once

#include <cmath>

#include "ephem/sunlib.h"

// Extended-precision helpers of the solar and lunar series. On x86 the 80-bit
// floating-point unit computes sine and cosine directly (both of one angle in a
// single instruction), several times faster than the library's long double
// routines; other processors use the library. The series only pass angles of a
// few hundred radians at most, far inside the range of the instructions.

namespace vellmora {

inline long double ExtendedSin(long double x) {
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
  long double sine;
  asm("fsin" : "=t"(sine) : "0"(x));
  return sine;
#else
  return std::sin(x);
#endif
}

inline CosSin ExtendedCosSin(long double x) {
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
  long double cosine;
  long double sine;
  asm("fsincos" : "=t"(cosine), "=u"(sine) : "0"(x));
  return {cosine, sine};
#else
  return {std::cos(x), std::sin(x)};
#endif
}

// Int(x): x rounded toward zero. In the 80-bit format at its usual full
// precision and for |x| < 2^63, adding and taking away 2^63 rounds to the
// nearest integer (the 64-bit significand has no fraction bits left there); one
// step back toward zero when that went past x. Faster than the library's trunc,
// which switches the rounding mode of the unit twice.
inline long double ExtendedInt(long double x) {
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
  constexpr long double TwoToThe63 = 9223372036854775808.0L;
  if (x >= 0) {
    const long double nearest = (x + TwoToThe63) - TwoToThe63;
    return nearest > x ? nearest - 1 : nearest;
  }
  const long double nearest = (x - TwoToThe63) + TwoToThe63;
  return nearest < x ? nearest + 1 : nearest;
#else
  return std::trunc(x);
#endif
}

// Frac(x) = x - Int(x): keeps the sign of x.
inline long double ExtendedFrac(long double x) { return x - ExtendedInt(x); }

}  // namespace vellmora
