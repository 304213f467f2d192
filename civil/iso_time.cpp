#include "civil/iso_time.h"

#include <date/date.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "ephem/timlib.h"

namespace vellmora {
namespace {

struct WholeSeconds {
  long long Day;  // days since MJD 0
  long Second;    // of the day
};

// The clock offsetSeconds ahead of UT, rounded to the second.
WholeSeconds Split(double t, double offsetSeconds) {
  const double seconds = std::floor(MJDFromCenturies(t) * kSecondsPerDay + offsetSeconds + 0.5);
  const double day = std::floor(seconds / kSecondsPerDay);
  return {static_cast<long long>(day), static_cast<long>(seconds - day * kSecondsPerDay)};
}

struct Ymd {
  long long Year;
  int Month;
  int Day;
};

constexpr long long kMJDOfUnixEpoch = 40587;

// The proleptic Gregorian date of a day count since MJD 0.
Ymd GregorianDate(long long mjd) {
  const date::year_month_day day{date::sys_days{date::days{mjd - kMJDOfUnixEpoch}}};
  return {static_cast<int>(day.year()), static_cast<int>(static_cast<unsigned>(day.month())),
          static_cast<int>(static_cast<unsigned>(day.day()))};
}

std::string Text(long long year, int month, int day, long second) {
  char text[64];
  std::snprintf(text, sizeof text, "%04lld-%02d-%02dT%02ld:%02ld:%02ld", year, month, day, second / 3600,
                second / 60 % 60, second % 60);
  return text;
}

std::string OffsetText(long offsetSeconds) {
  const long size = std::labs(offsetSeconds);
  char text[32];
  if (size % 60 == 0) {
    std::snprintf(text, sizeof text, "%c%02ld:%02ld", offsetSeconds < 0 ? '-' : '+', size / 3600, size / 60 % 60);
  } else {
    std::snprintf(text, sizeof text, "%c%02ld:%02ld:%02ld", offsetSeconds < 0 ? '-' : '+', size / 3600, size / 60 % 60,
                  size % 60);
  }
  return text;
}

}  // namespace

std::string IsoUtc(double t) { return IsoLocalTime(t, 0) + "Z"; }

std::string IsoWithOffset(double t, long offsetSeconds) {
  return IsoLocalTime(t, static_cast<double>(offsetSeconds)) + OffsetText(offsetSeconds);
}

std::string IsoLocalTime(double t, double offsetSeconds) {
  const WholeSeconds s = Split(t, offsetSeconds);
  const Ymd date = GregorianDate(s.Day);
  return Text(date.Year, date.Month, date.Day, s.Second);
}

std::string IsoJulianCalendar(double t, long offsetSeconds) {
  const WholeSeconds s = Split(t, static_cast<double>(offsetSeconds));
  const CalendarInstant date = CalendarFromMJD(static_cast<double>(s.Day));
  return Text(date.Year, date.Month, date.Day, s.Second);
}

}  // namespace vellmora
