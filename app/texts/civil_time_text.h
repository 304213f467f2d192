#pragma once

#include <string>

#include "civil/civil_clock.h"

// The clocks of the observing place as the window's texts (Windows-1252):
// the civil time of its zone and the local solar times.

namespace vellmora {

// "UTC+2", "UTC-5", "UTC+5:30", "UTC+0:53:28"; "UTC" for no offset.
std::string FormatOffsetFromUtc(long offsetSeconds);

// The civil time shown by `clock` at the instant t (Julian centuries since
// J2000, UT): "20:35:04 MESZ (UTC+2)" where German names the zone's time,
// "13:40:46 UTC-5" elsewhere, "10:53:28 mittlere Ortszeit (UTC+0:53:28)"
// before the zone's first standard time; " (+1 Tag)" or " (-1 Tag)" after it
// when the clock is on another day than UT.
std::string FormatCivilTime(double t, const CivilClock& clock);

// "hh:mm:ss" of a local solar clock (a sundial, a clock set to the meridian)
// `offsetSeconds` ahead of UT.
std::string FormatSolarTime(double t, double offsetSeconds);

}  // namespace vellmora
