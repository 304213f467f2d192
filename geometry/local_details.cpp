#include "geometry/local_details.h"

#include <cmath>

#include "ephem/deltat.h"
#include "ephem/ephemeris.h"
#include "ephem/timlib.h"
#include "geometry/local_phase.h"
#include "geometry/solve_bracketed.h"

namespace vellmora {
namespace {

constexpr double kHorizonScanStep = CenturiesOfSeconds(300);  // the Sun's altitude changes little in 5 minutes
constexpr double kHorizonTolerance = CenturiesOfSeconds(0.1);

bool SeesCentralPhase(LocalEclipseKind kind) {
  return kind == LocalEclipseKind::Annular || kind == LocalEclipseKind::Total;
}

// The instant of an event in a result of the local circumstances, or none when
// that result does not have the event.
std::optional<double> InstantOf(LocalEventKind event, const LocalCircumstancesResult& result) {
  switch (event) {
    case LocalEventKind::FirstContact:
      return result.Kind == LocalEclipseKind::NotVisible ? std::nullopt : std::optional(result.Contacts[0]);
    case LocalEventKind::SecondContact:
      return SeesCentralPhase(result.Kind) ? std::optional(result.Contacts[1]) : std::nullopt;
    case LocalEventKind::Maximum:
      return result.Kind == LocalEclipseKind::NotVisible ? std::nullopt : std::optional(result.Maximum);
    case LocalEventKind::ThirdContact:
      return SeesCentralPhase(result.Kind) ? std::optional(result.Contacts[2]) : std::nullopt;
    case LocalEventKind::FourthContact:
      return result.Kind == LocalEclipseKind::NotVisible ? std::nullopt : std::optional(result.Contacts[3]);
  }
  return std::nullopt;
}

SunDiscPoint DiscPointOf(LocalEventKind event) {
  switch (event) {
    case LocalEventKind::FirstContact:
    case LocalEventKind::FourthContact:
      return SunDiscPoint::OuterContact;
    case LocalEventKind::SecondContact:
    case LocalEventKind::ThirdContact:
      return SunDiscPoint::InnerContact;
    case LocalEventKind::Maximum:
      break;
  }
  return SunDiscPoint::MoonCentre;
}

std::optional<double> ShiftSeconds(LocalEventKind event, double instant, const LocalCircumstancesResult& shifted) {
  const std::optional<double> other = InstantOf(event, shifted);
  if (!other) return std::nullopt;
  return (*other - instant) * kSecondsPerJulianCentury;
}

PathPosition PositionInPath(const GeographicPoint& place, const PathLines& path, const DistanceToLine& central,
                            bool inside) {
  PathPosition position;
  position.FromCentralLine = central;
  position.InsidePath = inside;
  const std::optional<DistanceToLine> north = DistanceFromLines(place, path.NorthernLimit);
  const std::optional<DistanceToLine> south = DistanceFromLines(place, path.SouthernLimit);
  if (north && (!south || north->Kilometres <= south->Kilometres)) {
    position.NearerLimit = PathSide::North;
    position.FromNearerLimitKm = north->Kilometres;
  } else if (south) {
    position.NearerLimit = PathSide::South;
    position.FromNearerLimitKm = south->Kilometres;
  }
  return position;
}

}  // namespace

std::vector<HorizonEvent> HorizonEventsDuring(const LocalEclipseSetting& setting, double latitude, double begin,
                                              double end) {
  auto upperLimb = [&](double t) {
    return SunSeenFrom(setting, ObserverHorizon(setting, latitude, t), t).UpperLimbApparentAltitude;
  };
  std::vector<HorizonEvent> events;
  const int steps = std::max(1, static_cast<int>(std::ceil((end - begin) / kHorizonScanStep)));
  double previousTime = begin;
  double previous = upperLimb(begin);
  for (int k = 1; k <= steps; ++k) {
    const double time = begin + (end - begin) * k / steps;
    const double altitude = upperLimb(time);
    if ((previous >= 0) != (altitude >= 0)) {
      const double instant = SolveBracketed(upperLimb, previousTime, time, kHorizonTolerance);
      events.push_back({previous >= 0 ? HorizonCrossing::Sunset : HorizonCrossing::Sunrise, instant,
                        PhaseAt(setting, instant).Magnitude});
    }
    previousTime = time;
    previous = altitude;
  }
  return events;
}

PathLines PathLinesOfZone(const std::vector<ZoneStep>& steps) {
  PathLines lines;
  auto extend = [](std::vector<std::vector<GeographicPoint>>& pieces, const std::optional<GeographicPoint>& point,
                   bool& open) {
    if (!point) {
      open = false;
      return;
    }
    if (!open) pieces.emplace_back();
    pieces.back().push_back(*point);
    open = true;
  };
  bool northOpen = false;
  bool southOpen = false;
  for (const ZoneStep& step : steps) {
    lines.CentralLine.push_back(step.Central);
    extend(lines.NorthernLimit, step.NorthernLimit, northOpen);
    extend(lines.SouthernLimit, step.SouthernLimit, southOpen);
  }
  return lines;
}

LocalDetails ComputeLocalDetails(InstantTD listed, const ObservingPlace& place, const DeltaTFigures& deltaT,
                                 const PathLines& path, Ephemeris ephemeris) {
  const LocalEclipseSetting setting =
      LocalCircumstancesSetting(listed, deltaT, place.Latitude, place.LongitudeEast, ephemeris);
  // The fits do not depend on Delta-T: the three computations share them.
  auto circumstances = [&](const DeltaTFigures& used) {
    LocalEclipseSetting shifted = setting;
    shifted.DeltaT = used;
    return LocalCircumstances(shifted, listed);
  };
  const LocalCircumstancesResult nominal = circumstances(deltaT);
  const LocalCircumstancesResult smaller = circumstances(deltaT.ShiftedBy(-deltaT.UncertaintySeconds));
  const LocalCircumstancesResult larger = circumstances(deltaT.ShiftedBy(deltaT.UncertaintySeconds));

  LocalDetails details;
  details.Kind = nominal.Kind;
  details.Magnitude = nominal.Magnitude;
  details.Obscuration = nominal.Obscuration;
  details.ZoneOffsetHours = place.ZoneOffsetHours;
  details.DeltaT = deltaT;
  details.Source = ephemeris;

  for (const LocalEventKind kind :
       {LocalEventKind::FirstContact, LocalEventKind::SecondContact, LocalEventKind::Maximum,
        LocalEventKind::ThirdContact, LocalEventKind::FourthContact}) {
    const std::optional<double> instant = InstantOf(kind, nominal);
    if (!instant) continue;
    const HorizonFrame horizon = ObserverHorizon(setting, place.Latitude, *instant);
    LocalEvent event;
    event.Kind = kind;
    event.Instant = *instant;
    event.Sun = SunSeenFrom(setting, horizon, *instant);
    event.SunAboveHorizon = IsAboveHorizon(event.Sun);
    event.Angles = AnglesOnSunDisc(setting, horizon, *instant, DiscPointOf(kind));
    event.ShiftForSmallerDeltaT = ShiftSeconds(kind, *instant, smaller);
    event.ShiftForLargerDeltaT = ShiftSeconds(kind, *instant, larger);
    details.Events.push_back(event);
  }
  if (nominal.Kind != LocalEclipseKind::NotVisible) {
    details.HorizonEvents = HorizonEventsDuring(setting, place.Latitude, nominal.Contacts[0], nominal.Contacts[3]);
  }
  if (SeesCentralPhase(nominal.Kind))
    details.CentralDurationSeconds = (nominal.Contacts[2] - nominal.Contacts[1]) * kSecondsPerJulianCentury;

  const GeographicPoint where{place.Latitude, place.LongitudeEast};
  if (const std::optional<DistanceToLine> central = DistanceFromLine(where, path.CentralLine)) {
    details.Path = PositionInPath(where, path, *central, SeesCentralPhase(nominal.Kind));
  }
  details.CentralPhaseProbability =
      CentralPhaseProbability(setting, place.Latitude, nominal.Maximum, deltaT.UncertaintySeconds);
  details.CentralPhaseCertainty = CertaintyOf(details.CentralPhaseProbability);
  return details;
}

}  // namespace vellmora
