#pragma once

#include <functional>

namespace vellmora {

// Root of f between a and b by the Pegasus variant of regula falsi: at most 30
// steps, stopping once the bracket is no wider than `tolerance`. Without a sign
// change between f(a) and f(b) the result is a.
double SolveBracketed(const std::function<double(double)>& f, double a, double b, double tolerance);

}  // namespace vellmora
