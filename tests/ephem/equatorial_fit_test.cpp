#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "ephem/moolib.h"
#include "ephem/sunlib.h"

namespace vellmora {
namespace {

constexpr double kArcsecond = 1.0 / 3600;

// Node times seen by the recording position functions below.
std::vector<double> nodeTimes;

// Right ascension rising, declination and distance as polynomials of degree 3 at most.
EquatorialPosition CubicPosition(double t) {
  nodeTimes.push_back(t);
  return {100 + (20 + 5 * t) * t, -3 + t * t * t, 2 - 0.5 * t};
}

// A right ascension rising through 360 at t = 1/3, as the theories report it: in [0, 360).
EquatorialPosition WrappingPosition(double t) { return {std::fmod(350 + 30 * t, 360.0), 0, 1}; }

double EvaluateAt(const ChebyshevFit& fit, double t) { return EvaluateChebyshev(fit, t); }

TEST(ChebyshevFitOfPositions, InterpolatesAtTheZerosOfTheNextPolynomial) {
  nodeTimes.clear();
  const EquatorialFit fit = FitEquatorialChebyshev(1, 3, 3, CubicPosition);
  // N + 1 evaluations at mid + half cos((2k - 1) pi / 8), from near TB down to near TA.
  ASSERT_EQ(nodeTimes.size(), 4u);
  for (int k = 1; k <= 4; ++k) {
    EXPECT_NEAR(nodeTimes[k - 1], 2 + std::cos((2 * k - 1) * std::numbers::pi / 8), 1e-12) << k;
  }
  for (const ChebyshevFit* record : {&fit.RightAscension, &fit.Declination, &fit.Distance}) {
    EXPECT_EQ(record->Degree, 3);
    EXPECT_EQ(record->IntervalStart, 1);
    EXPECT_EQ(record->IntervalEnd, 3);
  }
  // Interpolation at four nodes reproduces a cubic everywhere, ends included.
  for (double t = 1; t <= 3; t += 0.125) {
    EXPECT_NEAR(EvaluateAt(fit.RightAscension, t), 100 + (20 + 5 * t) * t, 1e-11) << t;
    EXPECT_NEAR(EvaluateAt(fit.Declination, t), -3 + t * t * t, 1e-11) << t;
    EXPECT_NEAR(EvaluateAt(fit.Distance, t), 2 - 0.5 * t, 1e-12) << t;
  }
}

TEST(ChebyshevFitOfPositions, RightAscensionContinuesBelowZeroTowardTheStart) {
  const EquatorialFit fit = FitEquatorialChebyshev(0, 1, 5, WrappingPosition);
  // The straight line 350 + 30 t - 360: negative before t = 1/3, no jump.
  for (double t = 0; t <= 1; t += 0.0625) {
    EXPECT_NEAR(EvaluateAt(fit.RightAscension, t), -10 + 30 * t, 1e-10) << t;
  }
  EXPECT_LT(EvaluateAt(fit.RightAscension, 0), 0);
}

// The largest differences of a fit from its theory over the middle half of the interval.
struct FitDeviation {
  double RightAscension = 0;
  double Declination = 0;
  double Distance = 0;
};

FitDeviation DeviationInTheMiddle(const EquatorialFit& fit, EquatorialPosition (*theory)(double)) {
  const double start = fit.RightAscension.IntervalStart;
  const double length = fit.RightAscension.IntervalEnd - start;
  FitDeviation deviation;
  for (double t = start + 0.25 * length; t <= start + 0.75 * length; t += length / 200) {
    const EquatorialPosition exact = theory(t);
    deviation.RightAscension =
        std::max(deviation.RightAscension,
                 std::fabs(std::remainder(EvaluateAt(fit.RightAscension, t) - exact.RightAscension, 360.0)));
    deviation.Declination =
        std::max(deviation.Declination, std::fabs(EvaluateAt(fit.Declination, t) - exact.Declination));
    deviation.Distance = std::max(deviation.Distance, std::fabs(EvaluateAt(fit.Distance, t) - exact.Distance));
  }
  return deviation;
}

TEST(ChebyshevFitOfPositions, MoonFitReproducesItsTheory) {
  // Degree 8 over +-43.8 hours, as the central line uses it.
  for (double T : {-0.61, -0.0772, 0.0123, 0.25, 0.83}) {
    const EquatorialFit fit = FitMoonChebyshev(T - 5e-5, T + 5e-5, 8);
    const FitDeviation deviation = DeviationInTheMiddle(fit, MoonEquatorialCoordinates);
    EXPECT_LT(deviation.RightAscension, kArcsecond) << T;
    EXPECT_LT(deviation.Declination, kArcsecond) << T;
    // An arcsecond at the Moon's distance is 3e-4 Earth radii.
    EXPECT_LT(deviation.Distance, 3e-4) << T;
  }
}

TEST(ChebyshevFitOfPositions, SunFitReproducesItsTheory) {
  // Degree 3 over fourteen hours around an eclipse.
  for (double T : {-0.43, 0.0, 0.3731}) {
    const double halfLength = 7.0 / 24 / 36525;
    const EquatorialFit fit = FitSunChebyshev(T - halfLength, T + halfLength, 3);
    const FitDeviation deviation = DeviationInTheMiddle(fit, SunEquatorialCoordinates);
    EXPECT_LT(deviation.RightAscension, 0.01 * kArcsecond) << T;
    EXPECT_LT(deviation.Declination, 0.01 * kArcsecond) << T;
    EXPECT_LT(deviation.Distance, 1e-8) << T;
  }
}

// The moment, between from and from + step, at which the right ascension passes 360.
double RightAscensionWrap(EquatorialPosition (*theory)(double), double from, double step) {
  double before = from;
  while (theory(before + step).RightAscension > theory(before).RightAscension) before += step;
  double after = before + step;
  for (int i = 0; i < 60; ++i) {
    const double middle = (before + after) / 2;
    (theory(middle).RightAscension > 180 ? before : after) = middle;
  }
  return before;
}

// Checks that the fit follows the theory, 360 degrees lower before the wrap.
void ExpectContinuousAcrossWrap(const EquatorialFit& fit, EquatorialPosition (*theory)(double), double wrap,
                                double tolerance) {
  const double start = fit.RightAscension.IntervalStart;
  const double end = fit.RightAscension.IntervalEnd;
  double previous = EvaluateAt(fit.RightAscension, start);
  EXPECT_LT(previous, 0);
  for (double t = start; t <= end; t += (end - start) / 97) {
    const double fitted = EvaluateAt(fit.RightAscension, t);
    EXPECT_GE(fitted, previous) << t;  // the right ascension only grows
    previous = fitted;
    if (std::fabs(t - wrap) < 1e-7) continue;
    const double exact = theory(t).RightAscension - (t < wrap ? 360 : 0);
    EXPECT_NEAR(fitted, exact, tolerance) << t;
  }
}

TEST(ChebyshevFitOfPositions, MoonFitContinuousAcrossRightAscensionZero) {
  const double wrap = RightAscensionWrap(MoonEquatorialCoordinates, 0.01, 1e-5);
  const EquatorialFit fit = FitMoonChebyshev(wrap - 6e-5, wrap + 4e-5, 8);
  ExpectContinuousAcrossWrap(fit, MoonEquatorialCoordinates, wrap, 5 * kArcsecond);
}

TEST(ChebyshevFitOfPositions, SunFitContinuousAcrossRightAscensionZero) {
  // The March equinox of 2000 falls near T = 0.00216.
  const double wrap = RightAscensionWrap(SunEquatorialCoordinates, 0.0015, 1e-4);
  EXPECT_NEAR(wrap, 0.00216, 2e-5);
  const EquatorialFit fit = FitSunChebyshev(wrap - 4e-5, wrap + 2e-5, 3);
  ExpectContinuousAcrossWrap(fit, SunEquatorialCoordinates, wrap, 0.01 * kArcsecond);
}

}  // namespace
}  // namespace vellmora
