#pragma once

#include <array>

#include "ephem/equatorial_fit.h"
#include "ephem/sunlib.h"

// The precise Moon: mean arguments with long-periodic corrections, the main
// series of solar perturbations, a latitude series and planetary terms.

namespace vellmora {

// sin(2 pi Frac(x)) for an angle x in revolutions; Frac keeps the sign.
long double SineOfRevolutions(long double x);

// Long-periodic corrections of the mean arguments (arcseconds) and of the
// latitude amplitude factor (dimensionless).
struct LunarLongPeriodicCorrections {
  long double DeltaL0;
  long double DeltaL;
  long double DeltaLS;
  long double DeltaF;
  long double DeltaD;
  long double DeltaGamma;
};

LunarLongPeriodicCorrections LunarLongPeriodicTerms(double T);

// The mean arguments of the lunar theory, the order of their columns in the
// multiple-angle tables.
enum LunarArgument { ArgumentL = 0, ArgumentLS = 1, ArgumentF = 2, ArgumentD = 3 };

inline constexpr int kLunarMaxMultiple = 6;

// Working state of one evaluation of the lunar series: mean arguments, scaled
// multiple-angle tables and the accumulators of the term series.
struct LunarSeriesState {
  long double L0 = 0;  // mean longitude of the Moon, radians
  long double L = 0;   // mean anomaly of the Moon
  long double LS = 0;  // mean anomaly of the Sun
  long double F = 0;   // mean distance from the node
  long double D = 0;   // mean elongation from the Sun
  // tc[a][j + kLunarMaxMultiple], ts[...]: cosine and sine of multiple j of argument a,
  // each multiple carrying the argument's scale factor to the power j.
  std::array<std::array<long double, 2 * kLunarMaxMultiple + 1>, 4> tc{};
  std::array<std::array<long double, 2 * kLunarMaxMultiple + 1>, 4> ts{};
  long double SumL = 0;  // longitude, arcseconds
  long double SumS = 0;  // argument of latitude, arcseconds
  long double SumG = 0;  // correction of the latitude amplitude, arcseconds
  long double SumP = 0;  // sine of the horizontal parallax, arcseconds
  long double SumN = 0;  // latitude, arcseconds
};

// Mean arguments with their corrections and the multiple-angle tables; the
// accumulators start afresh (parallax at its constant 3422.7).
LunarSeriesState LunarMeanArguments(double T, const LunarLongPeriodicCorrections& corrections);

// One term of the main series in the argument p L + q LS + r F + s D.
void AddSolarTerm(LunarSeriesState& state, long double CL, long double CS, long double CG, long double CP, int p, int q,
                  int r, int s);

// One term of the latitude series in the argument p L + q LS + r F + s D.
void AddLatitudeTerm(LunarSeriesState& state, long double CN, int p, int q, int r, int s);

// Ecliptic longitude (degrees, (-360, 360)), latitude (degrees) and distance
// (Earth radii), mean ecliptic and equinox of date.
EclipticPosition MoonEclipticCoordinates(double T);

// True equator and equinox of date, distance in Earth radii, no light time.
EquatorialPosition MoonEquatorialCoordinates(double T);

// Fit of degree N (<= kMaxChebyshevDegree) over [TA, TB], TB > TA.
EquatorialFit FitMoonChebyshev(double TA, double TB, int N);

}  // namespace vellmora
