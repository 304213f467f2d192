#include "geometry/zone_limits.h"

#include <cmath>
#include <numbers>

#include "ephem/timlib.h"
#include "geometry/besselian_elements.h"
#include "geometry/elements_local.h"
#include "geometry/scan_grid.h"
#include "geometry/solve_bracketed.h"
#include "geometry/zone_width.h"

namespace vellmora {
namespace {

// The position angle of a limit point (radians from i towards j on the
// fundamental plane) is sought by secant steps from the previous instant's
// one, or from straight across the track, and within 30 degrees of the latter.
constexpr double kFirstSecantStep = 1e-4;
constexpr double kAngleConverged = 1e-9;
constexpr int kLimitIterations = 12;
constexpr double kLargestTurnFromAcross = 30 * kRadiansPerDegree;
constexpr int kBracketHalvings = 6;

// Half the rate of change of the umbral contact function (the squared
// distance from the axis less the squared radius of the umbra) of a ground
// point: a limit point is a point on the umbra's edge where it is zero, so
// that the edge touches the place and leaves it again at once.
double UmbralContactRate(const ElementsAtInstant& e, const PlaneObserver& ground) {
  const double radius = e.L2 - ground.Zeta * e.TanF2;
  const double radiusRate = e.L2Rate - ground.ZetaRate * e.TanF2;
  return (e.X - ground.Xi) * (e.XRate - ground.XiRate) + (e.Y - ground.Eta) * (e.YRate - ground.EtaRate) -
         radius * radiusRate;
}

// Position angle (radians) across the shadow's track towards the north:
// perpendicular to the axis's motion relative to the ground point under it,
// on the side of +j.
double NorthwardAcrossTrack(const ElementsAtInstant& e, const PlaneObserver& axisPoint) {
  const double vx = e.XRate - axisPoint.XiRate;
  const double vy = e.YRate - axisPoint.EtaRate;
  return vx >= 0 ? std::atan2(vx, -vy) : std::atan2(-vx, vy);
}

// A limit point found: its position angle and the ground point there.
struct LimitFound {
  double Angle;
  PlaneObserver Ground;
};

// The limit point by secant steps from the angle `start`. None when the
// umbra's edge leaves the Earth on the way or a step leaves the reach of
// `across`.
std::optional<LimitFound> LimitBySecant(const ElementsAtInstant& e, const PlaneFrame& frame, double across,
                                        double start) {
  double height = 0;  // of the last edge point, where the search for the next one starts
  const auto edgeAt = [&](double angle) {
    const std::optional<PlaneObserver> edge = ConeEdgeOnGround(e, frame, e.L2, e.TanF2, angle, height);
    if (edge) height = edge->Zeta;
    return edge;
  };
  double angle0 = start;
  double angle1 = angle0 + kFirstSecantStep;
  const std::optional<PlaneObserver> edge0 = edgeAt(angle0);
  std::optional<PlaneObserver> edge1 = edgeAt(angle1);
  if (!edge0 || !edge1) return std::nullopt;
  double rate0 = UmbralContactRate(e, *edge0);
  double rate1 = UmbralContactRate(e, *edge1);
  for (int n = 0; n < kLimitIterations && rate1 != rate0; ++n) {
    const double angle2 = angle1 - rate1 * (angle1 - angle0) / (rate1 - rate0);
    if (std::abs(std::remainder(angle2 - across, 2 * std::numbers::pi)) > kLargestTurnFromAcross) return std::nullopt;
    const std::optional<PlaneObserver> edge2 = edgeAt(angle2);
    if (!edge2) return std::nullopt;
    if (std::abs(angle2 - angle1) < kAngleConverged) return LimitFound{angle2, *edge2};
    angle0 = angle1;
    rate0 = rate1;
    angle1 = angle2;
    rate1 = UmbralContactRate(e, *edge2);
  }
  return std::nullopt;
}

// The limit point within the reach of `across`, bracketed there: where the
// reach runs over the Earth's limb its end is drawn in towards `across`. The
// secant steps can miss it at the ends of a path, where the Sun is low and
// the limit point lies far along the track from the central point.
std::optional<LimitFound> LimitInBracket(const ElementsAtInstant& e, const PlaneFrame& frame, double across) {
  const auto edgeAt = [&](double angle) { return ConeEdgeOnGround(e, frame, e.L2, e.TanF2, angle); };
  double low = across - kLargestTurnFromAcross;
  double high = across + kLargestTurnFromAcross;
  for (int halving = 0; halving < kBracketHalvings && !edgeAt(low); ++halving) low = (low + across) / 2;
  for (int halving = 0; halving < kBracketHalvings && !edgeAt(high); ++halving) high = (high + across) / 2;
  bool offTheEarth = false;
  const auto rate = [&](double angle) {
    const std::optional<PlaneObserver> edge = edgeAt(angle);
    if (!edge) offTheEarth = true;
    return edge ? UmbralContactRate(e, *edge) : 0.0;
  };
  if (rate(low) * rate(high) >= 0 || offTheEarth) return std::nullopt;
  const double angle = SolveBracketed(rate, low, high, kAngleConverged);
  const std::optional<PlaneObserver> edge = edgeAt(angle);
  if (offTheEarth || !edge) return std::nullopt;
  return LimitFound{angle, *edge};
}

// The limit point on the side at position angle `across`, starting from
// `previous` (the angle found at the instant before) and setting it to the
// angle found. None when no angle within reach of `across` satisfies the
// condition with the umbra's edge on the Earth.
std::optional<GeographicPoint> LimitPoint(const ElementsAtInstant& e, const PlaneFrame& frame, double across,
                                          std::optional<double>& previous) {
  std::optional<LimitFound> found = LimitBySecant(e, frame, across, previous.value_or(across));
  if (!found) found = LimitInBracket(e, frame, across);
  previous.reset();
  if (!found) return std::nullopt;
  previous = found->Angle;
  return PlaceInFrame(frame, found->Ground.Xi, found->Ground.Eta, found->Ground.Zeta);
}

// Duration of the central phase at the central point, between its inner contacts.
double CentralDuration(const BesselianElements& elements, const GeographicPoint& central, double hour) {
  const auto inner = InnerContactHours(elements, GeocentricSite(central.Latitude), central.LongitudeEast, hour);
  if (!inner[0] || !inner[1]) return 0;
  return (*inner[1] - *inner[0]) * kSecondsPerHour;
}

}  // namespace

std::vector<ZoneStep> ZoneLimits(InstantTD listed, const DeltaTFigures& deltaT, double umbralLunarRadius,
                                 Ephemeris ephemeris) {
  const BesselianElements elements = ComputeBesselianElements(listed, deltaT, umbralLunarRadius, ephemeris);
  const double start = ScanCentre(listed) - kScanHalfSpan;

  std::vector<ZoneStep> steps;
  std::optional<double> northAngle;
  std::optional<double> southAngle;
  for (int n = 0; n < kScanSteps; ++n) {
    const double t = start + n * kScanStep;
    const double hour = HoursFromT0(elements, t);
    if (hour < elements.FirstHour || hour > elements.LastHour) continue;
    const ElementsAtInstant e = EvaluateElements(elements, hour);
    if (e.X * e.X + e.Y * e.Y >= 1) continue;  // the axis passes the Earth's equatorial outline
    const PlaneFrame frame = FrameOf(e);
    const std::optional<double> axisHeight = GroundHeight(frame, e.X, e.Y);
    if (!axisHeight) continue;
    ZoneStep step;
    step.Instant = t;
    step.Central = PlaceInFrame(frame, e.X, e.Y, *axisHeight);
    const double north = NorthwardAcrossTrack(e, GroundPointOnPlane(e, frame, e.X, e.Y, *axisHeight));
    step.NorthernLimit = LimitPoint(e, frame, north, northAngle);
    step.SouthernLimit = LimitPoint(e, frame, north + std::numbers::pi, southAngle);
    step.CentralDurationSeconds = CentralDuration(elements, step.Central, hour);
    steps.push_back(step);
  }
  MeasureWidths(steps);
  return steps;
}

}  // namespace vellmora
