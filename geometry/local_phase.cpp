#include "geometry/local_phase.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "ephem/constants.h"
#include "ephem/matlib.h"

namespace vellmora {
namespace {

// Arc cosine in radians; a grazing contact can push the argument a rounding
// error past +-1, which must give the limiting angle, not "nan".
double ClampedArcCos(double x) { return ArcCosD(std::clamp(x, -1.0, 1.0)) * kRadiansPerDegree; }

}  // namespace

LocalPhase PhaseAtMaximum(double m, double penumbraRadius, double umbraRadius) {
  const double l1 = penumbraRadius;
  const double l2 = umbraRadius;
  LocalPhase phase;
  if (m < l2) phase.Kind = LocalEclipseKind::Annular;
  if (-l2 > m) phase.Kind = LocalEclipseKind::Total;

  // Ratio of the Moon's to the Sun's apparent radius.
  const double ratio = (l1 - l2) / (l1 + l2);
  switch (phase.Kind) {
    case LocalEclipseKind::Annular:
      phase.Magnitude = ratio;
      phase.Obscuration = ratio * ratio;
      break;
    case LocalEclipseKind::Total:
      phase.Magnitude = ratio;
      phase.Obscuration = 1;
      break;
    default: {
      phase.Magnitude = (l1 - m) / (l1 + l2);
      // Area of the lens where the two discs overlap, in units of the Sun's disc.
      const double c = ClampedArcCos((l1 * l2 + m * m) / (m * (l1 + l2)));
      const double b = ClampedArcCos((l1 * l1 + l2 * l2 - 2 * m * m) / (l1 * l1 - l2 * l2));
      const double a = std::numbers::pi - (c + b);
      phase.Obscuration = (ratio * ratio * a + c - ratio * std::sin(b)) / std::numbers::pi;
      break;
    }
  }
  return phase;
}

LocalPhase PhaseAt(const LocalEclipseSetting& setting, double t) {
  const ShadowAtObserver shadow = ShadowSeenBy(setting, t);
  return PhaseAtMaximum(shadow.DistanceFromAxis(), shadow.RadiusAtObserver(ContactMode::Penumbral),
                        shadow.RadiusAtObserver(ContactMode::Umbral));
}

}  // namespace vellmora
