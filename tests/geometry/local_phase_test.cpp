#include "geometry/local_phase.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vellmora {
namespace {

// Covered fraction of the Sun's disc (radius 1) by the Moon's disc (radius r)
// at centre distance d: the area of the lens of two circles.
double LensFraction(double r, double d) {
  const double moonPart = r * r * std::acos((d * d + r * r - 1) / (2 * d * r));
  const double sunPart = std::acos((d * d + 1 - r * r) / (2 * d));
  const double kite = 0.5 * std::sqrt((-d + r + 1) * (d + r - 1) * (d - r + 1) * (d + r + 1));
  return (moonPart + sunPart - kite) / M_PI;
}

// Shadow radii at the observer for a Sun disc of radius 0.28 and a Moon disc of
// radius 0.27 (annular case) or 0.29 (total case): L1 = sum, L2 = difference.
constexpr double kSunRadius = 0.28;

TEST(LocalPhase, PartialMagnitudeAndObscurationFromTheOverlap) {
  const double moonRadius = 0.27;
  const double l1 = kSunRadius + moonRadius;
  const double l2 = kSunRadius - moonRadius;
  for (const double m : {0.05, 0.2, 0.3, 0.45, 0.54}) {
    const LocalPhase phase = PhaseAtMaximum(m, l1, l2);
    EXPECT_EQ(phase.Kind, LocalEclipseKind::Partial) << m;
    // Covered share of the Sun's diameter: (R + r - m) / 2R.
    EXPECT_NEAR(phase.Magnitude, (kSunRadius + moonRadius - m) / (2 * kSunRadius), 1e-12) << m;
    EXPECT_NEAR(phase.Obscuration, LensFraction(moonRadius / kSunRadius, m / kSunRadius), 1e-9) << m;
  }
  // By hand: m = 0.3 covers 0.25 of the 0.56 diameter.
  EXPECT_NEAR(PhaseAtMaximum(0.3, l1, l2).Magnitude, 0.446429, 1e-6);
}

TEST(LocalPhase, AnnularAndTotalInsideTheCentralShadow) {
  const LocalPhase annular = PhaseAtMaximum(0.005, 0.55, 0.01);
  EXPECT_EQ(annular.Kind, LocalEclipseKind::Annular);
  EXPECT_NEAR(annular.Magnitude, 0.27 / 0.28, 1e-12);
  EXPECT_NEAR(annular.Obscuration, std::pow(0.27 / 0.28, 2), 1e-12);

  // Moon radius 0.29: L1 = 0.57, L2 = -0.01.
  const LocalPhase total = PhaseAtMaximum(0.005, 0.57, -0.01);
  EXPECT_EQ(total.Kind, LocalEclipseKind::Total);
  EXPECT_NEAR(total.Magnitude, 0.29 / 0.28, 1e-12);
  EXPECT_EQ(total.Obscuration, 1);

  // Just outside the umbra of a total eclipse: partial, nearly all covered.
  const LocalPhase nearTotal = PhaseAtMaximum(0.011, 0.57, -0.01);
  EXPECT_EQ(nearTotal.Kind, LocalEclipseKind::Partial);
  EXPECT_GT(nearTotal.Obscuration, 0.99);
  EXPECT_LT(nearTotal.Obscuration, 1);
}

TEST(LocalPhase, GrazingContactGivesZeroNotNan) {
  // The observer on or a hair outside the penumbra's edge: the arc cosine
  // arguments reach or pass 1 by rounding.
  const double l1 = 0.55;
  const double l2 = 0.01;
  for (const double m : {l1, l1 + 1e-12, l1 + 1e-9}) {
    const LocalPhase phase = PhaseAtMaximum(m, l1, l2);
    EXPECT_FALSE(std::isnan(phase.Obscuration)) << m;
    EXPECT_NEAR(phase.Obscuration, 0, 1e-9) << m;
    EXPECT_EQ(phase.Kind, LocalEclipseKind::Partial) << m;
    EXPECT_NEAR(phase.Magnitude, 0, 1e-8) << m;
  }
}

}  // namespace
}  // namespace vellmora
