#include "geometry/central_phase_probability.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "ephem/constants.h"
#include "ephem/timlib.h"
#include "geometry/observer_horizon.h"
#include "geometry/solve_bracketed.h"

namespace vellmora {
namespace {

constexpr double kMinute = CenturiesOfSeconds(60);

constexpr double kHalfWidthInSigma = 5;
constexpr int kIntervals = 40;           // samples of the margin over +-5 sigma, 0.25 sigma apart
constexpr double kEdgeTolerance = 0.01;  // seconds of Delta-T
constexpr double kFirstApproachStep = 2 * kMinute;
constexpr int kApproachSteps = 5;  // the step shrinks to a quarter each time, to about 1 s

constexpr double kExcludedBelow = 0.001;
constexpr double kCertainAbove = 0.999;

double NormalDistribution(double x) { return 0.5 * std::erfc(-x / std::numbers::sqrt2); }

// The instant near `t` where the observer comes closest to the umbra's edge:
// repeated parabolas through three samples of the umbral contact function,
// stepping downhill where the samples curve the wrong way.
double ClosestApproach(const LocalEclipseSetting& setting, double t) {
  auto umbral = [&setting](double at) { return ContactFunction(setting, at, ContactMode::Umbral); };
  double step = kFirstApproachStep;
  for (int i = 0; i < kApproachSteps; ++i) {
    const double before = umbral(t - step);
    const double here = umbral(t);
    const double after = umbral(t + step);
    const Parabola parabola = QuadraticInterpolation(before, here, after);
    const bool curvesUp = parabola.VertexY <= here;
    const double move = curvesUp ? std::clamp(parabola.VertexX, -2.0, 2.0) : (after < before ? 2.0 : -2.0);
    t += move * step;
    step /= 4;
  }
  return t;
}

// How far the observer is from seeing the central phase with Delta-T changed
// by `deltaTShiftSeconds`, in Earth radii: the distance from the umbra's edge
// on the fundamental plane at the closest approach, or (when more) the upper
// limb's depth below the horizon as an arc; negative while the central phase
// is seen. `timeGuess` (UT) is moved to the closest approach found.
double CentralPhaseMargin(const LocalEclipseSetting& setting, double geodeticLatitude, double deltaTShiftSeconds,
                          double& timeGuess) {
  LocalEclipseSetting shifted = setting;
  shifted.DeltaT = setting.DeltaT.ShiftedBy(deltaTShiftSeconds);
  timeGuess = ClosestApproach(shifted, timeGuess);
  const ShadowAtObserver shadow = ShadowSeenBy(shifted, timeGuess);
  const double umbraMargin = shadow.DistanceFromAxis() - std::abs(shadow.RadiusAtObserver(ContactMode::Umbral));
  const SunInSky sun = SunSeenFrom(shifted, ObserverHorizon(shifted, geodeticLatitude, timeGuess), timeGuess);
  return std::max(umbraMargin, -sun.UpperLimbApparentAltitude * kRadiansPerDegree);
}

}  // namespace

double CentralPhaseProbability(const LocalEclipseSetting& setting, double geodeticLatitude, double maximum,
                               double sigmaSeconds) {
  if (!(sigmaSeconds > 0)) {
    double t = maximum;
    return CentralPhaseMargin(setting, geodeticLatitude, 0, t) < 0 ? 1 : 0;
  }
  // Samples from the middle outwards, each closest approach starting from its
  // inner neighbour's: a change of Delta-T by d moves the instants by about -d.
  const double step = 2 * kHalfWidthInSigma * sigmaSeconds / kIntervals;
  std::array<double, kIntervals + 1> shifts{};
  std::array<double, kIntervals + 1> margins{};
  std::array<double, kIntervals + 1> approaches{};
  constexpr int middle = kIntervals / 2;
  for (int offset = 0; offset <= middle; ++offset) {
    for (const int k : {middle - offset, middle + offset}) {
      const int inner = k < middle ? k + 1 : k - 1;
      shifts[k] = (k - middle) * step;
      double t = offset == 0 ? maximum : approaches[inner] - step / kSecondsPerJulianCentury * (k < middle ? -1 : 1);
      margins[k] = CentralPhaseMargin(setting, geodeticLatitude, shifts[k], t);
      approaches[k] = t;
      if (offset == 0) break;
    }
  }

  // Where the margin changes sign between two samples, the edge of the set.
  auto edge = [&](int k) {
    double t = approaches[k];
    auto margin = [&](double shift) { return CentralPhaseMargin(setting, geodeticLatitude, shift, t); };
    return SolveBracketed(margin, shifts[k], shifts[k + 1], kEdgeTolerance);
  };
  double probability = 0;
  double runStart = shifts[0];
  for (int k = 0; k <= kIntervals; ++k) {
    const bool inside = margins[k] < 0;
    if (k > 0 && inside && !(margins[k - 1] < 0)) runStart = edge(k - 1);
    const bool runEnds = inside && (k == kIntervals || !(margins[k + 1] < 0));
    if (runEnds) {
      const double runEnd = k == kIntervals ? shifts[k] : edge(k);
      probability += NormalDistribution(runEnd / sigmaSeconds) - NormalDistribution(runStart / sigmaSeconds);
    }
  }
  return probability;
}

Certainty CertaintyOf(double probability) {
  if (probability < kExcludedBelow) return Certainty::Excluded;
  if (probability > kCertainAbove) return Certainty::Certain;
  return Certainty::Uncertain;
}

}  // namespace vellmora
