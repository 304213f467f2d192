#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "sightings/visible_eclipses.h"

// The eclipses seen from a place as the window's German table (Windows-1252):
// one row per eclipse. The dialog "Finsternisse am Beobachtungsort" shows it
// and copies it as tab-separated text; the command line prints the same.

namespace vellmora {

// The column titles.
const std::vector<std::string>& VisibleEclipsesHeader();

// One row, as many cells as titles; the last gives the maximum in the civil
// time of `zone` (an IANA name).
std::vector<std::string> VisibleEclipseRow(const VisibleEclipse& eclipse, std::string_view zone);

// The window's name of the kind seen at the place.
std::string LocalKindName(LocalEclipseKind kind);

// The cells of one line joined by tabs, with its line end.
std::string TabSeparatedLine(const std::vector<std::string>& cells);

}  // namespace vellmora
