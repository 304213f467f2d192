#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "ephem/deltat.h"
#include "ephem/ephemeris.h"
#include "ephem/instant.h"

// The central line of a solar eclipse: where the axis of the Moon's shadow
// meets the Earth, in 15-second steps over the twelve hours around the
// catalogue time.

namespace vellmora {

// The central steps of a scan; entry i of every array belongs to step i, so
// all five vectors always have the same length.
struct CentralLineResults {
  std::vector<double> StepHours;            // universal time of the step, hours of its day
  std::vector<double> CentralLatitudes;     // geodetic, degrees, north positive
  std::vector<double> CentralLongitudes;    // degrees, WEST positive, -180..180
  std::vector<double> UmbraDiameters;       // Earth radii; negative total, positive annular
  std::vector<double> CentralPhaseMinutes;  // duration of the central phase on the line
  double CentralLatitudeMin = 1000;         // only lowered by a scan
  double CentralLatitudeMax = -1000;        // only raised by a scan

  std::size_t Size() const { return StepHours.size(); }
};

// Scans the eclipse listed at `listed`. The scan's steps are universal time,
// centred on the listed clock reading: the window has always taken the
// listed instant as universal time there, which puts greatest eclipse
// Delta-T before the middle of the twelve hours. Replaces the steps, lowers
// CentralLatitudeMin and raises CentralLatitudeMax.
void CentralLineScan(InstantTD listed, const DeltaTFigures& deltaT, CentralLineResults& results,
                     Ephemeris ephemeris = Ephemeris::Standard);

// Where the shadow axis meets the Earth at one instant, as a row of the scan.
struct CentralPoint {
  double Latitude;         // geodetic, degrees, north positive
  double LongitudeWest;    // degrees, WEST positive, -180..180
  double DurationMinutes;  // of the central phase there
  double UmbraDiameter;    // Earth radii; negative total, positive annular
};

// The central point at one instant; none when the axis misses the Earth.
std::optional<CentralPoint> CentralPointAt(InstantUT instant, const DeltaTFigures& deltaT,
                                           Ephemeris ephemeris = Ephemeris::Standard);

}  // namespace vellmora
