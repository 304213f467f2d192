#pragma once

#include <array>
#include <string>
#include <string_view>

#include "geometry/zone_limits.h"

// The path of the central eclipse as a table: one row per central step, as
// `vellmora-cli limits` prints it (TAB-separated) and the CSV export writes it
// (comma-separated). Degrees with 4 decimals, east positive; width and
// duration with 1 decimal; "." as decimal separator whatever the locale; a
// missing limit or width is an empty field.

namespace vellmora {

// "ut" as the eclipse list writes it; "ut_iso" the same instant in ISO 8601
// (proleptic Gregorian, "Z"), "jd_ut" its Julian Date.
inline constexpr std::array<std::string_view, 11> ZoneTableColumns{
    "ut",        "north_lat", "north_lon",  "central_lat", "central_lon", "south_lat",
    "south_lon", "width_km",  "duration_s", "ut_iso",      "jd_ut"};

// The step's instant in universal time, "DD.MM.YYYY HH:MM:SS" to the nearest
// second, Julian calendar before 1582-10-15 as in the eclipse list.
std::string FormatStepInstant(double instant);

std::string ZoneTableHeader(char separator);
std::string ZoneTableRow(const ZoneStep& step, char separator);

}  // namespace vellmora
