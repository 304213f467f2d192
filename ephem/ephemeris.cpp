#include "ephem/ephemeris.h"

#include "ephem/deltat.h"
#include "ephem/moolib.h"
#include "ephem/precise_positions.h"
#include "ephem/sunlib.h"
#include "ephem/timlib.h"

namespace vellmora {
EquatorialFit FitMoon(Ephemeris ephemeris, double TA, double TB, int N) {
  return ephemeris == Ephemeris::Precise ? FitEquatorialChebyshev(TA, TB, N, PreciseMoonEquatorial)
                                         : FitMoonChebyshev(TA, TB, N);
}

EquatorialFit FitSun(Ephemeris ephemeris, double TA, double TB, int N) {
  return ephemeris == Ephemeris::Precise ? FitEquatorialChebyshev(TA, TB, N, PreciseSunEquatorial)
                                         : FitSunChebyshev(TA, TB, N);
}

double DecimalYearOf(int day, int month, int year) { return year + (month - 1 + (day - 0.5) / 31) / 12; }

DeltaTFigures EclipseDeltaT(Ephemeris ephemeris, int day, int month, int year) {
  if (ephemeris == Ephemeris::Standard) return DeltaTOfYear(year);
  const double decimalYear = DecimalYearOf(day, month, year);
  return {DeltaTSeconds(decimalYear), 0, DeltaTUncertaintySeconds(decimalYear)};
}

}  // namespace vellmora
