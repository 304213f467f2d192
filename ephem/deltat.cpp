#include "ephem/deltat.h"

#include <cmath>

namespace vellmora {

namespace {

constexpr double SecondsPerDay = 86400;

// Sum of coefficients[k] * c^k by Horner's rule.
template <std::size_t Count>
double Polynomial(const double (&coefficients)[Count], double c) {
  double sum = 0;
  for (std::size_t k = Count; k-- > 0;) sum = sum * c + coefficients[k];
  return sum;
}

// Delta-T in days for 1800 to 1899, powers of the centuries since 1900.
constexpr double NineteenthCentury[] = {-0.000009, 0.003844,  0.083563,  0.865736,  4.867575, 15.845535,
                                        31.332267, 38.291999, 28.316289, 11.636204, 2.043794};

// Delta-T in days for 1900 to 1987.
constexpr double TwentiethCentury[] = {-0.00002, 0.000297,  0.025184, -0.181133,
                                       0.553040, -0.861938, 0.677066, -0.212591};

}  // namespace

double JulianDayAtMidnight(int year, int month, int day) {
  const int key = year * 10000 + month * 100 + day;
  double y = year + 4712;
  double m = month + 1;
  if (month <= 2) {
    y -= 1;
    m += 12;
  }
  double e;
  if (key < 15821015) {
    e = -63.5;  // Julian calendar
  } else {
    const double a = std::trunc((y + 88) / 100);
    e = std::trunc(0.25 * a) - a - 25.5;
  }
  return std::trunc(365.25 * y) + std::trunc(30.6001 * m) + day + e;
}

double CenturiesSince1900(int year) { return (JulianDayAtMidnight(year, 7, 1) - 2415020) / 36525; }

double DaysSinceDeltaTEpoch(int year) { return JulianDayAtMidnight(year, 7, 1) - 2382149; }

double DeltaT(int year) {
  if (year >= 1619 && year <= 1799) {
    const double u = year - 1600;
    return (196.58333 - 4.0675 * u + 0.0219167 * u * u) / SecondsPerDay;
  }
  if (year >= 1800 && year <= 1899) return Polynomial(NineteenthCentury, CenturiesSince1900(year));
  if (year >= 1900 && year <= 1987) return Polynomial(TwentiethCentury, CenturiesSince1900(year));
  if (year >= 1988 && year <= 2020) return (year - 1933) / SecondsPerDay;
  // Parabola in time, outside the tabulated centuries.
  const double n = DaysSinceDeltaTEpoch(year);
  return (n * n / 41048480 - 15) / SecondsPerDay;
}

}  // namespace vellmora
