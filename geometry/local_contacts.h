#pragma once

#include <array>

#include "ephem/ephemeris.h"
#include "geometry/contact_function.h"

// The fits of the local circumstances, which the Besselian elements share, and
// their inner contacts.

namespace vellmora {

// The degree of the fits of the Moon and the Sun for one place and eclipse.
inline constexpr int kLocalFitDegree = 8;

// The fits of the Moon and the Sun for one place and eclipse: degree 8 over
// about 43.8 hours either side of the listed clock reading.
struct LocalFits {
  EquatorialFit Moon;
  EquatorialFit Sun;  // distance in AU
};

LocalFits FitsAroundListedInstant(InstantTD listed, Ephemeris ephemeris = Ephemeris::Standard);

// Second and third contact: the roots of the umbral contact function within
// 15 minutes before and after the time of maximum; a bracket without a sign
// change gives its first end.
std::array<double, 2> InnerContacts(const LocalEclipseSetting& setting, double timeOfMaximum);

}  // namespace vellmora
