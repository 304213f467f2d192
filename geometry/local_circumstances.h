#pragma once

#include <array>

#include "geometry/contact_function.h"
#include "geometry/local_contacts.h"
#include "geometry/local_phase.h"

// What an observer at one place sees of a solar eclipse: kind, magnitude,
// obscuration, maximum and contact times.

namespace vellmora {

struct LocalCircumstancesResult {
  LocalEclipseKind Kind = LocalEclipseKind::NotVisible;
  double Magnitude = 0;
  double Obscuration = 0;
  double Maximum = 0;                // Julian centuries since J2000 (UT)
  std::array<double, 4> Contacts{};  // first to fourth contact, same unit; the second and third
                                     // only where the eclipse is annular or total (Kind above Partial)
};

// The eclipse listed at `listed`, searched over universal time within five
// hours of the listed clock reading, as the window has always taken it;
// observer's geodetic latitude and EAST longitude in degrees.
LocalCircumstancesResult LocalCircumstances(InstantTD listed, double observerLatitude, double observerLongitudeEast,
                                            const DeltaTFigures& deltaT, Ephemeris ephemeris = Ephemeris::Standard);

// The same for the fits and the observer of a setting made for `listed`.
LocalCircumstancesResult LocalCircumstances(const LocalEclipseSetting& setting, InstantTD listed);

// The fits and the observer the local circumstances work with.
LocalEclipseSetting LocalCircumstancesSetting(InstantTD listed, const DeltaTFigures& deltaT, double observerLatitude,
                                              double observerLongitudeEast, Ephemeris ephemeris = Ephemeris::Standard);

// The same with the fits made before (FitsAroundListedInstant).
LocalEclipseSetting LocalCircumstancesSetting(const LocalFits& fits, const DeltaTFigures& deltaT,
                                              double observerLatitude, double observerLongitudeEast,
                                              Ephemeris ephemeris = Ephemeris::Standard);

}  // namespace vellmora
