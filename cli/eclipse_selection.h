#pragma once

#include <optional>
#include <ostream>
#include <span>
#include <string>

#include "app/memory/memory_window.h"
#include "app/selection/chosen_eclipse.h"
#include "ephem/ephemeris.h"

// The part of the command line that chooses an eclipse and an observing place
// in the in-memory window, shared by the show, search and map commands.

namespace vellmora {

// Options after the date: --place NAME, or --lat LAT --lon LON; other words
// are left to the command (returned in `rest`).
struct SelectionOptions {
  std::string Date;  // DD.MM.YYYY as given
  std::optional<std::string> Place;
  std::optional<double> Latitude;
  std::optional<double> Longitude;
  // The time zone of the civil times (IANA name); by default the place's own,
  // for --lat/--lon the nearest table place's.
  std::optional<std::string> TimeZone;
  Ephemeris Source = Ephemeris::Standard;  // --ephemeris precise|standard
};

// Reads the date and the place options; a message on err and nullopt when they are wrong.
std::optional<SelectionOptions> ReadSelectionOptions(std::span<const std::string> args, std::vector<std::string>& rest,
                                                     std::ostream& err);

// The observing place of the options, as the window takes it: a place of the
// place table with its zone, or the coordinates with zone offset 0 and the
// civil zone of the nearest place (--tz another); a message on err and none
// for a name the table does not have.
std::optional<ChosenPlace> ChosenPlaceOf(const SelectionOptions& options, std::ostream& err);

// Chooses the place, lists the eclipses of the date's year and the next
// ("von" and "bis"), and clicks the row of that date. Returns the exit status (0 done); an
// eclipse without a central line is a result, told in one line on err.
int SelectEclipse(MemoryWindow& window, const SelectionOptions& options, std::ostream& err);

}  // namespace vellmora
