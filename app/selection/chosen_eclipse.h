#pragma once

#include <optional>
#include <string>

#include "catalogue/moon.h"
#include "ephem/ephemeris.h"
#include "ephem/instant.h"

// The values a selection is made of: the eclipse chosen from the list and the
// place it is seen from.

namespace vellmora {

// An eclipse of the list: its kind and the instant of greatest eclipse as the
// list shows it, to the whole second (dynamical time, in the list's calendar:
// Julian before 1582-10-15). Every computation of the chosen eclipse starts
// from exactly this instant.
struct ChosenEclipse {
  EclipseKind Kind = EclipseKind::NoEclipse;
  CalendarInstant DynamicalTime{};
  // The source of the Sun's and the Moon's places it is computed with.
  Ephemeris Source = Ephemeris::Standard;

  // The same instant as the geometry takes it.
  InstantTD Listed() const {
    return InstantTD::FromCalendar(DynamicalTime.Day, DynamicalTime.Month, DynamicalTime.Year, DynamicalTime.Hours);
  }
};

// The eclipse of kind `kind` at the date serial of greatest eclipse, cut to
// the whole second the list shows.
ChosenEclipse EclipseAsListed(EclipseKind kind, double serial);

// Where the eclipse is seen from. ZoneOffsetHours is the fixed offset of the
// place table; TimeZone names the zone of the place's civil time (for a point
// that is no place of the table, the nearest place's). A name is given for
// places of the place table.
struct ChosenPlace {
  double Latitude = 0;       // geodetic, degrees, north positive
  double LongitudeEast = 0;  // degrees
  double ZoneOffsetHours = 0;
  std::optional<std::string> Name;   // Windows-1252
  std::string TimeZone = "Etc/UTC";  // IANA name
};

}  // namespace vellmora
