#pragma once

#include "geometry/contact_function.h"

namespace vellmora {

enum class LocalEclipseKind { NotVisible = 0, Partial = 1, Annular = 2, Total = 3 };

// What the observer sees at the time of maximum.
struct LocalPhase {
  LocalEclipseKind Kind = LocalEclipseKind::Partial;
  double Magnitude = 0;    // fraction of the Sun's diameter covered; the size ratio of the discs for annular and total
  double Obscuration = 0;  // fraction of the Sun's disc covered
};

// Phase of an eclipse whose penumbra reaches the observer, from the observer's
// distance m from the shadow axis and the radii L1 of the penumbra and L2 of
// the umbra at the observer (L2 < 0 for a total eclipse).
LocalPhase PhaseAtMaximum(double m, double penumbraRadius, double umbraRadius);

// The phase at any instant t (UT) while the penumbra covers the observer.
LocalPhase PhaseAt(const LocalEclipseSetting& setting, double t);

}  // namespace vellmora
