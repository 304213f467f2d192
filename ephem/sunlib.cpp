#include "ephem/sunlib.h"

#include <array>
#include <cmath>
#include <span>

#include "ephem/extended_math.h"
#include "ephem/pnulib.h"
#include "ephem/sphlib.h"

namespace vellmora {

namespace {

// 2 pi as the solar theory writes it, deliberately not std::numbers::pi.
constexpr long double kTwoPi = 6.283185307L;

// Light time Sun-Earth (8.32 minutes) in Julian centuries.
constexpr double kLightTime = 1.581869343676325e-7;

// Mean anomaly or mean argument in radians: 2 pi Frac(a + b T).
long double MeanArgument(long double a, long double b, long double T) { return kTwoPi * ExtendedFrac(a + b * T); }

// One periodic term: i times the Earth's mean anomaly plus j times the planet's,
// times T^t; coefficients in arcseconds (L, B) and 1e-6 AU (R).
struct SolarTerm {
  int i;
  int j;
  int t;
  double Lc;
  double Ls;
  double Rc;
  double Rs;
  double Bc;
  double Bs;
};

// The Earth's elliptic terms (planet multiple 0), then the perturbations by Venus.
constexpr SolarTerm kEarthAndVenusTerms[] = {
    {1, 0, 0, -0.22, 6892.76, -16707.37, -0.54, 0.00, 0.00}, {1, 0, 1, -0.06, -17.35, 42.04, -0.15, 0.00, 0.00},
    {1, 0, 2, -0.01, -0.05, 0.13, -0.02, 0.00, 0.00},        {2, 0, 0, 0.00, 71.98, -139.57, 0.00, 0.00, 0.00},
    {2, 0, 1, 0.00, -0.36, 0.70, 0.00, 0.00, 0.00},          {3, 0, 0, 0.00, 1.04, -1.75, 0.00, 0.00, 0.00},
    {0, -1, 0, 0.03, -0.07, -0.16, -0.07, 0.02, -0.02},      {1, -1, 0, 2.35, -4.23, -4.75, -2.64, 0.00, 0.00},
    {1, -2, 0, -0.10, 0.06, 0.12, 0.20, 0.02, 0.00},         {2, -1, 0, -0.06, -0.03, 0.20, -0.01, 0.01, -0.09},
    {2, -2, 0, -4.70, 2.90, 8.28, 13.42, 0.01, -0.01},       {3, -2, 0, 1.80, -1.74, -1.44, -1.57, 0.04, -0.06},
    {3, -3, 0, -0.67, 0.03, 0.11, 2.43, 0.01, 0.00},         {4, -2, 0, 0.03, -0.03, 0.10, 0.09, 0.01, -0.01},
    {4, -3, 0, 1.51, -0.40, -0.88, -3.36, 0.18, -0.10},      {4, -4, 0, -0.19, -0.09, -0.38, 0.77, 0.00, 0.00},
    {5, -3, 0, 0.76, -0.68, 0.30, 0.37, 0.01, 0.00},         {5, -4, 0, -0.14, -0.04, -0.11, 0.43, -0.03, 0.00},
    {5, -5, 0, -0.05, -0.07, -0.31, 0.21, 0.00, 0.00},       {6, -4, 0, 0.15, -0.04, -0.06, -0.21, 0.01, 0.00},
    {6, -5, 0, -0.03, -0.03, -0.09, 0.09, -0.01, 0.00},      {6, -6, 0, 0.00, -0.04, -0.18, 0.02, 0.00, 0.00},
    {7, -5, 0, -0.12, -0.03, -0.08, 0.31, -0.02, -0.01},
};

constexpr SolarTerm kMarsTerms[] = {
    {1, -1, 0, -0.22, 0.17, -0.21, -0.27, 0.00, 0.00}, {1, -2, 0, -1.66, 0.62, 0.16, 0.28, 0.00, 0.00},
    {2, -2, 0, 1.96, 0.57, -1.32, 4.55, 0.00, 0.01},   {2, -3, 0, 0.40, 0.15, -0.17, 0.46, 0.00, 0.00},
    {2, -4, 0, 0.53, 0.26, 0.09, -0.22, 0.00, 0.00},   {3, -3, 0, 0.05, 0.12, -0.35, 0.15, 0.00, 0.00},
    {3, -4, 0, -0.13, -0.48, 1.06, -0.29, 0.01, 0.00}, {3, -5, 0, -0.04, -0.20, 0.20, -0.04, 0.00, 0.00},
    {4, -4, 0, 0.00, -0.03, 0.10, 0.04, 0.00, 0.00},   {4, -5, 0, 0.05, -0.07, 0.20, 0.14, 0.00, 0.00},
    {4, -6, 0, -0.10, 0.11, -0.23, -0.22, 0.00, 0.00}, {5, -7, 0, -0.05, 0.00, 0.01, -0.14, 0.00, 0.00},
    {5, -8, 0, 0.05, 0.01, -0.02, 0.10, 0.00, 0.00},
};

constexpr SolarTerm kJupiterTerms[] = {
    {-1, -1, 0, 0.01, 0.07, 0.18, -0.02, 0.00, -0.02},   {0, -1, 0, -0.31, 2.58, 0.52, 0.34, 0.02, 0.00},
    {1, -1, 0, -7.21, -0.06, 0.13, -16.27, 0.00, -0.02}, {1, -2, 0, -0.54, -1.52, 3.09, -1.12, 0.01, -0.17},
    {1, -3, 0, -0.03, -0.21, 0.38, -0.06, 0.00, -0.02},  {2, -1, 0, -0.16, 0.05, -0.18, -0.31, 0.01, 0.00},
    {2, -2, 0, 0.14, -2.73, 9.23, 0.48, 0.00, 0.00},     {2, -3, 0, 0.07, -0.55, 1.83, 0.25, 0.01, 0.00},
    {2, -4, 0, 0.02, -0.08, 0.25, 0.06, 0.00, 0.00},     {3, -2, 0, 0.01, -0.07, 0.16, 0.04, 0.00, 0.00},
    {3, -3, 0, -0.16, -0.03, 0.08, -0.64, 0.00, 0.00},   {3, -4, 0, -0.04, -0.01, 0.03, -0.17, 0.00, 0.00},
};

constexpr SolarTerm kSaturnTerms[] = {
    {0, -1, 0, 0.00, 0.32, 0.01, 0.00, 0.00, 0.00},
    {1, -1, 0, -0.08, -0.41, 0.97, -0.18, 0.00, -0.01},
    {1, -2, 0, 0.04, 0.10, -0.23, 0.10, 0.00, 0.00},
    {2, -2, 0, 0.04, 0.10, -0.35, 0.13, 0.00, 0.00},
};

static_assert(std::size(kEarthAndVenusTerms) + std::size(kMarsTerms) + std::size(kJupiterTerms) +
                  std::size(kSaturnTerms) ==
              52);

// Cosines and sines of multiples of one mean anomaly.
struct MultipleAngles {
  std::array<long double, 9> c{};
  std::array<long double, 9> s{};
};

// Earth: multiples -1 .. 7 stored at index multiple + 1.
MultipleAngles EarthMultiples(long double meanAnomaly) {
  MultipleAngles table;
  const CosSin first = ExtendedCosSin(meanAnomaly);
  const long double c1 = first.c;
  const long double s1 = first.s;
  table.c[1] = 1;
  table.c[2] = c1;
  table.s[2] = s1;
  for (int i = 2; i <= 7; ++i) {
    const CosSin next = CombineCosSin(table.c[i], table.s[i], c1, s1);
    table.c[i + 1] = next.c;
    table.s[i + 1] = next.s;
  }
  table.c[0] = c1;  // multiple -1, the mirror of multiple 1
  table.s[0] = -s1;
  return table;
}

// Planet: multiples 0, -1 .. -lowest stored at index -multiple.
MultipleAngles PlanetMultiples(long double meanAnomaly, int lowest) {
  MultipleAngles table;
  const CosSin first = ExtendedCosSin(meanAnomaly);
  const long double c1 = first.c;
  const long double s1 = -first.s;
  table.c[0] = 1;
  table.c[1] = c1;
  table.s[1] = s1;
  for (int j = 2; j <= lowest; ++j) {
    const CosSin next = CombineCosSin(table.c[j - 1], table.s[j - 1], c1, s1);
    table.c[j] = next.c;
    table.s[j] = next.s;
  }
  return table;
}

// Longitude and latitude in arcseconds, distance in 1e-6 AU.
struct SolarSums {
  long double L = 0;
  long double R = 0;
  long double B = 0;
};

void AddPlanetTerms(std::span<const SolarTerm> terms, const MultipleAngles& earth, const MultipleAngles& planet,
                    long double T, SolarSums& sums) {
  long double u = 0;
  long double v = 0;
  for (const SolarTerm& term : terms) {
    if (term.t == 0) {
      const CosSin angle =
          CombineCosSin(earth.c[term.i + 1], earth.s[term.i + 1], planet.c[-term.j], planet.s[-term.j]);
      u = angle.c;
      v = angle.s;
    } else {
      // Higher powers of T of the same argument.
      u *= T;
      v *= T;
    }
    sums.L += term.Lc * u + term.Ls * v;
    sums.R += term.Rc * u + term.Rs * v;
    sums.B += term.Bc * u + term.Bs * v;
  }
}

}  // namespace

EclipticPosition SunEclipticCoordinates(double time) {
  const long double T = time;
  const long double mVenus = MeanArgument(0.1387306L, 162.5485917L, T);
  const long double mEarth = MeanArgument(0.9931266L, 99.9973604L, T);
  const long double mMars = MeanArgument(0.0543250L, 53.1666028L, T);
  const long double mJupiter = MeanArgument(0.0551750L, 8.4293972L, T);
  const long double mSaturn = MeanArgument(0.8816500L, 3.3938722L, T);
  const long double d = MeanArgument(0.8274L, 1236.8531L, T);
  const long double mMoon = MeanArgument(0.3749L, 1325.5524L, T);
  const long double fMoon = MeanArgument(0.2591L, 1342.2278L, T);

  const MultipleAngles earth = EarthMultiples(mEarth);
  SolarSums sums;
  AddPlanetTerms(kEarthAndVenusTerms, earth, PlanetMultiples(mVenus, 6), T, sums);
  AddPlanetTerms(kMarsTerms, earth, PlanetMultiples(mMars, 8), T, sums);
  AddPlanetTerms(kJupiterTerms, earth, PlanetMultiples(mJupiter, 4), T, sums);
  AddPlanetTerms(kSaturnTerms, earth, PlanetMultiples(mSaturn, 2), T, sums);

  // Perturbations by the Moon.
  const CosSin elongation = ExtendedCosSin(d);
  const CosSin elongationLessMoon = ExtendedCosSin(d - mMoon);
  const CosSin elongationPlusMoon = ExtendedCosSin(d + mMoon);
  const CosSin elongationLessEarth = ExtendedCosSin(d - mEarth);
  const CosSin elongationPlusEarth = ExtendedCosSin(d + mEarth);
  sums.L += 6.45L * elongation.s - 0.42L * elongationLessMoon.s + 0.18L * elongationPlusMoon.s +
            0.17L * elongationLessEarth.s - 0.06L * elongationPlusEarth.s;
  sums.R += 30.76L * elongation.c - 3.06L * elongationLessMoon.c + 0.85L * elongationPlusMoon.c -
            0.58L * elongationPlusEarth.c + 0.57L * elongationLessEarth.c;
  sums.B += 0.576L * ExtendedSin(fMoon);

  // Long-period terms, arguments in revolutions.
  sums.L +=
      6.40L * ExtendedSin(kTwoPi * (0.6983L + 0.0561L * T)) + 1.87L * ExtendedSin(kTwoPi * (0.5764L + 0.4174L * T)) +
      0.27L * ExtendedSin(kTwoPi * (0.4189L + 0.3306L * T)) + 0.20L * ExtendedSin(kTwoPi * (0.3581L + 2.4814L * T));

  const long double longitude =
      360 * ExtendedFrac(0.7859453L + mEarth / kTwoPi + ((6191.2L + 1.1L * T) * T + sums.L) / 1296000);
  const long double distance = 1.0001398L - 0.0000007L * T + sums.R * 1e-6L;
  return {static_cast<double>(longitude), static_cast<double>(sums.B / 3600), static_cast<double>(distance)};
}

EquatorialPosition EclipticToTrueEquatorial(const EclipticPosition& ecliptic, double T) {
  Vector3 v = PolarToCartesian(ecliptic.Distance, ecliptic.Latitude, ecliptic.Longitude);
  EclipticToEquatorial(v, T);
  ApplyNutation(v, T);
  const PolarCoordinates polar = CartesianToPolar(v);
  return {polar.phi, polar.theta, polar.r};
}

EquatorialPosition SunEquatorialCoordinates(double T) {
  return EclipticToTrueEquatorial(SunEclipticCoordinates(T - kLightTime), T);
}

EquatorialFit FitSunChebyshev(double TA, double TB, int N) {
  return FitEquatorialChebyshev(TA, TB, N, SunEquatorialCoordinates);
}

}  // namespace vellmora
