#pragma once

#include <string>
#include <vector>

// The central line of a solar eclipse: where the axis of the Moon's shadow
// meets the Earth, in 15-second steps over the twelve hours around the
// catalogue time.

namespace vellmora {

// Rows of the central-line list and the path arrays; entry i of every array
// belongs to row i, so all four vectors always have the same length.
struct CentralLineResults {
  std::vector<std::string> Rows;          // "h:mm:ss\tlat\tlon\tduration", Windows-1252
  std::vector<double> CentralLatitudes;   // geodetic, degrees, north positive
  std::vector<double> CentralLongitudes;  // degrees, WEST positive, -180..180
  std::vector<double> UmbraDiameters;     // Earth radii; negative total, positive annular
  double CentralLatitudeMin = 1000;       // only lowered by a scan
  double CentralLatitudeMax = -1000;      // only raised by a scan
};

// Scans the catalogue date and hour (universal time) with Delta-T in days.
// Replaces rows and arrays, lowers CentralLatitudeMin and raises
// CentralLatitudeMax.
void CentralLineScan(int day, int month, int year, double hours, double deltaTDays, CentralLineResults& results);

// As above with the year's DeltaT.
void CentralLineScan(int day, int month, int year, double hours, CentralLineResults& results);

}  // namespace vellmora
