#include "geometry/central_line.h"

#include <cmath>

#include "ephem/deltat.h"
#include "ephem/moolib.h"
#include "ephem/sunlib.h"
#include "ephem/timlib.h"
#include "geometry/central_line_row.h"
#include "geometry/central_phase.h"
#include "geometry/fit_position.h"
#include "geometry/shadow_axis.h"

namespace vellmora {
namespace {

constexpr double SixHours = 6.844626967830253e-6;  // centuries
constexpr double FitMargin = 1.14e-6;              // about one hour, in centuries
constexpr double ScanStep = 0.25 / 1440 / DaysPerJulianCentury;
constexpr double SixSeconds = 6.0 / 86400 / DaysPerJulianCentury;

struct ScanFits {
  EquatorialFit Moon;
  EquatorialFit Sun;
};

ShadowAxis ShadowAt(const ScanFits& fits, double ephemerisTime) {
  EquatorialPosition sun = PositionFromFit(fits.Sun, ephemerisTime);
  sun.Distance *= EarthRadiiPerAuForShadowAxis;
  return ShadowAxisIntersection(PositionFromFit(fits.Moon, ephemerisTime), sun);
}

struct GroundPoint {
  double Latitude;       // geodetic, degrees
  double LongitudeWest;  // degrees, -180..180
};

// Geodetic latitude and west longitude of the equatorial surface point at the
// universal time t.
GroundPoint GeographicPosition(const Vector3& surfacePoint, double t) {
  const PolarCoordinates polar = CartesianToPolar(surfacePoint);
  const double geocentricLatitude = polar.theta;
  const double greenwichSiderealDegrees = 15 * LocalSiderealTime(MJDFromCenturies(t), 0);
  double longitudeWest = greenwichSiderealDegrees - polar.phi;
  if (longitudeWest > 180) longitudeWest -= 360;
  if (longitudeWest < -180) longitudeWest += 360;
  return {geocentricLatitude + 0.1924 * SinD(2 * geocentricLatitude), longitudeWest};
}

}  // namespace

void CentralLineScan(int day, int month, int year, double hours, double deltaTDays, CentralLineResults& results) {
  results.Rows.clear();
  results.CentralLatitudes.clear();
  results.CentralLongitudes.clear();
  results.UmbraDiameters.clear();

  // The scan's grid is anchored at the catalogue hour rounded to 15 s.
  const double gridHours = std::trunc(hours * 60 / 0.25 + 0.5) * 0.25 / 60;
  const double centre = CenturiesFromMJD(ModifiedJulianDate(day, month, year, gridHours));
  const double start = centre - SixHours;
  const double end = centre + SixHours;
  const double deltaT = deltaTDays / DaysPerJulianCentury;
  const ScanFits fits{FitMoonChebyshev(start - FitMargin, end + FitMargin, 8),
                      FitSunChebyshev(start - FitMargin, end + FitMargin, 3)};

  double t = start;
  do {
    const ShadowAxis shadow = ShadowAt(fits, t + deltaT);
    if (IsCentral(shadow.Class)) {
      const GroundPoint point = GeographicPosition(shadow.SurfacePoint, t);
      const CentralPhase phase = DurationOfCentralPhase(
          shadow, [&](int direction) { return ShadowAt(fits, t + deltaT + direction * SixSeconds); });
      const double stepHours = CalendarFromMJD(MJDFromCenturies(t)).Hours;
      results.Rows.push_back(
          FormatCentralLineRow(stepHours, point.Latitude, point.LongitudeWest, phase.DurationMinutes));
      results.CentralLatitudes.push_back(point.Latitude);
      results.CentralLongitudes.push_back(point.LongitudeWest);
      results.UmbraDiameters.push_back(phase.Umbra);
      if (point.Latitude < results.CentralLatitudeMin) results.CentralLatitudeMin = point.Latitude;
      if (point.Latitude > results.CentralLatitudeMax) results.CentralLatitudeMax = point.Latitude;
    }
    t += ScanStep;
  } while (!(t > end));
}

void CentralLineScan(int day, int month, int year, double hours, CentralLineResults& results) {
  CentralLineScan(day, month, year, hours, DeltaT(year), results);
}

}  // namespace vellmora
