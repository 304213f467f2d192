#include "sightings/visible_eclipses.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <memory>

#include "geometry/central_phase_probability.h"
#include "geometry/local_phase.h"
#include "geometry/observer_horizon.h"
#include "sightings/eclipse_table.h"
#include "sightings/night_filter.h"
#include "sightings/on_every_core.h"
#include "sightings/penumbra_filter.h"

namespace vellmora {
namespace {

// The Earth turns by this angle (radians) in one second of universal time.
constexpr double kEarthRotationPerSecond = 7.2921e-5 * 1.0001;
// The probability integrates Delta-T over this many standard deviations either side.
constexpr double kProbabilityReachInSigma = 5;
// The search hands the eclipses to the cores in batches of this many: an
// eclipse far from the place costs microseconds, one that reaches it a tenth
// of a millisecond.
constexpr std::size_t kBatch = 16;

// What `count` eclipses show the place, seenOf(i) for the i-th, searched in
// batches on every core and joined in the eclipses' order.
template <typename SeenOf>
std::vector<VisibleEclipse> SearchOnEveryCore(std::size_t count, const SeenOf& seenOf) {
  std::vector<std::vector<VisibleEclipse>> parts((count + kBatch - 1) / kBatch);
  OnEveryCore(parts.size(), [&](std::size_t part) {
    for (std::size_t i = part * kBatch; i < std::min(count, (part + 1) * kBatch); ++i) {
      if (std::optional<VisibleEclipse> sighting = seenOf(i)) parts[part].push_back(std::move(*sighting));
    }
  });
  std::size_t found = 0;
  for (const std::vector<VisibleEclipse>& part : parts) found += part.size();
  std::vector<VisibleEclipse> seen;
  seen.reserve(found);
  for (std::vector<VisibleEclipse>& part : parts) std::move(part.begin(), part.end(), std::back_inserter(seen));
  return seen;
}

CalendarInstant ListInstantOf(const EclipseListRow& eclipse) {
  const ListDateTime shown = ListDateTimeOf(eclipse.Time);
  return {shown.Day, shown.Month, shown.Year, shown.Hours()};
}

SunInSky SunAt(const LocalEclipseSetting& setting, double latitude, double t) {
  return SunSeenFrom(setting, ObserverHorizon(setting, latitude, t), t);
}

// A change of Delta-T by d seconds carries the observer across the shadow by
// at most d seconds of the Earth's rotation: the central phase can only
// become uncertain where the edge of the umbra lies closer than that.
bool LimitWithinReach(const LocalEclipseSetting& setting, double maximum, double sigmaSeconds) {
  const ShadowAtObserver shadow = ShadowSeenBy(setting, maximum);
  const double fromEdge = std::abs(shadow.DistanceFromAxis() - std::abs(shadow.RadiusAtObserver(ContactMode::Umbral)));
  const double reach = kProbabilityReachInSigma * sigmaSeconds * kEarthRotationPerSecond * setting.Site.RhoCosPhi;
  return fromEdge <= reach;
}

}  // namespace

// One eclipse of the walk and what the search keeps of it from place to place.
struct SightingSearch::Eclipse {
  EclipseListRow Row;
  CalendarInstant ListInstant;
  InstantTD Listed;
  Ephemeris Source;
  DeltaTFigures DeltaT;
  // Where the fits are not tabulated: made for the first place in daylight and
  // for the first place the coarse shadow may reach.
  std::unique_ptr<CoarseShadow> Coarse;
  std::unique_ptr<LocalFits> Fits;

  Eclipse(const EclipseListRow& row, Ephemeris ephemeris)
      : Row(row),
        ListInstant(ListInstantOf(row)),
        Listed(InstantTD::FromCalendar(ListInstant.Day, ListInstant.Month, ListInstant.Year, ListInstant.Hours)),
        Source(ephemeris),
        DeltaT(EclipseDeltaT(ephemeris, ListInstant.Day, ListInstant.Month, ListInstant.Year)) {}

