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

// Catalogue date and hour (universal time, not rounded); observer's geodetic
// latitude and EAST longitude in degrees; Delta-T in days.
LocalCircumstancesResult LocalCircumstances(int day, int month, int year, double hours, double observerLatitude,
                                            double observerLongitudeEast, double deltaTDays);

// As above with the year's DeltaT.
LocalCircumstancesResult LocalCircumstances(int day, int month, int year, double hours, double observerLatitude,
                                            double observerLongitudeEast);

// The same for the fits and the observer of a setting and the catalogue time
// (Julian centuries since J2000, UT) they were made around.
LocalCircumstancesResult LocalCircumstances(const LocalEclipseSetting& setting, double catalogueTime);

// The fits and the observer the local circumstances work with, for the
// catalogue time (Julian centuries since J2000, UT) and Delta-T in days.
LocalEclipseSetting LocalCircumstancesSetting(double catalogueTime, double deltaTDays, double observerLatitude,
                                              double observerLongitudeEast);

// The same with the fits made before (FitsAroundCatalogueTime).
LocalEclipseSetting LocalCircumstancesSetting(const LocalFits& fits, double deltaTDays, double observerLatitude,
                                              double observerLongitudeEast);

}  // namespace vellmora
