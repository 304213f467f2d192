#include "ephem/timlib.h"

#include <cmath>

namespace vellmora {

double IntTowardZero(double x) { return std::trunc(x); }

double FracPositive(double x) {
  double f = x - std::trunc(x);
  if (f < 0) f += 1;
  return f;
}

double ModifiedJulianDate(int day, int month, int year, double hours) {
  // The calendar key is taken before January and February move to the previous year.
  const int key = year * 10000 + month * 100 + day;
  if (month <= 2) {
    month += 12;
    year -= 1;
  }
  double b;
  if (key <= 15821004.1) {
    b = std::trunc((year + 4716) / 4.0) - 1181;  // Julian calendar
  } else {
    b = std::trunc(year / 400.0) - std::trunc(year / 100.0) + std::trunc(year / 4.0);  // Gregorian
  }
  return 365.0 * year - 679004 + b + std::trunc(30.6001 * (month + 1)) + day + hours / 24;
}

CalendarInstant CalendarFromMJD(double mjd) {
  const double a = mjd + kJulianDateOfMJDZero;
  const double b = IntTowardZero(a + 0.5);
  double c;
  if (b < 2299161) {
    c = b + 1524;  // Julian calendar
  } else {
    const double g = std::trunc((b - 1867216.25) / 36524.25);
    c = b + (g - std::trunc(g / 4)) + 1525;
  }
  const double d = std::trunc((c - 122.1) / 365.25);
  const double e = std::trunc(d / 4) + 365 * d;
  const double f = std::trunc((c - e) / 30.6001);
  const double day = std::trunc(c - e + 0.5) - std::trunc(30.6001 * f);
  const double month = f - 1 - 12 * std::trunc(f / 14);
  const double year = d - 4715 - std::trunc((7 + month) / 10);
  return {static_cast<int>(day), static_cast<int>(month), static_cast<int>(year), (a + 0.5 - b) * 24};
}

double LocalSiderealTime(double mjd, double longitudeWest) {
  const double mjd0 = IntTowardZero(mjd);
  const double ut = (mjd - mjd0) * 24;
  const double t0 = CenturiesFromMJD(mjd0);
  // Greenwich mean sidereal time in hours (IAU 1982).
  const double gmst = 6.697374558 + 1.0027379093 * ut + (8640184.812866 + (0.093104 - 6.2e-6 * t0) * t0) * t0 / 3600;
  return 24 * FracPositive((gmst - longitudeWest / 15) / 24);
}

}  // namespace vellmora
