#pragma once

// The hour a clock set to the place's meridian (local mean time) and a sundial
// (local apparent solar time) show, as offsets from UT.

namespace vellmora {

// Local mean time minus UT, seconds: the longitude (degrees, east positive) as time.
double LocalMeanTimeOffsetSeconds(double longitudeEast);

// The equation of time at the instant t (Julian centuries since J2000, UT):
// apparent minus mean solar time, seconds, from the apparent right ascension
// of the Sun and the apparent sidereal time.
double EquationOfTimeSeconds(double t);

// Local apparent solar time minus UT, seconds.
double LocalApparentTimeOffsetSeconds(double t, double longitudeEast);

}  // namespace vellmora
