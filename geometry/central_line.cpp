#include "geometry/central_line.h"

#include <cmath>

#include "ephem/moolib.h"
#include "ephem/sunlib.h"
#include "ephem/timlib.h"
#include "geometry/central_phase.h"
#include "geometry/fit_position.h"
#include "geometry/scan_grid.h"
#include "geometry/shadow_axis.h"
#include "geometry/shadow_elements.h"

namespace vellmora {
namespace {

constexpr double kFitMargin = 1.14e-6;  // about one hour, in centuries
constexpr double kSixSeconds = CenturiesOfSeconds(6);
// The largest difference of geodetic from geocentric latitude, degrees, at 45
// degrees (times the sine of twice the latitude).
constexpr double kGeodeticLatitudeExcess = 0.1924;
// Chebyshev degrees of the fits over the twelve hours of the scan.
constexpr int kMoonFitDegree = 8;
constexpr int kSunFitDegree = 3;

struct ScanFits {
  EquatorialFit Moon;
  EquatorialFit Sun;
  UmbralCone Cone;
};

// The fits over [TA, TB] and the umbra of an ephemeris; the standard one keeps
// the central line's rounded cone.
ScanFits FitsOver(double TA, double TB, Ephemeris ephemeris) {
  return {FitMoon(ephemeris, TA, TB, kMoonFitDegree), FitSun(ephemeris, TA, TB, kSunFitDegree),
          ephemeris == Ephemeris::Precise ? UmbralConeOf(UmbralLunarRadiusOf(ephemeris)) : kCentralLineCone};
}

ShadowAxis ShadowAt(const ScanFits& fits, double ephemerisTime) {
  EquatorialPosition sun = PositionFromFit(fits.Sun, ephemerisTime);
  sun.Distance *= kCentralLineEarthRadiiPerAu;
  return ShadowAxisIntersection(PositionFromFit(fits.Moon, ephemerisTime), sun, fits.Cone);
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
  return {geocentricLatitude + kGeodeticLatitudeExcess * SinD(2 * geocentricLatitude), longitudeWest};
}

// The central point at the universal time t (centuries) of the fits' span;
// deltaT in centuries.
std::optional<CentralPoint> PointAt(const ScanFits& fits, double t, double deltaT) {
  const ShadowAxis shadow = ShadowAt(fits, t + deltaT);
  if (!IsCentral(shadow.Class)) return std::nullopt;
  const GroundPoint point = GeographicPosition(shadow.SurfacePoint, t);
  const CentralPhase phase = DurationOfCentralPhase(
      shadow, [&](int direction) { return ShadowAt(fits, t + deltaT + direction * kSixSeconds); });
  return CentralPoint{point.Latitude, point.LongitudeWest, phase.DurationMinutes, phase.Umbra};
}

}  // namespace

void CentralLineScan(InstantTD listed, const DeltaTFigures& deltaT, CentralLineResults& results, Ephemeris ephemeris) {
  results.StepHours.clear();
  results.CentralLatitudes.clear();
  results.CentralLongitudes.clear();
  results.UmbraDiameters.clear();
  results.CentralPhaseMinutes.clear();

  // The scan's grid is anchored at the catalogue hour rounded to 15 s.
  const double centre = ScanCentre(listed);
  const double start = centre - kScanHalfSpan;
  const double end = centre + kScanHalfSpan;
  const ScanFits fits = FitsOver(start - kFitMargin, end + kFitMargin, ephemeris);

  double t = start;
  do {
    if (const std::optional<CentralPoint> point = PointAt(fits, t, deltaT.UsedCenturies())) {
      results.StepHours.push_back(CalendarFromMJD(MJDFromCenturies(t)).Hours);
      results.CentralLatitudes.push_back(point->Latitude);
      results.CentralLongitudes.push_back(point->LongitudeWest);
      results.UmbraDiameters.push_back(point->UmbraDiameter);
      results.CentralPhaseMinutes.push_back(point->DurationMinutes);
      if (point->Latitude < results.CentralLatitudeMin) results.CentralLatitudeMin = point->Latitude;
      if (point->Latitude > results.CentralLatitudeMax) results.CentralLatitudeMax = point->Latitude;
    }
    t += kScanStep;
  } while (!(t > end));
}

std::optional<CentralPoint> CentralPointAt(InstantUT instant, const DeltaTFigures& deltaT, Ephemeris ephemeris) {
  const double t = instant.Centuries();
  // Fitted around the dynamical time, where the series are evaluated.
  const double ephemerisTime = t + deltaT.UsedCenturies();
  const ScanFits fits = FitsOver(ephemerisTime - kFitMargin, ephemerisTime + kFitMargin, ephemeris);
  return PointAt(fits, t, deltaT.UsedCenturies());
}

}  // namespace vellmora
