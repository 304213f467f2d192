#pragma once

#include <functional>

namespace vellmora {

// Abscissa of the least value of f between a and b by golden-section search,
// stopping once the bracket is no wider than `tolerance`. For a function with
// one minimum in [a, b] that minimum; otherwise the least of the minima that
// the narrowing bracket keeps, which may be an end of [a, b].
double MinimumBracketed(const std::function<double(double)>& f, double a, double b, double tolerance);

}  // namespace vellmora
