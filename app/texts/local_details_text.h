#pragma once

#include <string>
#include <vector>

#include "app/selection/selection.h"
#include "geometry/local_details.h"

// The details at the observing place as the window's German texts
// (Windows-1252): a table with one row per contact and the maximum, and the
// other figures as lines below it. The dialog "Einzelheiten am
// Beobachtungsort" and the command line show the same texts.

namespace vellmora {

struct LocalDetailsText {
  std::vector<std::string> Header;             // the column titles
  std::vector<std::vector<std::string>> Rows;  // one per event, as many cells as titles
  std::vector<std::string> Figures;
};

// The details of the selection, with the place's civil and solar clocks.
LocalDetailsText FormatLocalDetails(const Selection& selection);

// "dd.mm.yyyy hh:mm:ss" of an instant (Julian centuries since J2000, UT)
// moved by `offsetHours`, rounded to the second; Julian calendar before
// 1582 October 15.
std::string FormatDateAndTime(double t, double offsetHours);

// "M min S.S s", to the tenth of a second.
std::string FormatDuration(double seconds);

// "hh:mm:ss", with " (+1 Tag)" or " (-1 Tag)" when the clock of the zone is
// on another day than UT.
std::string FormatClockTime(double t, double offsetHours);

}  // namespace vellmora
