#pragma once

#include <string>
#include <string_view>

// The clock of a time zone at an instant, as the system's tz database gives
// it: the offset from UT with summer time and the zone's historical changes;
// before the zone's first standard time the database's local mean time of the
// zone's city. Beyond the database's last transition, the zone's current
// yearly rules go on.

namespace vellmora {

struct CivilClock {
  long OffsetSeconds = 0;      // civil time minus UT
  bool SummerTime = false;     // daylight saving in force
  bool LocalMeanTime = false;  // before the zone's first standard time
  std::string GermanName;      // short name ("MESZ", "MEZ"), empty where German has none
};

// Reads what the zone's first clock needs (the tz database's index, the
// zone's transitions and its German names), so that a program can have it
// read while it does other work; a failure is left to that first clock.
void PrepareCivilClock(std::string_view zone);

// Whether the tz database knows the zone (an IANA name such as "Europe/Berlin").
bool IsKnownTimeZone(std::string_view zone);

// The clock of `zone` at the instant t (Julian centuries since J2000, UT).
// Throws std::runtime_error for a zone the database does not know.
CivilClock CivilClockAt(std::string_view zone, double t);

}  // namespace vellmora
