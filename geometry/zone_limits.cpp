#include "geometry/zone_limits.h"

#include <array>
#include <cmath>
#include <utility>

#include "ephem/deltat.h"
#include "ephem/timlib.h"
#include "geometry/contact_function.h"
#include "geometry/local_contacts.h"
#include "geometry/scan_grid.h"
#include "geometry/solve_bracketed.h"
#include "geometry/zone_width.h"

namespace vellmora {
namespace {

// Half the span of the central differences that give the rate of change of a
// place's contact function.
constexpr double kRateHalfSpan = CenturiesOfSeconds(10);

// How far either side of the first guess the position angle of a limit point
// is sought, and how precisely (degrees).
constexpr double kAngleBracket = 30;
constexpr double kAngleTolerance = 1e-9;

double NormalisedLongitude(double degrees) {
  double longitude = std::fmod(degrees, 360.0);
  if (longitude > 180) longitude -= 360;
  if (longitude <= -180) longitude += 360;
  return longitude;
}

Vector3 Combination(double a, const Vector3& u, double b, const Vector3& v, double c, const Vector3& w) {
  return {a * u.x + b * v.x + c * w.x, a * u.y + b * v.y + c * w.y, a * u.z + b * v.z + c * w.z};
}

// The point of the ellipsoid on the Sun's side whose projection onto the
// fundamental plane is (xi, eta); none off the Earth's disc. Equatorial
// coordinates in Earth radii.
std::optional<Vector3> SunwardSurfacePoint(const ShadowElements& elements, double xi, double eta) {
  const Vector3 p = Combination(xi, elements.i, eta, elements.j, 0, elements.k);
  const Vector3& k = elements.k;
  const auto metric = [](const Vector3& a, const Vector3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z / kPolarRadiusRatioSquared;
  };
  const double a = metric(k, k);
  const double b = metric(p, k);
  const double c = metric(p, p) - 1;
  const double discriminant = b * b - a * c;
  if (discriminant < 0) return std::nullopt;
  const double zeta = (-b + std::sqrt(discriminant)) / a;
  return Combination(xi, elements.i, eta, elements.j, zeta, elements.k);
}

// The place under an equatorial surface point at the universal time t.
GeographicPoint PlaceAt(const Vector3& equatorial, double t) {
  GeographicPoint place = PlaceBelow(equatorial);
  const double greenwichSiderealDegrees = 15 * LocalSiderealTime(MJDFromCenturies(t), 0);
  place.LongitudeEast = NormalisedLongitude(place.LongitudeEast - greenwichSiderealDegrees);
  return place;
}

// Everything of one scan: the fits and Delta-T as the local circumstances
// take them, so that both see the same shadow, and the umbra's lunar radius.
struct ZoneModel {
  LocalFits Fits;
  DeltaTFigures DeltaT;
  double UmbralLunarRadius;

  ShadowElements At(double t) const { return ComputeShadowElements(Fits.Moon, Fits.Sun, DeltaT, t, UmbralLunarRadius); }

