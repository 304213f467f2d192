#include "ephem/precession_nutation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "ephem/constants.h"
#include "series/precession_nutation_tables.h"

namespace vellmora {
namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr double kArcsecondsPerRevolution = 1296000;
// Units of the nutation coefficients: 0.1 microarcseconds.
constexpr double kRadiansPerNutationUnit = 1e-7 * kRadiansPerArcsecond;
// The planetary nutation that the 2000B model leaves out, as fixed offsets.
constexpr double kPlanetaryNutationLongitude = -0.135e-3 * kRadiansPerArcsecond;
constexpr double kPlanetaryNutationObliquity = 0.388e-3 * kRadiansPerArcsecond;

// The two coordinates of a precessing pole, radians.
struct PoleCoordinates {
  double First;
  double Second;
};

PoleCoordinates PoleAt(const PrecessionPole& pole, double T) {
  const auto cubic = [T](const std::array<double, 4>& c) { return c[0] + T * (c[1] + T * (c[2] + T * c[3])); };
  double first = cubic(pole.Polynomials[0]);
  double second = cubic(pole.Polynomials[1]);
  for (const PrecessionPeriodicTerm& term : pole.Periodic) {
    const double angle = kTwoPi * T / term.PeriodCenturies;
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    first += term.CosFirst * c + term.SinFirst * s;
    second += term.CosSecond * c + term.SinSecond * s;
  }
  return {first * kRadiansPerArcsecond, second * kRadiansPerArcsecond};
}

// Unit vectors of the poles of the ecliptic and of the equator of date in the
// mean equator and equinox of J2000.
Vector3 EclipticPoleVector(double T) {
  const PoleCoordinates pq = PoleAt(EclipticPole, T);
  const double z = std::sqrt(std::max(1 - pq.First * pq.First - pq.Second * pq.Second, 0.0));
  const double s = std::sin(kObliquityJ2000);
  const double c = std::cos(kObliquityJ2000);
  return {pq.First, -pq.Second * c - z * s, -pq.Second * s + z * c};
}

Vector3 EquatorPoleVector(double T) {
  const PoleCoordinates xy = PoleAt(EquatorPole, T);
  return {xy.First, xy.Second, std::sqrt(std::max(1 - xy.First * xy.First - xy.Second * xy.Second, 0.0))};
}

Vector3 Normalized(const Vector3& v) {
  const double n = VectorNorm(v);
  return {v.x / n, v.y / n, v.z / n};
}

// A Delaunay argument from its polynomial in arcseconds, radians.
double Argument(double constant, double rate, double T) {
  return std::fmod(constant + rate * T, kArcsecondsPerRevolution) * kRadiansPerArcsecond;
}

}  // namespace

RotationMatrix PrecessionMatrix(double T) {
  const Vector3 equatorPole = EquatorPoleVector(T);
  // The equinox is the ascending node of the ecliptic on the equator.
  const Vector3 equinox = Normalized(CrossProduct(equatorPole, EclipticPoleVector(T)));
  return {equinox, CrossProduct(equatorPole, equinox), equatorPole};
}

double MeanObliquity(double T) {
  return std::acos(std::clamp(DotProduct(EclipticPoleVector(T), EquatorPoleVector(T)), -1.0, 1.0));
}

NutationAngles Nutation(double T) {
  const double arguments[5] = {
      Argument(485868.249036, 1717915923.2178, T),  // l
      Argument(1287104.79305, 129596581.0481, T),   // l'
      Argument(335779.526232, 1739527262.8478, T),  // F
      Argument(1072260.70369, 1602961601.2090, T),  // D
      Argument(450160.398036, -6962890.5431, T),    // Omega
  };
  double longitude = 0;
  double obliquity = 0;
  for (const NutationTerm& term : NutationSeries) {
    double angle = 0;
    for (int k = 0; k < 5; ++k) angle += term.Multipliers[k] * arguments[k];
    const double s = std::sin(angle);
    const double c = std::cos(angle);
    longitude += (term.PsiSin + term.PsiSinRate * T) * s + term.PsiCos * c;
    obliquity += (term.EpsCos + term.EpsCosRate * T) * c + term.EpsSin * s;
  }
  return {longitude * kRadiansPerNutationUnit + kPlanetaryNutationLongitude,
          obliquity * kRadiansPerNutationUnit + kPlanetaryNutationObliquity};
}

TrueEquatorOfDate TrueEquatorAt(double T) {
  const double epsilon = MeanObliquity(T);
  const NutationAngles nutation = Nutation(T);
  const RotationMatrix nutationMatrix =
      FrameRotationX(-(epsilon + nutation.Obliquity)) * FrameRotationZ(-nutation.Longitude) * FrameRotationX(epsilon);
  return {nutationMatrix * PrecessionMatrix(T), nutation.Longitude * std::cos(epsilon)};
}

}  // namespace vellmora
