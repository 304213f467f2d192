#include <cmath>
#include <cstdint>

#include "catalogue/moon.h"
#include "numeric/extended_trunc.h"

// The calendar half of module moon: calendar dates and Julian Dates, and the
// framework's date serial.

namespace vellmora {

namespace {

bool IsJulianLeapYear(int year) { return year % 4 == 0; }

bool IsGregorianLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

// JD of 0h of a date; gregorian selects the calendar.
long double CalendarDateToJD(std::uint16_t year, std::uint16_t month, std::uint16_t day, bool gregorian) {
  if (year == 0 || year > 9999) return 0.0L;
  std::int64_t m = month;
  std::int64_t y = year;
  if (month < 3) {
    m = month + 12;
    y = year - 1;
  }
  bool valid = true;
  if (m == 4 || m == 6 || m == 9 || m == 11) {
    valid = day >= 1 && day <= 30;
  } else if (m == 14) {
    const bool leap =
        gregorian ? IsGregorianLeapYear(static_cast<int>(y + 1)) : IsJulianLeapYear(static_cast<int>(y + 1));
    valid = day >= 1 && day <= (leap ? 29 : 28);
  } else if (m >= 3 && m <= 13) {
    valid = day >= 1 && day <= 31;
  }
  if (!valid) throw EConvertError("Fehler!");
  std::int64_t b = 0;
  if (gregorian) {
    const std::int64_t a = TruncToInt64(static_cast<long double>(y) / 100.0L);
    b = 2 - a + TruncToInt64(static_cast<long double>(a) / 4.0L);
  }
  const std::int64_t whole = TruncToInt64(365.25L * static_cast<long double>(y + 4716)) +
                             TruncToInt64(30.6001L * static_cast<long double>(m + 1)) + day + b;
  return static_cast<long double>(whole) - 1524.5L;
}

void JDToCalendarDate(long double jd, bool gregorian, std::int16_t& year, std::int16_t& month, std::int16_t& day) {
  const auto z = TruncToInt64(jd + 0.5L);
  std::int64_t b = z + 1524;
  if (gregorian) {
    const auto alpha = TruncToInt64((static_cast<long double>(z) - 1867216.25L) / 36524.25L);
    b = z + 1 + alpha - TruncToInt64(static_cast<long double>(alpha) / 4.0L) + 1524;
  }
  const auto c = TruncToInt64((static_cast<long double>(b) - 122.1L) / 365.25L);
  const auto d = TruncToInt64(365.25L * static_cast<long double>(c));
  const auto e = TruncToInt64(static_cast<long double>(b - d) / 30.6001L);
  day = static_cast<std::int16_t>(b - d - TruncToInt64(30.6001L * static_cast<long double>(e)));
  if (e < 14) {
    month = static_cast<std::int16_t>(e - 1);
    year = static_cast<std::int16_t>(c - 4716);
  } else {
    month = static_cast<std::int16_t>(e - 13);
    year = static_cast<std::int16_t>(c - 4715);
  }
}

}  // namespace

long double JulianCalendarToJD(std::uint16_t year, std::uint16_t month, std::uint16_t day) {
  return CalendarDateToJD(year, month, day, false);
}

long double GregorianCalendarToJD(std::uint16_t year, std::uint16_t month, std::uint16_t day) {
  return CalendarDateToJD(year, month, day, true);
}

long double CalendarToJD(std::uint16_t year, std::uint16_t month, std::uint16_t day, long double switchJD) {
  const long double julian = JulianCalendarToJD(year, month, day);
  return julian < switchJD ? julian : GregorianCalendarToJD(year, month, day);
}

void JDToJulianCalendar(long double jd, std::int16_t& year, std::int16_t& month, std::int16_t& day) {
  if (jd < 0) return;
  JDToCalendarDate(jd, false, year, month, day);
}

void JDToGregorianCalendar(long double jd, std::int16_t& year, std::int16_t& month, std::int16_t& day) {
  JDToCalendarDate(jd, true, year, month, day);
}

void JDToCalendar(long double jd, std::int16_t& year, std::int16_t& month, std::int16_t& day, long double switchJD) {
  if (switchJD > jd) {
    JDToJulianCalendar(jd, year, month, day);
  } else {
    JDToGregorianCalendar(jd, year, month, day);
  }
}

long double DateSerialToJD(double serial) { return static_cast<long double>(serial) + DateSerialOffset; }

double JDToDateSerial(long double jd) { return static_cast<double>(jd - DateSerialOffset); }

double CalendarToDateSerial(std::uint16_t year, std::uint16_t month, std::uint16_t day) {
  return JDToDateSerial(CalendarToJD(year, month, day));
}

double InstantToDateSerial(std::uint16_t year, std::uint16_t month, std::uint16_t day, double hours) {
  return CalendarToDateSerial(year, month, day) + hours / 24.0;
}

}  // namespace vellmora
