#include "ephem/equatorial_fit.h"

#include <array>
#include <cmath>

namespace vellmora {

namespace {

// Pi of the Chebyshev nodes as the fit writes it, deliberately not std::numbers::pi.
constexpr double kPi = 3.1415926535898;

// cos(k phi) for k = 0 .. 2N + 1 by the Chebyshev recurrence.
using CosineTable = std::array<double, 2 * kMaxChebyshevDegree + 2>;

void FillCosines(CosineTable& h, int N, double phi) {
  h[0] = 1;
  h[1] = std::cos(phi);
  for (int k = 2; k <= 2 * N + 1; ++k) h[k] = 2 * h[1] * h[k - 1] - h[k - 2];
}

}  // namespace

EquatorialFit FitEquatorialChebyshev(double TA, double TB, int N, EquatorialPosition (*positionAt)(double T)) {
  EquatorialFit fit;
  for (ChebyshevFit* record : {&fit.RightAscension, &fit.Declination, &fit.Distance}) {
    record->Degree = N;
    record->IntervalStart = TA;
    record->IntervalEnd = TB;
  }

  const double half = (TB - TA) / 2;
  const double mid = (TB + TA) / 2;
  const double fac = 2.0 / (N + 1);
  CosineTable h{};
  FillCosines(h, N, kPi / (2 * N + 2));

  // Positions at the nodes, which run from near TB down to near TA.
  constexpr int kMaxNodes = kMaxChebyshevDegree + 1;
  std::array<double, kMaxNodes> ra{};
  std::array<double, kMaxNodes> dec{};
  std::array<double, kMaxNodes> dist{};
  for (int k = 0; k <= N; ++k) {
    const EquatorialPosition position = positionAt(mid + half * h[2 * k + 1]);
    ra[k] = position.RightAscension;
    dec[k] = position.Declination;
    dist[k] = position.Distance;
  }

  // Backwards in time the right ascension falls; a rise means it passed 0,
  // so the earlier values are carried below 0 to keep the curve continuous.
  for (int k = 0; k < N; ++k) {
    if (ra[k] < ra[k + 1]) ra[k + 1] -= 360;
  }

  for (int j = 0; j <= N; ++j) {
    FillCosines(h, N, kPi * j / (2 * N + 2));
    double raSum = 0;
    double decSum = 0;
    double distSum = 0;
    for (int k = 0; k <= N; ++k) {
      raSum += h[2 * k + 1] * ra[k];
      decSum += h[2 * k + 1] * dec[k];
      distSum += h[2 * k + 1] * dist[k];
    }
    fit.RightAscension.Coefficients[j] = fac * raSum;
    fit.Declination.Coefficients[j] = fac * decSum;
    fit.Distance.Coefficients[j] = fac * distSum;
  }
  return fit;
}

}  // namespace vellmora