  std::optional<VisibleEclipse> SeenFrom(const ObservingPlace& place);
  std::optional<VisibleEclipse> SeenWith(const LocalFits& fits, const ObservingPlace& place) const;
};

std::optional<VisibleEclipse> SightingSearch::Eclipse::SeenFrom(const ObservingPlace& place) {
  if (SunStaysDownAround(Listed, place.Latitude, place.LongitudeEast)) return std::nullopt;
  if (const std::optional<LocalFits> tabulated = TabulatedFits(Listed, Source)) {
    if (!CoarseShadow(Listed, DeltaT, *tabulated).MayReach(place.Latitude, place.LongitudeEast)) return std::nullopt;
    return SeenWith(*tabulated, place);
  }
  if (!Coarse) Coarse = std::make_unique<CoarseShadow>(CoarseShadow::FromStraightLines(Listed, DeltaT));
  if (!Coarse->MayReach(place.Latitude, place.LongitudeEast)) return std::nullopt;
  if (!Fits) Fits = std::make_unique<LocalFits>(FitsAroundListedInstant(Listed, Source));
  return SeenWith(*Fits, place);
}

std::optional<VisibleEclipse> SightingSearch::Eclipse::SeenWith(const LocalFits& fits,
                                                                const ObservingPlace& place) const {
  const LocalEclipseSetting setting =
      LocalCircumstancesSetting(fits, DeltaT, place.Latitude, place.LongitudeEast, Source);
  const LocalCircumstancesResult result = LocalCircumstances(setting, Listed);
  if (result.Kind == LocalEclipseKind::NotVisible) return std::nullopt;

  const bool upAtFirst = IsAboveHorizon(SunAt(setting, place.Latitude, result.Contacts[0]));
  const bool upAtLast = IsAboveHorizon(SunAt(setting, place.Latitude, result.Contacts[3]));
  const SunInSky sunAtMaximum = SunAt(setting, place.Latitude, result.Maximum);
  const std::vector<HorizonEvent> horizon =
      HorizonEventsDuring(setting, place.Latitude, result.Contacts[0], result.Contacts[3]);
  if (!upAtFirst && !upAtLast && !IsAboveHorizon(sunAtMaximum) && horizon.empty()) return std::nullopt;

  VisibleEclipse seen;
  seen.Catalogue = Row;
  seen.ListInstant = ListInstant;
  seen.Maximum = result.Maximum;
  seen.Contacts = result.Contacts;
  seen.Sun = sunAtMaximum;
  seen.HorizonEvents = horizon;
  seen.BeginsBeforeSunrise = !upAtFirst;
  seen.EndsAfterSunset = !upAtLast;
  if (IsAboveHorizon(sunAtMaximum) || horizon.empty()) {
    seen.Kind = result.Kind;
    seen.Magnitude = result.Magnitude;
    seen.Obscuration = result.Obscuration;
    seen.GreatestSeen = result.Maximum;
  } else {
    const HorizonEvent& greatest = *std::max_element(
        horizon.begin(), horizon.end(), [](const auto& a, const auto& b) { return a.Magnitude < b.Magnitude; });
    const LocalPhase phase = PhaseAt(setting, greatest.Instant);
    seen.Kind = phase.Kind;
    seen.Magnitude = phase.Magnitude;
    seen.Obscuration = phase.Obscuration;
    seen.GreatestSeen = greatest.Instant;
  }
  if (result.Kind == LocalEclipseKind::Annular || result.Kind == LocalEclipseKind::Total) {
    seen.CentralDurationSeconds = (result.Contacts[2] - result.Contacts[1]) * kSecondsPerJulianCentury;
  }
  if (LimitWithinReach(setting, result.Maximum, DeltaT.UncertaintySeconds)) {
    seen.CentralPhaseProbability =
        CentralPhaseProbability(setting, place.Latitude, result.Maximum, DeltaT.UncertaintySeconds);
  }
  return seen;
}

SightingSearch::SightingSearch(const std::vector<EclipseListRow>& eclipses, Ephemeris ephemeris) {
  eclipses_.reserve(eclipses.size());
  for (const EclipseListRow& row : eclipses) eclipses_.emplace_back(row, ephemeris);
}

SightingSearch::~SightingSearch() = default;
SightingSearch::SightingSearch(SightingSearch&&) noexcept = default;
SightingSearch& SightingSearch::operator=(SightingSearch&&) noexcept = default;

std::vector<VisibleEclipse> SightingSearch::SeenFrom(const ObservingPlace& place) {
  return SearchOnEveryCore(eclipses_.size(), [&](std::size_t i) { return eclipses_[i].SeenFrom(place); });
}

std::optional<VisibleEclipse> SightingOf(const EclipseListRow& eclipse, const ObservingPlace& place,
                                         Ephemeris ephemeris) {
  std::vector<VisibleEclipse> seen = SightingSearch({eclipse}, ephemeris).SeenFrom(place);
  if (seen.empty()) return std::nullopt;
  return std::move(seen.front());
}

std::vector<VisibleEclipse> FindVisibleEclipses(int firstYear, int lastYear, const ObservingPlace& place,
                                                Ephemeris ephemeris) {
  const std::vector<EclipseListRow> rows = SolarEclipsesOfYears(firstYear, lastYear);
  return SearchOnEveryCore(rows.size(),
                           [&](std::size_t i) { return SightingSearch::Eclipse(rows[i], ephemeris).SeenFrom(place); });
}

}  // namespace vellmora
