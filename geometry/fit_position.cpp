#include "geometry/fit_position.h"

namespace vellmora {

EquatorialPosition PositionFromFit(const EquatorialFit& fit, double t) {
  const ChebyshevFit& ra = fit.RightAscension;
  const ChebyshevFit& dec = fit.Declination;
  const ChebyshevFit& dist = fit.Distance;
  const bool alike = ra.Degree == dec.Degree && ra.Degree == dist.Degree && ra.IntervalStart == dec.IntervalStart &&
                     ra.IntervalStart == dist.IntervalStart && ra.IntervalEnd == dec.IntervalEnd &&
                     ra.IntervalEnd == dist.IntervalEnd;
  if (!alike) return {EvaluateChebyshev(ra, t), EvaluateChebyshev(dec, t), EvaluateChebyshev(dist, t)};
  // Fits made together: the three Clenshaw sums of EvaluateChebyshev run side
  // by side, each with the same operations in the same order, so that the
  // processor works on them at once.
  const double x = (2 * t - ra.IntervalStart - ra.IntervalEnd) / (ra.IntervalEnd - ra.IntervalStart);
  const double y = 2 * x;
  double f1[3] = {0, 0, 0};
  double f2[3] = {0, 0, 0};
  const ChebyshevFit* const fits[3] = {&ra, &dec, &dist};
  for (int j = ra.Degree; j >= 1; --j) {
    for (int c = 0; c < 3; ++c) {
      const double next = y * f1[c] - f2[c] + fits[c]->Coefficients[j];
      f2[c] = f1[c];
      f1[c] = next;
    }
  }
  return {x * f1[0] - f2[0] + ra.Coefficients[0] / 2, x * f1[1] - f2[1] + dec.Coefficients[0] / 2,
          x * f1[2] - f2[2] + dist.Coefficients[0] / 2};
}

}  // namespace vellmora
