#pragma once

#include <optional>
#include <vector>

#include "geometry/central_phase_probability.h"
#include "geometry/disc_angles.h"
#include "geometry/local_circumstances.h"
#include "geometry/observer_horizon.h"
#include "geometry/path_distance.h"
#include "geometry/zone_limits.h"

// What an observer plans with, for the eclipse and place of the local
// circumstances (the same instants): the Sun in the sky at each contact and
// at the maximum, where on the Sun's disc to look, sunrise or sunset during
// the eclipse, the length of the central phase, the distances from the lines
// of the path, and how the answer depends on the uncertainty of Delta-T.

namespace vellmora {

enum class LocalEventKind { FirstContact, SecondContact, Maximum, ThirdContact, FourthContact };

struct LocalEvent {
  LocalEventKind Kind = LocalEventKind::Maximum;
  double Instant = 0;  // universal time, Julian centuries since J2000
  SunInSky Sun;
  bool SunAboveHorizon = false;
  DiscAngles Angles;
  // How much later (seconds) the event comes with Delta-T one sigma smaller
  // or larger; none when the observer would then not see that event.
  std::optional<double> ShiftForSmallerDeltaT;
  std::optional<double> ShiftForLargerDeltaT;
};

enum class HorizonCrossing { Sunrise, Sunset };

// The Sun's upper limb crosses the refracted horizon while the eclipse is under way.
struct HorizonEvent {
  HorizonCrossing Kind = HorizonCrossing::Sunset;
  double Instant = 0;
  double Magnitude = 0;  // of the eclipse at that instant
};

// The sunrises and sunsets between the instants begin and end (UT, Julian
// centuries since J2000), for example the first and the fourth contact.
std::vector<HorizonEvent> HorizonEventsDuring(const LocalEclipseSetting& setting, double latitude, double begin,
                                              double end);

// The lines of the path, as the zone limits give them.
struct PathLines {
  std::vector<GeographicPoint> CentralLine;
  std::vector<std::vector<GeographicPoint>> NorthernLimit;  // pieces between gaps
  std::vector<std::vector<GeographicPoint>> SouthernLimit;
};

// The lines of a path from its zone steps, each limit split where it is missing.
PathLines PathLinesOfZone(const std::vector<ZoneStep>& steps);

struct PathPosition {
  DistanceToLine FromCentralLine;
  // The nearer of the two limits (none when the path has none): which one,
  // and the distance from it.
  std::optional<PathSide> NearerLimit;
  double FromNearerLimitKm = 0;
  bool InsidePath = false;  // the observer sees the central phase
};

struct LocalDetails {
  LocalEclipseKind Kind = LocalEclipseKind::NotVisible;
  double Magnitude = 0;
  double Obscuration = 0;
  std::vector<LocalEvent> Events;  // in the order of time; empty when nothing is seen
  std::vector<HorizonEvent> HorizonEvents;
  std::optional<double> CentralDurationSeconds;  // annular or total at the place
  std::optional<PathPosition> Path;              // none for a path without central line
  double ZoneOffsetHours = 0;                    // standard time of the place minus UT
  DeltaTFigures DeltaT;
  double CentralPhaseProbability = 0;
  Certainty CentralPhaseCertainty = Certainty::Excluded;
  Ephemeris Source = Ephemeris::Standard;  // of the Sun's and the Moon's places
};

struct ObservingPlace {
  double Latitude = 0;       // geodetic, degrees, north positive
  double LongitudeEast = 0;  // degrees
  double ZoneOffsetHours = 0;
};

// For the catalogue date and hour (universal time) of the local circumstances.
LocalDetails ComputeLocalDetails(InstantTD listed, const ObservingPlace& place, const DeltaTFigures& deltaT,
                                 const PathLines& path, Ephemeris ephemeris = Ephemeris::Standard);

}  // namespace vellmora
