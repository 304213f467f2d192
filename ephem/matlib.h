#pragma once

#include <array>

// Numerical toolbox of the ephemeris library: degree trigonometry, vectors,
// degrees/minutes/seconds, the parabola through three samples and Chebyshev
// expansions over a time interval.

namespace vellmora {

double SinD(double degrees);
double CosD(double degrees);
double TanD(double degrees);
double ArcSinD(double x);
double ArcCosD(double x);
// Angle of the point (x, y) in degrees, (-180, 180]; 0 for the origin.
double ArcTan2D(double y, double x);

struct Vector3 {
  double x;
  double y;
  double z;
};

// r, theta (latitude-like, degrees), phi (longitude-like, degrees).
struct PolarCoordinates {
  double r;
  double theta;
  double phi;
};

Vector3 PolarToCartesian(double r, double theta, double phi);
// phi in [0, 360), theta in [-90, 90].
PolarCoordinates CartesianToPolar(const Vector3& v);
double DotProduct(const Vector3& a, const Vector3& b);
Vector3 CrossProduct(const Vector3& a, const Vector3& b);
double VectorNorm(const Vector3& a);

// Sign on the first non-zero of degrees, minutes, seconds.
struct DegreesMinutesSeconds {
  int Degrees;
  int Minutes;
  double Seconds;
};

DegreesMinutesSeconds DegreesToDMS(double x);

// Parabola through (-1, yMinus), (0, y0), (+1, yPlus). Root1 and Root2 stay 0
// when there are no real roots; a single root inside [-1, 1] is always Root1.
struct Parabola {
  double VertexX = 0;
  double VertexY = 0;
  double Root1 = 0;
  double Root2 = 0;
  int RootCount = 0;
};

Parabola QuadraticInterpolation(double yMinus, double y0, double yPlus);

inline constexpr int kMaxChebyshevDegree = 13;

// Chebyshev expansion of one coordinate over [IntervalStart, IntervalEnd]
// (Julian centuries since J2000); a plain value record.
struct ChebyshevFit {
  int Degree = 0;
  double IntervalStart = 0;
  double IntervalEnd = 1;
  std::array<double, kMaxChebyshevDegree + 1> Coefficients{};
};

// Clenshaw sum; c0 counts half. No allocation, no range check on t.
double EvaluateChebyshev(const ChebyshevFit& fit, double t);

}  // namespace vellmora
