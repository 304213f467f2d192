#pragma once

#include <string>
#include <vector>

#include "geometry/central_line.h"

namespace vellmora {

// One line of the central-line list, Windows-1252, fields separated by tabs:
// the step's time plus 30 s as h:mm:ss (h in 0..23), latitude and EAST longitude as whole
// degrees "°" truncated arc-minutes, and the duration of the central phase in
// minutes (width 7, one decimal). `stepHours` is the universal time of the step
// in hours of its day; `longitudeWest` is positive towards the west.
std::string FormatCentralLineRow(double stepHours, double latitude, double longitudeWest, double durationMinutes);

// The rows of the central-line list LB5, one per central step of the scan.
std::vector<std::string> CentralLineRows(const CentralLineResults& results);

}  // namespace vellmora
