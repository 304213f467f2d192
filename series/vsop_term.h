#pragma once

namespace vellmora {

// One term A cos(B + C t) of a VSOP87 series, t in Julian millennia since J2000.
struct VSOPTerm {
  long double A;  // amplitude, 10^-8 radian or 10^-8 AU
  long double B;  // phase, radians
  long double C;  // frequency, radians per Julian millennium
};

}  // namespace vellmora
