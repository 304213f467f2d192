#include "geometry/solve_bracketed.h"

#include <cmath>

namespace vellmora {

double SolveBracketed(const std::function<double(double)>& f, double a, double b, double tolerance) {
  constexpr int kMaxSteps = 30;
  double x0 = a;
  double x1 = b;
  double f0 = f(x0);
  double f1 = f(x1);
  double root = x0;
  if (f0 * f1 >= 0) return root;
  for (int step = 0; step < kMaxSteps; ++step) {
    const double x2 = x1 - f1 * (x1 - x0) / (f1 - f0);
    const double f2 = f(x2);
    if (f2 * f1 > 0) {
      // The root stays between x0 and x2: shrink the stale end's value so that
      // the next secant leans towards it instead of creeping from one side.
      f0 = f0 * f1 / (f1 + f2);
    } else {
      x0 = x1;
      f0 = f1;
    }
    x1 = x2;
    f1 = f2;
    root = std::abs(f0) < std::abs(f1) ? x0 : x1;
    if (std::abs(x1 - x0) <= tolerance) break;
  }
  return root;
}

}  // namespace vellmora
