#include "ephem/pnulib.h"

#include <cmath>

namespace vellmora {

namespace {

// 2 pi as the precession and nutation module writes it, deliberately not std::numbers::pi.
constexpr double kTwoPi = 6.283185307;
constexpr double kArcsecondsPerRadian = 206264.8062;

// 2 pi times the fractional part of u, keeping the sign of u.
double Revolutions(double u) { return kTwoPi * (u - std::trunc(u)); }

}  // namespace

void ApplyNutation(Vector3& v, double T) {
  const double ls = Revolutions(0.993133 + 99.997306 * T);   // mean anomaly of the Sun
  const double d = Revolutions(0.827362 + 1236.853087 * T);  // mean elongation of the Moon
  const double f = Revolutions(0.259089 + 1342.227826 * T);  // Moon's argument of latitude
  const double n = Revolutions(0.347346 - 5.372447 * T);     // longitude of the Moon's ascending node
  const double obliquity = 0.4090928 - 0.00022696 * T;

  const double dpsi = (-17.2 * std::sin(n) - 1.319 * std::sin(2 * (f - d + n)) - 0.227 * std::sin(2 * (f + n)) +
                       0.206 * std::sin(2 * n) + 0.143 * std::sin(ls)) /
                      kArcsecondsPerRadian;
  const double deps = (9.203 * std::cos(n) + 0.574 * std::cos(2 * (f - d + n)) + 0.098 * std::cos(2 * (f + n)) -
                       0.090 * std::cos(2 * n)) /
                      kArcsecondsPerRadian;

  const double c = dpsi * std::cos(obliquity);
  const double s = dpsi * std::sin(obliquity);
  const Vector3 delta{-(c * v.y + s * v.z), c * v.x - deps * v.z, s * v.x + deps * v.y};
  v.x += delta.x;
  v.y += delta.y;
  v.z += delta.z;
}

}  // namespace vellmora
