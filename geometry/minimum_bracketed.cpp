#include "geometry/minimum_bracketed.h"

#include <cmath>

namespace vellmora {

double MinimumBracketed(const std::function<double(double)>& f, double a, double b, double tolerance) {
  // Each step keeps the part of the bracket around the lesser of two inner
  // samples; the golden ratio lets the kept sample serve in the next step.
  const double shrink = (std::sqrt(5.0) - 1) / 2;
  double lower = a + (1 - shrink) * (b - a);
  double upper = a + shrink * (b - a);
  double fLower = f(lower);
  double fUpper = f(upper);
  constexpr int kMaxSteps = 100;  // narrows the bracket 1e20-fold; guards a tolerance below rounding
  for (int step = 0; step < kMaxSteps && std::abs(b - a) > tolerance; ++step) {
    if (fLower <= fUpper) {
      b = upper;
      upper = lower;
      fUpper = fLower;
      lower = a + (1 - shrink) * (b - a);
      fLower = f(lower);
    } else {
      a = lower;
      lower = upper;
      fLower = fUpper;
      upper = a + shrink * (b - a);
      fUpper = f(upper);
    }
  }
  return fLower <= fUpper ? lower : upper;
}

}  // namespace vellmora
