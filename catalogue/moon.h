#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "catalogue/date_serial.h"
#include "numeric/extended_trig.h"

// Module moon: the calendar (Julian before 1582-10-15, Gregorian after), the
// lunation series of the mean phases with their eclipse corrections, and the
// search for the next eclipse.

namespace vellmora {

// ---- Calendar ----

inline constexpr long double kGregorianSwitchJD = 2299160.5L;  // 1582-10-15 0h

// JD minus date serial (the JD of 1899-12-30 0h), and the serial of 2000-01-01.
inline constexpr long double DateSerialOffset = 2415018.5L;
inline constexpr long double Serial2000 = 36526.0L;

// JD of 0h of a date; 0.0 for a year outside 1..9999; EConvertError "Fehler!" for an impossible day.
long double JulianCalendarToJD(std::uint16_t year, std::uint16_t month, std::uint16_t day);
long double GregorianCalendarToJD(std::uint16_t year, std::uint16_t month, std::uint16_t day);
long double CalendarToJD(std::uint16_t year, std::uint16_t month, std::uint16_t day,
                         long double switchJD = kGregorianSwitchJD);

// Calendar date containing the instant jd. The Julian conversion leaves the outputs unchanged for jd < 0.
void JDToJulianCalendar(long double jd, std::int16_t& year, std::int16_t& month, std::int16_t& day);
void JDToGregorianCalendar(long double jd, std::int16_t& year, std::int16_t& month, std::int16_t& day);
void JDToCalendar(long double jd, std::int16_t& year, std::int16_t& month, std::int16_t& day,
                  long double switchJD = kGregorianSwitchJD);

long double DateSerialToJD(double serial);
double JDToDateSerial(long double jd);
double CalendarToDateSerial(std::uint16_t year, std::uint16_t month, std::uint16_t day);

// Date serial of a date in the calendar in force at it plus a time of day in
// hours: a Julian-calendar date gives the same instant as the eclipse search.
double InstantToDateSerial(std::uint16_t year, std::uint16_t month, std::uint16_t day, double hours);

// ---- Lunations and eclipses ----

enum class EclipseKind : std::uint8_t {
  NoEclipse = 0,
  Partial = 1,
  NonCentral = 2,
  Annular = 3,
  AnnularTotal = 4,
  Total = 5,
  Penumbral = 6,
};

struct LunationElements {
  long double k;
  long double JDE;
  long double M;
  long double M1;
  long double F;
  long double Omega;
  long double E;
};

LunationElements ComputeLunation(double serial, std::int8_t phaseEighths);
EclipseKind ClassifyLunation(double& time, bool solar, bool& gammaNegative);
EclipseKind FindNextEclipse(double& time, bool solar, bool& gammaNegative);

// |sin F| > 0.36 for the Moon's argument of latitude F in degrees: no eclipse. Decided in double
// precision where F lies clearly on one side of the limit, by the extended sine next to it.
bool FarFromNode(long double f);

// What the classification of a lunation takes from the lunation alone, whatever instant selected it
// (only the eccentricity factor E follows the instant): the mean time and, near a node, the cosines
// and sines of the arguments of the corrections.
struct LunationTerms {
  long double k;
  bool Solar;
  long double JDE;
  double MeanTime;  // date serial of JDE
  bool NearNode;    // |sin F| <= 0.36: the Moon may eclipse
  CosSin M, M1, F1, TwoM, TwoM1, TwoF1, M1PlusM, M1LessM;
  // The arguments that enter by their sine alone.
  long double SinOmega, SinA1, SinM1LessTwoF1, SinM1PlusTwoF1, SinTwoM1PlusM, SinThreeM1, SinMPlusTwoF1, SinMLessTwoF1,
      SinTwoM1LessM;
};

// FindNextEclipse for a walk through many lunations, with the same results to the last bit. Each
// search classifies the lunation before the one it returns, which the search before returned, and
// it again: the walk keeps the terms of the last lunations instead of computing them three times.
class EclipseWalk {
 public:
  EclipseKind FindNext(double& time, bool solar, bool& gammaNegative);

 private:
  EclipseKind Classify(double& time, bool solar, bool& gammaNegative);
  const LunationTerms& TermsOf(double time, bool solar, long double& centuries);

  std::array<LunationTerms, 4> recent_{};
  std::size_t filled_ = 0;
  std::size_t next_ = 0;
};

}  // namespace vellmora
