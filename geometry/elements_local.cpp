#include "geometry/elements_local.h"

#include <algorithm>
#include <cmath>

#include "ephem/constants.h"
#include "geometry/local_phase.h"

namespace vellmora {
namespace {

constexpr int kIterations = 8;
constexpr double kConvergedHours = 1e-8;
// The height of a point on a cone's edge settles by a factor of about tan f
// times the ground's slope seen from the Sun in each pass.
constexpr int kHeightIterations = 30;
constexpr double kConvergedHeight = 1e-10;  // under a millimetre

// The observer relative to the shadow axis at t: offset (u, v) from the axis
// and its rate (a, b) per hour.
struct RelativeMotion {
  ElementsAtInstant Elements;
  PlaneObserver Observer;
  double U = 0, V = 0, A = 0, B = 0;
};

RelativeMotion MotionAt(const BesselianElements& elements, const SiteCoordinates& site, double longitudeEast,
                        double t) {
  RelativeMotion r;
  r.Elements = EvaluateElements(elements, t);
  r.Observer = ObserverOnPlane(r.Elements, site, longitudeEast);
  r.U = r.Elements.X - r.Observer.Xi;
  r.V = r.Elements.Y - r.Observer.Eta;
  r.A = r.Elements.XRate - r.Observer.XiRate;
  r.B = r.Elements.YRate - r.Observer.EtaRate;
  return r;
}

// A point of the ground at (xi, eta, zeta) and its rates as the Earth turns,
// with the sine and cosine of d.
PlaneObserver MovingWithTheEarth(const ElementsAtInstant& e, double sinD, double cosD, double xi, double eta,
                                 double zeta) {
  const double muRate = e.MuRate * kRadiansPerDegree;
  const double dRate = e.DRate * kRadiansPerDegree;
  PlaneObserver o;
  o.Xi = xi;
  o.Eta = eta;
  o.Zeta = zeta;
  // The distance from the Earth's axis times the cosine of the hour angle.
  const double rhoCosPhiCosH = zeta * cosD - eta * sinD;
  o.XiRate = muRate * rhoCosPhiCosH;
  o.EtaRate = muRate * xi * sinD - dRate * zeta;
  o.ZetaRate = -muRate * xi * cosD + dRate * eta;
  return o;
}

double PenumbraAt(const RelativeMotion& r) { return r.Elements.L1 - r.Observer.Zeta * r.Elements.TanF1; }
double UmbraAt(const RelativeMotion& r) { return r.Elements.L2 - r.Observer.Zeta * r.Elements.TanF2; }

// The instant at which the observer's distance from the axis equals the
// radius `radiusAt` gives, before (sign -1) or after (+1) the maximum.
template <typename Radius>
std::optional<double> ContactHour(const BesselianElements& elements, const SiteCoordinates& site, double longitudeEast,
                                  double maximumHour, int sign, Radius radiusAt) {
  double t = maximumHour;
  for (int n = 0; n < kIterations; ++n) {
    const RelativeMotion r = MotionAt(elements, site, longitudeEast, t);
    const double speed = std::hypot(r.A, r.B);
    const double across = (r.U * r.B - r.V * r.A) / speed;
    const double radius = std::abs(radiusAt(r));
    if (radius < std::abs(across)) return std::nullopt;
    const double step =
        -(r.U * r.A + r.V * r.B) / (speed * speed) + sign * std::sqrt(radius * radius - across * across) / speed;
    t += step;
    if (std::abs(step) < kConvergedHours) return t;
  }
  return t;
}

}  // namespace

PlaneObserver ObserverOnPlane(const ElementsAtInstant& e, const SiteCoordinates& site, double longitudeEast) {
  const double h = e.HourAngle + longitudeEast;
  const double sinH = SinD(h), cosH = CosD(h), sinD = SinD(e.D), cosD = CosD(e.D);
  return MovingWithTheEarth(e, sinD, cosD, site.RhoCosPhi * sinH, site.RhoSinPhi * cosD - site.RhoCosPhi * cosH * sinD,
                            site.RhoSinPhi * sinD + site.RhoCosPhi * cosH * cosD);
}

PlaneObserver GroundPointOnPlane(const ElementsAtInstant& e, const PlaneFrame& frame, double xi, double eta,
                                 double zeta) {
  return MovingWithTheEarth(e, frame.K.z, frame.J.z, xi, eta, zeta);
}

PlaneFrame FrameOf(const ElementsAtInstant& e) {
  // The axis points to the east longitude -mu.
  const double sinA = SinD(-e.HourAngle), cosA = CosD(-e.HourAngle), sinD = SinD(e.D), cosD = CosD(e.D);
  return {{-sinA, cosA, 0}, {-sinD * cosA, -sinD * sinA, cosD}, {cosD * cosA, cosD * sinA, sinD}};
}

std::optional<double> GroundHeight(const PlaneFrame& frame, double xi, double eta) {
  // r = xi i + eta j + zeta k on the ellipsoid x^2 + y^2 + z^2 / (1 - e^2) = 1:
  // a quadratic in zeta, whose larger root is on the side facing the Sun.
  const Vector3& i = frame.I;
  const Vector3& j = frame.J;
  const Vector3& k = frame.K;
  const Vector3 p{xi * i.x + eta * j.x, xi * i.y + eta * j.y, xi * i.z + eta * j.z};
  const double w = 1 / kPolarRadiusRatioSquared;
  const double qa = k.x * k.x + k.y * k.y + w * k.z * k.z;
  const double qb = 2 * (p.x * k.x + p.y * k.y + w * p.z * k.z);
  const double qc = p.x * p.x + p.y * p.y + w * p.z * p.z - 1;
  const double discriminant = qb * qb - 4 * qa * qc;
  if (discriminant < 0) return std::nullopt;
  return (-qb + std::sqrt(discriminant)) / (2 * qa);
}

GeographicPoint PlaceInFrame(const PlaneFrame& frame, double xi, double eta, double zeta) {
  const Vector3& i = frame.I;
  const Vector3& j = frame.J;
  const Vector3& k = frame.K;
  return PlaceBelow(
      {xi * i.x + eta * j.x + zeta * k.x, xi * i.y + eta * j.y + zeta * k.y, xi * i.z + eta * j.z + zeta * k.z});
}

std::optional<GeographicPoint> PlaceOnPlane(const ElementsAtInstant& e, double xi, double eta) {
  const PlaneFrame frame = FrameOf(e);
  const std::optional<double> zeta = GroundHeight(frame, xi, eta);
  if (!zeta) return std::nullopt;
  return PlaceInFrame(frame, xi, eta, *zeta);
}

std::optional<PlaneObserver> ConeEdgeOnGround(const ElementsAtInstant& e, const PlaneFrame& frame, double l,
                                              double tanF, double theta, double firstHeight) {
  const double cosTheta = std::cos(theta), sinTheta = std::sin(theta);
  double zeta = firstHeight;
  for (int n = 0; n < kHeightIterations; ++n) {
    const double radius = std::abs(l - zeta * tanF);
    const double xi = e.X + radius * cosTheta;
    const double eta = e.Y + radius * sinTheta;
    const std::optional<double> height = GroundHeight(frame, xi, eta);
    if (!height) return std::nullopt;
    if (std::abs(*height - zeta) < kConvergedHeight) return GroundPointOnPlane(e, frame, xi, eta, *height);
    zeta = *height;
  }
  return std::nullopt;
}

ElementsEclipseAtPlace EclipseAtPlace(const BesselianElements& elements, const SiteCoordinates& site,
                                      double longitudeEast, double startHour, bool withContacts) {
  const double earliest = elements.FirstHour - 1, latest = elements.LastHour + 1;
  double t = std::clamp(startHour, earliest, latest);
  RelativeMotion r = MotionAt(elements, site, longitudeEast, t);
  for (int n = 0; n < kIterations; ++n) {
    const double step = -(r.U * r.A + r.V * r.B) / (r.A * r.A + r.B * r.B);
    t = std::clamp(t + step, earliest, latest);
    r = MotionAt(elements, site, longitudeEast, t);
    if (std::abs(step) < kConvergedHours) break;
  }
  ElementsEclipseAtPlace eclipse;
  eclipse.MaximumHour = t;
  eclipse.DistanceFromAxis = std::hypot(r.U, r.V);
  eclipse.PenumbraRadius = PenumbraAt(r);
  eclipse.UmbraRadius = UmbraAt(r);
  eclipse.SunHeightAtMaximum = r.Observer.Zeta;
  eclipse.SunHeightRateAtMaximum = r.Observer.ZetaRate;
  eclipse.NorthOfAxis = -r.V;
  if (!withContacts || eclipse.DistanceFromAxis >= eclipse.PenumbraRadius) return eclipse;
  auto contact = [&](int sign) -> std::optional<ElementsEclipseAtPlace::Contact> {
    const std::optional<double> hour = ContactHour(elements, site, longitudeEast, t, sign, PenumbraAt);
    if (!hour) return std::nullopt;
    const RelativeMotion at = MotionAt(elements, site, longitudeEast, *hour);
    return ElementsEclipseAtPlace::Contact{*hour, at.Observer.Zeta, at.Observer.ZetaRate};
  };
  eclipse.First = contact(-1);
  eclipse.Last = contact(+1);
  return eclipse;
}

std::array<std::optional<double>, 2> InnerContactHours(const BesselianElements& elements, const SiteCoordinates& site,
                                                       double longitudeEast, double maximumHour) {
  return {ContactHour(elements, site, longitudeEast, maximumHour, -1, UmbraAt),
          ContactHour(elements, site, longitudeEast, maximumHour, +1, UmbraAt)};
}

LocalCircumstancesResult LocalCircumstancesFromElements(const BesselianElements& elements, double latitude,
                                                        double longitudeEast) {
  const SiteCoordinates site = GeocentricSite(latitude);
  const ElementsEclipseAtPlace eclipse = EclipseAtPlace(elements, site, longitudeEast);
  LocalCircumstancesResult result;
  result.Maximum = UniversalTimeAt(elements, eclipse.MaximumHour);
  result.Contacts.fill(result.Maximum);
  if (!eclipse.First || !eclipse.Last) return result;

  const LocalPhase phase = PhaseAtMaximum(eclipse.DistanceFromAxis, eclipse.PenumbraRadius, eclipse.UmbraRadius);
  result.Kind = phase.Kind;
  result.Magnitude = phase.Magnitude;
  result.Obscuration = phase.Obscuration;
  result.Contacts[0] = UniversalTimeAt(elements, eclipse.First->Hour);
  result.Contacts[3] = UniversalTimeAt(elements, eclipse.Last->Hour);
  if (phase.Kind != LocalEclipseKind::Partial) {
    const auto inner = InnerContactHours(elements, site, longitudeEast, eclipse.MaximumHour);
    if (inner[0]) result.Contacts[1] = UniversalTimeAt(elements, *inner[0]);
    if (inner[1]) result.Contacts[2] = UniversalTimeAt(elements, *inner[1]);
  }
  return result;
}

}  // namespace vellmora
