#pragma once

#include <array>
#include <cmath>
#include <cstdint>

// Sine and cosine in extended (80-bit) precision at a fraction of the cost of
// the C library's long double routines, which the long series of the Sun, the
// Moon and the Earth call thousands of times. The argument is reduced by
// quarter turns with pi/2 split into three parts (the first two of 46 bits, so
// their products with a quadrant count below 2^18 are exact; the arguments of
// the years 1000 to 3000 stay far below that), then the Taylor series of sine
// and cosine on [-pi/4, pi/4] is summed, whose first omitted terms are below
// 4e-21. Larger arguments go to the library.

namespace vellmora {

struct CosSin {
  long double c;
  long double s;
};

namespace extended_trig {

constexpr long double kTwoOverPi = 0.636619772367581343075535053490057448L;
constexpr long double kHalfPiHigh = 0x1.921fb54442dp+0L;
constexpr long double kHalfPiMiddle = 0x1.8469898cc51p-48L;
constexpr long double kHalfPiLow = 0x1.c06e0e6894812704p-94L;
constexpr long double kMostQuadrants = 0x1p18L;

using TaylorCoefficients = std::array<long double, 10>;

// (-1)^i / (firstPower + 2i)! for the ten terms of the cosine (firstPower 0) or the sine (1).
constexpr TaylorCoefficients AlternatingInverseFactorials(int firstPower) {
  TaylorCoefficients coefficients{};
  long double factorial = 1;  // exact: the factorials up to 21! fit a 64-bit mantissa
  for (int n = 2; n <= firstPower; ++n) factorial *= n;
  for (std::size_t i = 0; i < coefficients.size(); ++i) {
    coefficients[i] = (i % 2 == 0 ? 1.0L : -1.0L) / factorial;
    const int power = firstPower + 2 * static_cast<int>(i);
    factorial *= (power + 1) * (power + 2);
  }
  return coefficients;
}

constexpr TaylorCoefficients kCosine = AlternatingInverseFactorials(0);
constexpr TaylorCoefficients kSine = AlternatingInverseFactorials(1);

// c0 + c1 z + ... + c9 z^9 by Estrin's scheme: pairs first, so that the
// floating-point unit works on several products at once.
inline long double Polynomial(const TaylorCoefficients& c, long double z) {
  const long double z2 = z * z;
  const long double z4 = z2 * z2;
  const long double z8 = z4 * z4;
  const long double low = (c[0] + c[1] * z) + (c[2] + c[3] * z) * z2;
  const long double middle = (c[4] + c[5] * z) + (c[6] + c[7] * z) * z2;
  return low + middle * z4 + (c[8] + c[9] * z) * z8;
}

// x = r + quadrant * pi/2 with |r| <= pi/4; quadrant in 0..3.
struct Reduced {
  long double r;
  int quadrant;
};

inline Reduced Reduce(long double x, long double quadrants) {
  const long double r = ((x - quadrants * kHalfPiHigh) - quadrants * kHalfPiMiddle) - quadrants * kHalfPiLow;
  // Through double: converting an extended value to an integer directly switches the x87 rounding mode.
  return {r, static_cast<int>(static_cast<std::int64_t>(static_cast<double>(quadrants)) & 3)};
}

inline long double CosOfReduced(long double r) { return Polynomial(kCosine, r * r); }
inline long double SinOfReduced(long double r) { return r * Polynomial(kSine, r * r); }

}  // namespace extended_trig

inline long double ExtendedCos(long double x) {
  using namespace extended_trig;
  // rint rounds as nearbyint does in the default mode, without saving and restoring the floating-point environment.
  const long double quadrants = std::rint(x * kTwoOverPi);
  if (std::fabs(quadrants) >= kMostQuadrants) return std::cos(x);
  const Reduced reduced = Reduce(x, quadrants);
  // cos x is cos r, -sin r, -cos r, sin r in the quadrants 0 to 3.
  const long double magnitude = reduced.quadrant & 1 ? SinOfReduced(reduced.r) : CosOfReduced(reduced.r);
  return reduced.quadrant == 1 || reduced.quadrant == 2 ? -magnitude : magnitude;
}

inline long double ExtendedSin(long double x) {
  using namespace extended_trig;
  const long double quadrants = std::rint(x * kTwoOverPi);
  if (std::fabs(quadrants) >= kMostQuadrants) return std::sin(x);
  const Reduced reduced = Reduce(x, quadrants);
  // sin x is sin r, cos r, -sin r, -cos r in the quadrants 0 to 3.
  const long double magnitude = reduced.quadrant & 1 ? CosOfReduced(reduced.r) : SinOfReduced(reduced.r);
  return reduced.quadrant >= 2 ? -magnitude : magnitude;
}

inline CosSin ExtendedCosSin(long double x) {
  using namespace extended_trig;
  const long double quadrants = std::rint(x * kTwoOverPi);
  if (std::fabs(quadrants) >= kMostQuadrants) return {std::cos(x), std::sin(x)};
  const Reduced reduced = Reduce(x, quadrants);
  const long double c = CosOfReduced(reduced.r);
  const long double s = SinOfReduced(reduced.r);
  switch (reduced.quadrant) {
    case 1:
      return {-s, c};
    case 2:
      return {-c, -s};
    case 3:
      return {s, -c};
    default:
      return {c, s};
  }
}

}  // namespace vellmora
