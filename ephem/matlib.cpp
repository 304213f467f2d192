#include "ephem/matlib.h"

#include <cmath>

namespace vellmora {

namespace {

// Radians per degree, as the toolbox writes it: deliberately its own value,
// one unit in the last place above kRadiansPerDegree.
constexpr double kRad = 0.0174532925199433;

// Arcsine in degrees for |x| < 1 through the arctangent.
double ArcSinInterior(double x) { return std::atan(x / std::sqrt((1 - x) * (1 + x))) / kRad; }

}  // namespace

double SinD(double degrees) { return std::sin(degrees * kRad); }

double CosD(double degrees) { return std::cos(degrees * kRad); }

double TanD(double degrees) { return SinD(degrees) / CosD(degrees); }

double ArcSinD(double x) {
  if (std::fabs(x) == 1) return 90 * x;
  if (std::fabs(x) <= 1e-7) return x / kRad;
  return ArcSinInterior(x);
}

double ArcCosD(double x) {
  if (std::fabs(x) == 1) return 90 - 90 * x;
  if (std::fabs(x) <= 1e-7) return 90 - x / kRad;
  return 90 - ArcSinInterior(x);
}

double ArcTan2D(double y, double x) {
  if (x == 0 && y == 0) return 0;
  const double ax = std::fabs(x);
  const double ay = std::fabs(y);
  double phi = ax > ay ? std::atan(ay / ax) / kRad : 90 - std::atan(ax / ay) / kRad;
  if (x < 0) phi = 180 - phi;
  if (y < 0) phi = -phi;
  return phi;
}

Vector3 PolarToCartesian(double r, double theta, double phi) {
  const double rCosTheta = r * CosD(theta);
  return {rCosTheta * CosD(phi), rCosTheta * SinD(phi), r * SinD(theta)};
}

PolarCoordinates CartesianToPolar(const Vector3& v) {
  const double rhoSquared = v.x * v.x + v.y * v.y;
  double phi = ArcTan2D(v.y, v.x);
  if (phi < 0) phi += 360;
  return {std::sqrt(rhoSquared + v.z * v.z), ArcTan2D(v.z, std::sqrt(rhoSquared)), phi};
}

double DotProduct(const Vector3& a, const Vector3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Vector3 CrossProduct(const Vector3& a, const Vector3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

double VectorNorm(const Vector3& a) { return std::sqrt(DotProduct(a, a)); }

DegreesMinutesSeconds DegreesToDMS(double x) {
  const double a = std::fabs(x);
  const double d = std::trunc(a);
  const double minutes = (a - d) * 60;
  const double m = std::trunc(minutes);
  DegreesMinutesSeconds dms{static_cast<int>(d), static_cast<int>(m), (minutes - m) * 60};
  if (x < 0) {
    // The sign goes to the first non-zero part.
    if (dms.Degrees != 0) {
      dms.Degrees = -dms.Degrees;
    } else if (dms.Minutes != 0) {
      dms.Minutes = -dms.Minutes;
    } else {
      dms.Seconds = -dms.Seconds;
    }
  }
  return dms;
}

Parabola QuadraticInterpolation(double yMinus, double y0, double yPlus) {
  const double a = (yMinus + yPlus) / 2 - y0;
  const double b = (yPlus - yMinus) / 2;
  const double c = y0;
  Parabola parabola;
  parabola.VertexX = -b / (2 * a);
  parabola.VertexY = (a * parabola.VertexX + b) * parabola.VertexX + c;
  const double discriminant = b * b - 4 * a * c;
  if (discriminant < 0) return parabola;
  const double dx = std::sqrt(discriminant) / 2 / std::fabs(a);
  parabola.Root1 = parabola.VertexX - dx;
  parabola.Root2 = parabola.VertexX + dx;
  if (std::fabs(parabola.Root1) <= 1) ++parabola.RootCount;
  if (std::fabs(parabola.Root2) <= 1) ++parabola.RootCount;
  if (parabola.Root1 < -1) parabola.Root1 = parabola.Root2;
  return parabola;
}

double EvaluateChebyshev(const ChebyshevFit& fit, double t) {
  const double x = (2 * t - fit.IntervalStart - fit.IntervalEnd) / (fit.IntervalEnd - fit.IntervalStart);
  const double y = 2 * x;
  double f1 = 0;
  double f2 = 0;
  for (int j = fit.Degree; j >= 1; --j) {
    const double next = y * f1 - f2 + fit.Coefficients[j];
    f2 = f1;
    f1 = next;
  }
  return x * f1 - f2 + fit.Coefficients[0] / 2;
}

}  // namespace vellmora
