#include "ephem/moolib.h"

#include <cmath>
#include <span>

#include "ephem/extended_math.h"

namespace vellmora {

namespace {

// 2 pi as the lunar theory writes it (one unit more in the last digit than
// the solar theory), deliberately not std::numbers::pi.
constexpr long double kTwoPi = 6.283185308L;
constexpr long double kArcsecondsPerRadian = 206264.81L;

// A term of the main series: multiples of L, LS, F, D; coefficients of longitude,
// argument of latitude and latitude amplitude in arcseconds, of the parallax in
// arcseconds of its sine.
struct SolarPerturbation {
  int p;
  int q;
  int r;
  int s;
  double CL;
  double CS;
  double CG;
  double CP;
};

// Main series, first group: terms in D alone, in L and D, in LS and D, in 2L and D, in L + LS and D.
constexpr SolarPerturbation kFirstSolarGroup[] = {
    {0, 0, 0, 4, 13.902, 14.06, -0.001, 0.2607},      {0, 0, 0, 3, 0.403, -4.01, 0.394, 0.0023},
    {0, 0, 0, 2, 2369.912, 2373.36, 0.601, 28.2333},  {0, 0, 0, 1, -125.154, -112.79, -0.725, -0.9781},
    {1, 0, 0, 4, 1.979, 6.98, -0.445, 0.0433},        {1, 0, 0, 2, 191.953, 192.72, 0.029, 3.0861},
    {1, 0, 0, 1, -8.466, -13.51, 0.455, -0.1093},     {1, 0, 0, 0, 22639.500, 22609.07, 0.079, 186.5398},
    {1, 0, 0, -1, 18.609, 3.59, -0.094, 0.0118},      {1, 0, 0, -2, -4586.465, -4578.13, -0.077, 34.3117},
    {1, 0, 0, -3, 3.215, 5.44, 0.192, -0.0386},       {1, 0, 0, -4, -38.428, -38.64, 0.001, 0.6008},
    {1, 0, 0, -6, -0.393, -1.43, -0.092, 0.0086},     {0, 1, 0, 4, -0.289, -1.59, 0.123, -0.0053},
    {0, 1, 0, 2, -24.420, -25.10, 0.040, -0.3000},    {0, 1, 0, 1, 18.023, 17.93, 0.007, 0.1494},
    {0, 1, 0, 0, -668.146, -126.98, -1.302, -0.3997}, {0, 1, 0, -1, 0.560, 0.32, -0.001, -0.0037},
    {0, 1, 0, -2, -165.145, -165.06, 0.054, 1.9178},  {0, 1, 0, -4, -1.877, -6.46, -0.416, 0.0339},
    {2, 0, 0, 4, 0.213, 1.02, -0.074, 0.0054},        {2, 0, 0, 2, 14.387, 14.78, -0.017, 0.2833},
    {2, 0, 0, 1, -0.586, -1.20, 0.054, -0.0100},      {2, 0, 0, 0, 769.016, 767.96, 0.107, 10.1657},
    {2, 0, 0, -1, 1.750, 2.01, -0.018, 0.0155},       {2, 0, 0, -2, -211.656, -152.53, 5.679, -0.3039},
    {2, 0, 0, -3, 1.225, 0.91, -0.030, -0.0088},      {2, 0, 0, -4, -30.773, -34.07, -0.308, 0.3722},
    {2, 0, 0, -6, -0.570, -1.40, -0.074, 0.0109},     {1, 1, 0, 2, -2.921, -11.75, 0.787, -0.0484},
    {1, 1, 0, 1, 1.267, 1.52, -0.022, 0.0164},        {1, 1, 0, 0, -109.673, -115.18, 0.461, -0.9490},
    {1, 1, 0, -2, -205.962, -182.36, 2.056, 1.4437},  {1, 1, 0, -3, 0.233, 0.36, 0.012, -0.0025},
    {1, 1, 0, -4, -4.391, -9.66, -0.471, 0.0673},
};

// Second group: L - LS, 2 LS, 2F, 3L, 2L +- LS, L +- 2LS, 3 LS, L +- 2F with D.
constexpr SolarPerturbation kSecondSolarGroup[] = {
    {1, -1, 0, 4, 0.283, 1.53, -0.111, 0.0060},     {1, -1, 0, 2, 14.577, 31.70, -1.540, 0.2302},
    {1, -1, 0, 0, 147.687, 138.76, 0.679, 1.1528},  {1, -1, 0, -1, -1.089, 0.55, 0.021, 0.0000},
    {1, -1, 0, -2, 28.475, 23.59, -0.443, -0.2257}, {1, -1, 0, -3, -0.276, -0.38, -0.006, -0.0036},
    {1, -1, 0, -4, 0.636, 2.27, 0.146, -0.0102},    {0, 2, 0, 2, -0.189, -1.68, 0.131, -0.0028},
    {0, 2, 0, 0, -7.486, -0.66, -0.037, -0.0086},   {0, 2, 0, -2, -8.096, -16.35, -0.740, 0.0918},
    {0, 0, 2, 2, -5.741, -0.04, 0.000, -0.0009},    {0, 0, 2, 1, 0.255, 0.00, 0.000, 0.0000},
    {0, 0, 2, 0, -411.608, -0.20, 0.000, -0.0124},  {0, 0, 2, -1, 0.584, 0.84, 0.000, 0.0071},
    {0, 0, 2, -2, -55.173, -52.14, 0.000, -0.1052}, {0, 0, 2, -3, 0.254, 0.25, 0.000, -0.0017},
    {0, 0, 2, -4, 0.025, -1.67, 0.000, 0.0031},     {3, 0, 0, 2, 1.060, 2.96, -0.166, 0.0243},
    {3, 0, 0, 0, 36.124, 50.64, -1.300, 0.6215},    {3, 0, 0, -2, -13.193, -16.40, 0.258, -0.1187},
    {3, 0, 0, -4, -1.187, -0.74, 0.042, 0.0074},    {3, 0, 0, -6, -0.293, -0.31, -0.002, 0.0046},
    {2, 1, 0, 2, -0.290, -1.45, 0.116, -0.0051},    {2, 1, 0, 0, -7.649, -10.56, 0.259, -0.1038},
    {2, 1, 0, -2, -8.627, -7.59, 0.078, -0.0192},   {2, 1, 0, -4, -2.740, -2.54, 0.022, 0.0324},
    {2, -1, 0, 2, 1.181, 3.32, -0.212, 0.0213},     {2, -1, 0, 0, 9.703, 11.67, -0.151, 0.1268},
    {2, -1, 0, -1, -0.352, -0.37, 0.001, -0.0028},  {2, -1, 0, -2, -2.494, -1.17, -0.003, -0.0017},
    {2, -1, 0, -4, 0.360, 0.20, -0.012, -0.0043},   {1, 2, 0, 0, -1.167, -1.25, 0.008, -0.0106},
    {1, 2, 0, -2, -7.412, -6.12, 0.117, 0.0484},    {1, 2, 0, -4, -0.311, -0.65, -0.032, 0.0044},
    {1, -2, 0, 2, 0.757, 1.82, -0.105, 0.0112},     {1, -2, 0, 0, 2.580, 2.32, 0.027, 0.0196},
    {1, -2, 0, -2, 2.533, 2.40, -0.014, -0.0212},   {0, 3, 0, -2, -0.344, -0.57, -0.025, 0.0036},
    {1, 0, 2, 2, -0.992, -0.02, 0.000, 0.0000},     {1, 0, 2, 0, -45.099, -0.02, 0.000, -0.0010},
    {1, 0, 2, -2, -0.179, -9.52, 0.000, -0.0833},   {1, 0, 2, -4, -0.301, -0.33, 0.000, 0.0014},
    {1, 0, -2, 2, -6.382, -3.37, 0.000, -0.0481},   {1, 0, -2, 0, 39.528, 85.13, 0.000, -0.7136},
    {1, 0, -2, -2, 9.366, 0.71, 0.000, -0.0112},    {1, 0, -2, -4, 0.202, 0.02, 0.000, 0.0000},
};

// Third group: the small terms of higher order.
constexpr SolarPerturbation kThirdSolarGroup[] = {
    {0, 1, 2, 0, 0.415, 0.10, 0.000, 0.0013},      {0, 1, 2, -2, -2.152, -2.26, 0.000, -0.0066},
    {0, 1, -2, 2, -1.440, -1.30, 0.000, 0.0014},   {0, 1, -2, -2, 0.384, -0.04, 0.000, 0.0000},
    {4, 0, 0, 0, 1.938, 3.60, -0.145, 0.0401},     {4, 0, 0, -2, -0.952, -1.58, 0.052, -0.0130},
    {3, 1, 0, 0, -0.551, -0.94, 0.032, -0.0097},   {3, 1, 0, -2, -0.482, -0.57, 0.005, -0.0045},
    {3, -1, 0, 0, 0.681, 0.96, -0.026, 0.0115},    {2, 2, 0, -2, -0.297, -0.27, 0.002, -0.0009},
    {2, -2, 0, -2, 0.254, 0.21, -0.003, 0.0000},   {1, 3, 0, -2, -0.250, -0.22, 0.004, 0.0014},
    {2, 0, 2, 0, -3.996, 0.00, 0.000, 0.0004},     {2, 0, 2, -2, 0.557, -0.75, 0.000, -0.0090},
    {2, 0, -2, 2, -0.459, -0.38, 0.000, -0.0053},  {2, 0, -2, 0, -1.298, 0.74, 0.000, 0.0004},
    {2, 0, -2, -2, 0.538, 1.14, 0.000, -0.0141},   {1, 1, 2, 0, 0.263, 0.02, 0.000, 0.0000},
    {1, 1, -2, -2, 0.426, 0.07, 0.000, -0.0006},   {1, -1, 2, 0, -0.304, 0.03, 0.000, 0.0003},
    {1, -1, -2, 2, -0.372, -0.19, 0.000, -0.0027}, {0, 0, 4, 0, 0.418, 0.00, 0.000, 0.0000},
    {3, 0, 2, 0, -0.330, -0.04, 0.000, 0.0000},
};

static_assert(std::size(kFirstSolarGroup) == 35 && std::size(kSecondSolarGroup) == 46 &&
              std::size(kThirdSolarGroup) == 23);

// A term of the latitude series: multiples of L, LS, F, D and the coefficient in arcseconds.
struct LatitudeTerm {
  int p;
  int q;
  int r;
  int s;
  double CN;
};

constexpr LatitudeTerm kLatitudeTerms[] = {
    {0, 0, 1, -2, -526.069}, {0, 0, 1, -4, -3.352},   {1, 0, 1, -2, 44.297},  {1, 0, 1, -4, -6.000},
    {-1, 0, 1, 0, 20.599},   {-1, 0, 1, -2, -30.598}, {-2, 0, 1, 0, -24.649}, {-2, 0, 1, -2, -2.000},
    {0, 1, 1, -2, -22.571},  {0, -1, 1, -2, 10.985},
};

// Planetary perturbations of the longitude: amplitude (arcseconds) times the
// sine of a + b T revolutions.
struct PlanetaryTerm {
  double amplitude;
  double a;
  double b;
};

constexpr PlanetaryTerm kPlanetaryTerms[] = {
    {0.82, 0.7736, -62.5512}, {0.31, 0.0466, -125.1025}, {0.35, 0.5785, -25.1042},  {0.66, 0.4591, 1335.8075},
    {0.64, 0.3130, -91.5680}, {1.14, 0.1480, 1331.2898}, {0.21, 0.5918, 1056.5859}, {0.44, 0.5784, 1322.8595},
    {0.24, 0.2275, -5.7374},  {0.28, 0.2965, 2.6929},    {0.33, 0.3132, 6.3368},
};

// Mean argument in radians: 2 pi Frac(a + b T + c T^2) plus a correction in arcseconds.
long double MeanArgument(long double a, long double b, long double c, long double T, long double correction) {
  return kTwoPi * ExtendedFrac(a + b * T + c * T * T) + correction / kArcsecondsPerRadian;
}

// Fills multiples -highest .. highest of one argument, multiple j scaled by factor^j.
void FillMultiples(LunarSeriesState& state, LunarArgument argument, long double x, int highest, long double factor) {
  auto& tc = state.tc[argument];
  auto& ts = state.ts[argument];
  constexpr int kZero = kLunarMaxMultiple;
  tc[kZero] = 1;
  ts[kZero] = 0;
  const CosSin first = ExtendedCosSin(x);
  tc[kZero + 1] = factor * first.c;
  ts[kZero + 1] = factor * first.s;
  for (int j = 2; j <= highest; ++j) {
    const CosSin next = CombineCosSin(tc[kZero + j - 1], ts[kZero + j - 1], tc[kZero + 1], ts[kZero + 1]);
    tc[kZero + j] = next.c;
    ts[kZero + j] = next.s;
  }
  for (int j = 1; j <= highest; ++j) {
    tc[kZero - j] = tc[kZero + j];
    ts[kZero - j] = -ts[kZero + j];
  }
}

// Scaled cosine and sine of p L + q LS + r F + s D from the multiple-angle tables:
// the product, in the order L, LS, F, D, of the factors whose multiple is not 0.
// Taking the first factor as it stands equals combining it with (1, 0), exactly.
CosSin TermAngle(const LunarSeriesState& state, int p, int q, int r, int s) {
  const int multiples[] = {p, q, r, s};
  CosSin angle{1, 0};
  bool first = true;
  for (int argument = ArgumentL; argument <= ArgumentD; ++argument) {
    const int k = multiples[argument];
    if (k == 0) continue;
    const long double c = state.tc[argument][kLunarMaxMultiple + k];
    const long double sn = state.ts[argument][kLunarMaxMultiple + k];
    angle = first ? CosSin{c, sn} : CombineCosSin(angle.c, angle.s, c, sn);
    first = false;
  }
  return angle;
}

// The sums run in locals rather than in the state, so that they stay in the
// floating-point registers from term to term; the arithmetic is AddSolarTerm's.
void AddSolarGroup(LunarSeriesState& state, std::span<const SolarPerturbation> group) {
  long double sumL = state.SumL;
  long double sumS = state.SumS;
  long double sumG = state.SumG;
  long double sumP = state.SumP;
  for (const SolarPerturbation& term : group) {
    const CosSin angle = TermAngle(state, term.p, term.q, term.r, term.s);
    sumL += term.CL * angle.s;
    sumS += term.CS * angle.s;
    sumG += term.CG * angle.c;
    sumP += term.CP * angle.c;
  }
  state.SumL = sumL;
  state.SumS = sumS;
  state.SumG = sumG;
  state.SumP = sumP;
}

// Scale factor of the argument of latitude, corrected by the long-periodic term in gamma.
long double LatitudeFactor(long double deltaGamma) { return 1.000002708L + 139.978L * deltaGamma; }

}  // namespace

long double SineOfRevolutions(long double x) { return ExtendedSin(kTwoPi * ExtendedFrac(x)); }

LunarLongPeriodicCorrections LunarLongPeriodicTerms(double time) {
  const long double T = time;
  const long double w1 = SineOfRevolutions(0.19833L + 0.05611L * T);
  const long double w2 = SineOfRevolutions(0.27869L + 0.04508L * T);
  const long double w3 = SineOfRevolutions(0.16827L - 0.36903L * T);
  const long double w4 = SineOfRevolutions(0.34734L - 5.37261L * T);
  const long double w5 = SineOfRevolutions(0.10498L - 5.37899L * T);
  const long double w6 = SineOfRevolutions(0.42681L - 0.41855L * T);
  const long double w7 = SineOfRevolutions(0.14943L - 5.37511L * T);

  LunarLongPeriodicCorrections corrections;
  corrections.DeltaL0 = 0.84L * w1 + 0.31L * w2 + 14.27L * w3 + 7.26L * w4 + 0.28L * w5 + 0.24L * w6;
  corrections.DeltaL = 2.94L * w1 + 0.31L * w2 + 14.27L * w3 + 9.34L * w4 + 1.12L * w5 + 0.83L * w6;
  corrections.DeltaLS = -6.40L * w1 - 1.89L * w6;
  corrections.DeltaF = 0.21L * w1 + 0.31L * w2 + 14.27L * w3 - 88.70L * w4 - 15.30L * w5 + 0.24L * w6 - 1.86L * w7;
  corrections.DeltaD = corrections.DeltaL0 - corrections.DeltaLS;
  corrections.DeltaGamma = -3.332e-6L * SineOfRevolutions(0.59734L - 5.37261L * T) -
                           5.39e-7L * SineOfRevolutions(0.35498L - 5.37899L * T) -
                           6.4e-8L * SineOfRevolutions(0.39943L - 5.37511L * T);
  return corrections;
}

LunarSeriesState LunarMeanArguments(double time, const LunarLongPeriodicCorrections& corrections) {
  const long double T = time;
  LunarSeriesState state;
  state.L0 = MeanArgument(0.60643382L, 1336.85522467L, -0.00000313L, T, corrections.DeltaL0);
  state.L = MeanArgument(0.37489701L, 1325.55240982L, 0.00002565L, T, corrections.DeltaL);
  state.LS = MeanArgument(0.99312619L, 99.99735956L, -0.00000044L, T, corrections.DeltaLS);
  state.F = MeanArgument(0.25909118L, 1342.2278298L, -0.00000892L, T, corrections.DeltaF);
  state.D = MeanArgument(0.82736186L, 1236.85308708L, -0.00000397L, T, corrections.DeltaD);
  state.SumP = 3422.7L;

  FillMultiples(state, ArgumentL, state.L, 4, 1.000002208L);
  FillMultiples(state, ArgumentLS, state.LS, 3, 0.997504612L - 0.002495388L * T);
  FillMultiples(state, ArgumentF, state.F, 4, LatitudeFactor(corrections.DeltaGamma));
  FillMultiples(state, ArgumentD, state.D, 6, 1.0L);
  return state;
}

void AddSolarTerm(LunarSeriesState& state, long double CL, long double CS, long double CG, long double CP, int p, int q,
                  int r, int s) {
  const CosSin angle = TermAngle(state, p, q, r, s);
  state.SumL += CL * angle.s;
  state.SumS += CS * angle.s;
  state.SumG += CG * angle.c;
  state.SumP += CP * angle.c;
}

void AddLatitudeTerm(LunarSeriesState& state, long double CN, int p, int q, int r, int s) {
  state.SumN += CN * TermAngle(state, p, q, r, s).s;
}

EclipticPosition MoonEclipticCoordinates(double time) {
  const long double T = time;
  const LunarLongPeriodicCorrections corrections = LunarLongPeriodicTerms(time);
  LunarSeriesState state = LunarMeanArguments(time, corrections);

  AddSolarGroup(state, kFirstSolarGroup);
  AddSolarGroup(state, kSecondSolarGroup);
  AddSolarGroup(state, kThirdSolarGroup);

  state.SumN = 0;
  for (const LatitudeTerm& term : kLatitudeTerms) AddLatitudeTerm(state, term.CN, term.p, term.q, term.r, term.s);

  for (const PlanetaryTerm& term : kPlanetaryTerms) {
    state.SumL += term.amplitude * SineOfRevolutions(term.a + term.b * T);
  }

  const long double longitude = 360 * ExtendedFrac((state.L0 + state.SumL / kArcsecondsPerRadian) / kTwoPi);
  const long double S = state.F + state.SumS / kArcsecondsPerRadian;
  const long double latitude = (LatitudeFactor(corrections.DeltaGamma) * (18519.7L + state.SumG) * ExtendedSin(S) -
                                6.24L * ExtendedSin(3 * S) + state.SumN) /
                               3600;
  const long double distance = kArcsecondsPerRadian / (state.SumP * 0.999953253L);
  return {static_cast<double>(longitude), static_cast<double>(latitude), static_cast<double>(distance)};
}

EquatorialPosition MoonEquatorialCoordinates(double T) {
  return EclipticToTrueEquatorial(MoonEclipticCoordinates(T), T);
}

EquatorialFit FitMoonChebyshev(double TA, double TB, int N) {
  return FitEquatorialChebyshev(TA, TB, N, MoonEquatorialCoordinates);
}

}  // namespace vellmora