  LocalEclipseSetting For(const GeographicPoint& place) const {
    return {Fits.Moon, Fits.Sun, DeltaT, -place.LongitudeEast, GeocentricSite(place.Latitude), UmbralLunarRadius};
  }
};

// The shadow at one step and just before and after it.
struct StepShadow {
  double Instant;
  ShadowElements Now;
  ShadowElements Earlier;  // at Instant - kRateHalfSpan
  ShadowElements Later;    // at Instant + kRateHalfSpan
};

StepShadow ShadowAround(const ZoneModel& model, double t, const ShadowElements& now) {
  return {t, now, model.At(t - kRateHalfSpan), model.At(t + kRateHalfSpan)};
}

// The rate of change of the place's umbral contact function at the step: a
// limit point is a place on the umbra's edge where it is zero, so that the edge
// touches the place and leaves it again at once.
double UmbralContactRate(const StepShadow& shadow, const GeographicPoint& place) {
  const SiteCoordinates site = GeocentricSite(place.Latitude);
  const auto contact = [&](const ShadowElements& elements, double instant) {
    return ContactFunction(elements, ObserverCoordinates(elements, instant, -place.LongitudeEast, site),
                           ContactMode::Umbral);
  };
  return (contact(shadow.Later, shadow.Instant + kRateHalfSpan) -
          contact(shadow.Earlier, shadow.Instant - kRateHalfSpan)) /
         (2 * kRateHalfSpan);
}

// The place on the umbra's edge at position angle q (degrees from i towards j
// on the fundamental plane). The umbra's radius depends on the place's height
// zeta above the plane, so place and radius are found together.
std::optional<GeographicPoint> UmbraEdgePlace(const ShadowElements& elements, double t, double q) {
  constexpr int kMaxPasses = 30;
  double zeta = 0;
  for (int pass = 0; pass < kMaxPasses; ++pass) {
    const double radius = std::abs(elements.l2 - zeta * TanD(elements.f2));
    const std::optional<Vector3> point =
        SunwardSurfacePoint(elements, elements.x + radius * CosD(q), elements.y + radius * SinD(q));
    if (!point) return std::nullopt;
    const double nextZeta = DotProduct(*point, elements.k);
    if (std::abs(nextZeta - zeta) < 1e-13) return PlaceAt(*point, t);
    zeta = nextZeta;
  }
  return std::nullopt;
}

// The limit point on one side of the path: the position angle near `guess`
// at which the edge place's contact function stops changing. None when the
// edge leaves the Earth there or no such angle lies within the bracket.
std::optional<GeographicPoint> LimitPoint(const StepShadow& shadow, double guess) {
  const ShadowElements& elements = shadow.Now;
  const double t = shadow.Instant;
  bool offTheEarth = false;
  const auto rate = [&](double q) {
    const std::optional<GeographicPoint> place = UmbraEdgePlace(elements, t, q);
    if (!place) {
      offTheEarth = true;
      return 0.0;
    }
    return UmbralContactRate(shadow, *place);
  };
  // Where the bracket reaches over the limb, it is drawn in towards the guess.
  double low = guess - kAngleBracket;
  double high = guess + kAngleBracket;
  for (int halving = 0; halving < 6 && !UmbraEdgePlace(elements, t, low); ++halving) low = (low + guess) / 2;
  for (int halving = 0; halving < 6 && !UmbraEdgePlace(elements, t, high); ++halving) high = (high + guess) / 2;
  const double rateLow = rate(low);
  const double rateHigh = rate(high);
  if (offTheEarth || rateLow * rateHigh >= 0) return std::nullopt;
  const double q = SolveBracketed(rate, low, high, kAngleTolerance);
  if (offTheEarth) return std::nullopt;
  return UmbraEdgePlace(elements, t, q);
}

// Position angle (degrees) across the shadow's track on the fundamental plane
// towards the north: perpendicular to the axis's motion relative to the
// place under it, on the side of +j.
double NorthwardAcrossTrack(const StepShadow& shadow, const GeographicPoint& central) {
  const SiteCoordinates site = GeocentricSite(central.Latitude);
  const auto offset = [&](const ShadowElements& elements, double instant) {
    const ObserverPosition observer = ObserverCoordinates(elements, instant, -central.LongitudeEast, site);
    return std::pair{elements.x - observer.xi, elements.y - observer.eta};
  };
  const auto [xLater, yLater] = offset(shadow.Later, shadow.Instant + kRateHalfSpan);
  const auto [xEarlier, yEarlier] = offset(shadow.Earlier, shadow.Instant - kRateHalfSpan);
  const double vx = xLater - xEarlier;
  const double vy = yLater - yEarlier;
  return vx >= 0 ? ArcTan2D(vx, -vy) : ArcTan2D(-vx, vy);
}

// Duration of the central phase at the central point, from its inner contacts
// found as the local circumstances find them.
double CentralDuration(const ZoneModel& model, const GeographicPoint& central, double t) {
  const std::array<double, 2> inner = InnerContacts(model.For(central), t);
  return (inner[1] - inner[0]) * kSecondsPerJulianCentury;
}

}  // namespace

std::vector<ZoneStep> ZoneLimits(InstantTD listed, const DeltaTFigures& deltaT, double umbralLunarRadius,
                                 Ephemeris ephemeris) {
  const ZoneModel model{FitsAroundListedInstant(listed, ephemeris), deltaT, umbralLunarRadius};
  const double start = ScanCentre(listed) - kScanHalfSpan;

  std::vector<ZoneStep> steps;
  for (int n = 0; n < kScanSteps; ++n) {
    const double t = start + n * kScanStep;
    const ShadowElements elements = model.At(t);
    const std::optional<Vector3> axisPoint = SunwardSurfacePoint(elements, elements.x, elements.y);
    if (!axisPoint) continue;
    const StepShadow shadow = ShadowAround(model, t, elements);
    ZoneStep step;
    step.Instant = t;
    step.Central = PlaceAt(*axisPoint, t);
    const double north = NorthwardAcrossTrack(shadow, step.Central);
    step.NorthernLimit = LimitPoint(shadow, north);
    step.SouthernLimit = LimitPoint(shadow, north + 180);
    step.CentralDurationSeconds = CentralDuration(model, step.Central, t);
    steps.push_back(step);
  }
  MeasureWidths(steps);
  return steps;
}

}  // namespace vellmora
