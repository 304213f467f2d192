#pragma once

#include <string>

// Instants as ISO 8601 text for machines: the proleptic Gregorian calendar,
// rounded to the whole second.

namespace vellmora {

// "2024-04-08T18:40:46Z" of an instant (Julian centuries since J2000, UT).
std::string IsoUtc(double t);

// "2024-04-08T13:40:46-05:00": the clock `offsetSeconds` ahead of UT, with
// that offset ("+00:53:28" where it has seconds).
std::string IsoWithOffset(double t, long offsetSeconds);

// "2024-04-08T12:11:54": a local clock `offsetSeconds` ahead of UT that
// belongs to no zone (a sundial, the place's mean time), without an offset.
std::string IsoLocalTime(double t, double offsetSeconds);

// "1133-08-02T12:34:56": the same clock without the offset, in the Julian
// calendar (for the dates of the eclipse list before 1582 October 15).
std::string IsoJulianCalendar(double t, long offsetSeconds);

}  // namespace vellmora
