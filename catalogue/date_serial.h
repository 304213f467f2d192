#pragma once

#include <stdexcept>

// The date serial: days since 1899-12-30 0h in the proleptic Gregorian
// calendar, the fraction being the time of day (2000-01-01 is 36526).

namespace vellmora {

// A conversion failure of the calendar: an impossible day ("Fehler!") or a
// date that cannot be encoded ("Invalid argument to date encode").
class EConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr const char* kDateEncodeMessage = "Invalid argument to date encode";

// Serial of 0h of a Gregorian date; years 1..9999 and real days only,
// otherwise EConvertError with kDateEncodeMessage.
double EncodeDate(int year, int month, int day);

struct CivilDate {
  int Year;
  int Month;
  int Day;
};

// Gregorian date of the day that contains the serial (floor, also for negative serials).
CivilDate DecodeDate(double serial);

// Time of day as a fraction of a day: serial - floor(serial).
double TimeOfDay(double serial);

}  // namespace vellmora
