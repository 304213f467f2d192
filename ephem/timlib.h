#pragma once

// Time scales of the ephemeris library: Modified Julian Date and local mean
// sidereal time. Dates up to 1582 October 4 are Julian-calendar dates.

namespace vellmora {

inline constexpr double kDaysPerJulianCentury = 36525;
inline constexpr double kSecondsPerHour = 3600;
inline constexpr double kSecondsPerDay = 86400;
inline constexpr double kMJDOfJ2000 = 51544.5;
inline constexpr double kSecondsPerJulianCentury = kSecondsPerDay * kDaysPerJulianCentury;
inline constexpr double kJulianDateOfMJDZero = 2400000.5;  // MJD = JD - 2400000.5

// Julian centuries since J2000, the time argument of the ephemeris, and back.
constexpr double CenturiesFromMJD(double mjd) { return (mjd - kMJDOfJ2000) / kDaysPerJulianCentury; }
constexpr double MJDFromCenturies(double t) { return kDaysPerJulianCentury * t + kMJDOfJ2000; }
constexpr double JulianDateFromCenturies(double t) { return MJDFromCenturies(t) + kJulianDateOfMJDZero; }

// Integer part of x, rounded towards zero, as a double.
double IntTowardZero(double x);

// Fractional part of x in [0, 1).
double FracPositive(double x);

// MJD = JD - 2400000.5 of a calendar date and time of day in hours.
double ModifiedJulianDate(int day, int month, int year, double hours);

struct CalendarInstant {
  int Day;
  int Month;
  int Year;
  double Hours;
};

CalendarInstant CalendarFromMJD(double mjd);

// Local mean sidereal time in hours, 0 <= LMST < 24, for universal time `mjd`
// and a longitude in degrees positive towards the WEST.
double LocalSiderealTime(double mjd, double longitudeWest);

}  // namespace vellmora
