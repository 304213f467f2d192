#include "ephem/elpmpp02.h"

#include <array>
#include <cmath>
#include <numbers>
#include <span>

#include "ephem/constants.h"
#include "series/elpmpp02_tables.h"

namespace vellmora {
namespace {

constexpr double kArcsecondsPerRevolution = 1296000;

constexpr double Dms(double degrees, double minutes, double seconds) { return degrees * 3600 + minutes * 60 + seconds; }

// The corrections of the constants fitted to DE405/DE406, arcseconds and
// arcseconds per century^n; the last six bring the solution near DE406 over
// six millennia.
struct FittedConstants {
  double W1[5] = {-0.07008, -0.35106, -0.03743, -0.00018865, -0.00001024};
  double W2[4] = {0.20794, 0.08017, 0.00470602, -0.00025213};
  double W3[4] = {-0.07215, -0.04317, -0.00261070, -0.00010712};
  double Gamma = 0.00085;
  double E = -0.00006;
  double EarthMoon[2] = {-0.00033, 0.00732};
  double Perihelion = -0.00749;
  double SolarEccentricity = 0.00224;
};
constexpr FittedConstants kDE{};

// Derivatives of the mean motions of the perigee (2) and the node (3) by the
// constants, and the ratios m and alpha of the solution.
constexpr double kB2[5] = {0.311079095, -0.004482398, -0.001102485, 0.001056062, 0.000050928};
constexpr double kB3[5] = {-0.103837907, 0.000668287, -0.001298072, -0.000178028, -0.000037342};
constexpr double kM = 0.074801329;
constexpr double kAlpha = 0.002571881;

constexpr double kW1Rate = 1732559343.73604 + kDE.W1[1];
constexpr double kW2Rate = 14643420.3171 + kDE.W2[1];
constexpr double kW3Rate = -6967919.5383 + kDE.W3[1];

constexpr double NodeOrPerigeeRateCorrection(const double (&b)[5], double rate) {
  const double b1 = b[0] + 2 * kAlpha / (3 * kM) * b[4];
  return (rate / kW1Rate - kM * b1) * kDE.W1[1] + b1 * kDE.EarthMoon[1] +
         kW1Rate * (b[1] * kDE.Gamma + b[2] * kDE.E + b[3] * kDE.SolarEccentricity) / kArcsecondsPerRadian;
}
constexpr double kDeltaW2Rate = NodeOrPerigeeRateCorrection(kB2, kW2Rate);
constexpr double kDeltaW3Rate = NodeOrPerigeeRateCorrection(kB3, kW3Rate);

// Factors of the amplitudes of the main problem: A~ = fA A + sum fBj Bj (fA
// only for distance).
constexpr double kDeltaNu = 0.55604 + kDE.W1[1];
constexpr double kDeltaEarthMoon = -0.0642 + kDE.EarthMoon[1];
constexpr double kFactorA = 1 - 2 * kDeltaNu / (3 * kW1Rate);
constexpr std::array<double, 5> kFactorsB = {
    (kDeltaEarthMoon - kM * kDeltaNu) / kW1Rate,
    (-0.08066 + kDE.Gamma) / kArcsecondsPerRadian,
    (0.01789 + kDE.E) / kArcsecondsPerRadian,
    (-0.12879 + kDE.SolarEccentricity) / kArcsecondsPerRadian,
    2 * kAlpha / (3 * kM * kW1Rate) * (kDeltaEarthMoon - kM * kDeltaNu),
};

// The solution's distance unit over the fitted one.
constexpr double kDistanceScale = 384747.961370173 / 384747.980674318;

// A polynomial in T with coefficients in arcseconds, reduced to radians.
double Angle(std::initializer_list<double> coefficients, double T) {
  double value = 0;
  double power = 1;
  for (double c : coefficients) {
    value += std::fmod(c * power, kArcsecondsPerRevolution);
    power *= T;
  }
  return value / kArcsecondsPerRadian;
}

// The 13 arguments: D, F, l, l', the mean longitudes of Mercury, Venus, the
// Earth-Moon barycentre, Mars, Jupiter, Saturn, Uranus, Neptune, and zeta; and W1.
struct Arguments {
  std::array<double, 13> Values;
  double W1;
};

Arguments ArgumentsAt(double T) {
  const double w1 = Angle(
      {Dms(218, 18, 59.95571) + kDE.W1[0], kW1Rate, -6.8084 + kDE.W1[2], 0.006604 + kDE.W1[3], -0.00003169 + kDE.W1[4]},
      T);
  const double w2 = Angle({Dms(83, 21, 11.67475) + kDE.W2[0], kW2Rate + kDeltaW2Rate, -38.2631 + kDE.W2[2],
                           -0.045047 + kDE.W2[3], 0.00021301},
                          T);
  const double w3 = Angle(
      {Dms(125, 2, 40.39816) + kDE.W3[0], kW3Rate + kDeltaW3Rate, 6.359 + kDE.W3[2], 0.007625 + kDE.W3[3], -0.00003586},
      T);
  const double earthMoon =
      Angle({Dms(100, 27, 59.13885) + kDE.EarthMoon[0], 129597742.293 + kDE.EarthMoon[1], -0.0202, 9e-6, 1.5e-7}, T);
  const double perihelion =
      Angle({Dms(102, 56, 14.45766) + kDE.Perihelion, 1161.24342, 0.529265, -1.1814e-4, 1.1379e-5}, T);
  return {{
              w1 - earthMoon + std::numbers::pi,  // D
              w1 - w3,                            // F
              w1 - w2,                            // l
              earthMoon - perihelion,             // l'
              Angle({Dms(252, 15, 3.216919), 538101628.66888}, T), Angle({Dms(181, 58, 44.758419), 210664136.45777}, T),
              Angle({Dms(100, 27, 59.13885), 129597742.293}, T), Angle({Dms(355, 26, 3.642778), 68905077.65936}, T),
              Angle({Dms(34, 21, 5.379392), 10925660.57335}, T), Angle({Dms(50, 4, 38.902495), 4399609.33632}, T),
              Angle({Dms(314, 3, 4.354234), 1542482.57845}, T), Angle({Dms(304, 20, 56.808371), 786547.897}, T),
              w1 + Angle({0, 5028.79695}, T),  // zeta
          },
          w1};
}

std::size_t TermCount(std::size_t kept, std::size_t all, LunarSeriesExtent extent) {
  return extent == LunarSeriesExtent::Truncated ? kept : all;
}

// The main problem: a sine series (longitude, latitude) or a cosine series (distance).
double MainSum(const ElpMainSeries& series, const Arguments& args, bool cosine, double factorA,
               LunarSeriesExtent extent) {
  double sum = 0;
  const std::size_t count = TermCount(series.Kept, series.Terms.size(), extent);
  for (const ElpMainTerm& term : series.Terms.first(count)) {
    double angle = 0;
    for (int k = 0; k < 4; ++k) angle += term.Multipliers[k] * args.Values[k];
    double amplitude = factorA * term.A;
    for (int j = 0; j < 5; ++j) amplitude += kFactorsB[j] * term.B[j];
    sum += amplitude * (cosine ? std::cos(angle) : std::sin(angle));
  }
  return sum;
}

// The perturbations, a polynomial in T whose coefficients are sine series.
double PerturbationSum(std::span<const ElpPerturbationSeries> byPower, const Arguments& args, double T,
                       LunarSeriesExtent extent) {
  double sum = 0;
  double power = 1;
  for (const ElpPerturbationSeries& series : byPower) {
    double partial = 0;
    const std::size_t count = TermCount(series.Kept, series.Terms.size(), extent);
    for (const ElpPerturbationTerm& term : series.Terms.first(count)) {
      double angle = term.Phase;
      for (int k = 0; k < 13; ++k) angle += term.Multipliers[k] * args.Values[k];
      partial += term.A * std::sin(angle);
    }
    sum += partial * power;
    power *= T;
  }
  return sum;
}

}  // namespace

Vector3 MoonPositionJ2000(double T, LunarSeriesExtent extent) {
  const Arguments args = ArgumentsAt(T);
  const double longitude = args.W1 + MainSum(ElpMainLongitude, args, false, 1, extent) +
                           PerturbationSum(ElpLongitudePerturbations, args, T, extent);
  const double latitude =
      MainSum(ElpMainLatitude, args, false, 1, extent) + PerturbationSum(ElpLatitudePerturbations, args, T, extent);
  const double distance = kDistanceScale * (MainSum(ElpMainDistance, args, true, kFactorA, extent) +
                                            PerturbationSum(ElpDistancePerturbations, args, T, extent));

  // From the mean ecliptic of date to that of J2000 (Laskar's P and Q).
  const double p =
      T * (0.10180391e-4 + T * (0.47020439e-6 + T * (-0.5417367e-9 + T * (-0.2507948e-11 + T * 0.463486e-14))));
  const double q =
      T * (-0.113469002e-3 + T * (0.12372674e-6 + T * (0.1265417e-8 + T * (-0.1371808e-11 + T * -0.320334e-14))));
  const double root = std::sqrt(1 - p * p - q * q);
  const Vector3 ofDate{distance * std::cos(longitude) * std::cos(latitude),
                       distance * std::sin(longitude) * std::cos(latitude), distance * std::sin(latitude)};
  return {(1 - 2 * p * p) * ofDate.x + 2 * p * q * ofDate.y + 2 * p * root * ofDate.z,
          2 * p * q * ofDate.x + (1 - 2 * q * q) * ofDate.y - 2 * q * root * ofDate.z,
          -2 * p * root * ofDate.x + 2 * q * root * ofDate.y + (1 - 2 * p * p - 2 * q * q) * ofDate.z};
}

}  // namespace vellmora
