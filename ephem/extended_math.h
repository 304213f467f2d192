#pragma once

#include <cmath>

#include "numeric/extended_trig.h"

// Extended-precision integer and fractional parts for the solar and lunar
// series (their sines and cosines come from numeric/extended_trig.h).

namespace vellmora {

// Int(x): x rounded toward zero. In the 80-bit format at its usual full
// precision and for |x| < 2^63, adding and taking away 2^63 rounds to the
// nearest integer (the 64-bit significand has no fraction bits left there); one
// step back toward zero when that went past x. Faster than the library's trunc,
// which switches the rounding mode of the unit twice.
inline long double ExtendedInt(long double x) {
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
  constexpr long double kTwoToThe63 = 9223372036854775808.0L;
  if (x >= 0) {
    const long double nearest = (x + kTwoToThe63) - kTwoToThe63;
    return nearest > x ? nearest - 1 : nearest;
  }
  const long double nearest = (x - kTwoToThe63) + kTwoToThe63;
  return nearest < x ? nearest + 1 : nearest;
#else
  return std::trunc(x);
#endif
}

// Frac(x) = x - Int(x): keeps the sign of x.
inline long double ExtendedFrac(long double x) { return x - ExtendedInt(x); }

}  // namespace vellmora
