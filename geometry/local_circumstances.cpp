#include "geometry/local_circumstances.h"

#include <cmath>

#include "ephem/matlib.h"
#include "ephem/timlib.h"
#include "geometry/contact_function.h"
#include "geometry/local_contacts.h"
#include "geometry/local_phase.h"
#include "geometry/minimum_bracketed.h"

namespace vellmora {
namespace {

constexpr double kSixMinutes = CenturiesOfSeconds(6 * 60);
constexpr int kSearchWindows = 51;  // 12-minute windows centred from T - 5 h to T + 5 h
constexpr double kMaximumTolerance = CenturiesOfSeconds(0.01);

// Finds the first and fourth contacts and the time of maximum by fitting a
// parabola to the penumbral contact function over consecutive 12-minute
// windows, each sampled at its start, centre and end (the end sample is the
// next window's start). Stops after the second root. Returns the number of
// roots found; contacts and maximum not found keep their preset values.
int SearchOuterContacts(const LocalEclipseSetting& setting, double catalogueTime, LocalCircumstancesResult& result) {
  auto penumbral = [&setting](double t) { return ContactFunction(setting, t, ContactMode::Penumbral); };
  int roots = 0;
  double windowStart = penumbral(catalogueTime - kSearchWindows * kSixMinutes);
  for (int window = 0; window < kSearchWindows && roots != 2; ++window) {
    const double centre = catalogueTime + (2 * window - (kSearchWindows - 1)) * kSixMinutes;
    const double windowEnd = penumbral(centre + kSixMinutes);
    const Parabola parabola = QuadraticInterpolation(windowStart, penumbral(centre), windowEnd);
    windowStart = windowEnd;
    roots += parabola.RootCount;
    if (parabola.RootCount == 1) {
      result.Contacts[roots == 1 ? 0 : 3] = centre + parabola.Root1 * kSixMinutes;
    } else if (parabola.RootCount == 2) {
      result.Contacts[0] = centre + parabola.Root1 * kSixMinutes;
      result.Contacts[3] = centre + parabola.Root2 * kSixMinutes;
    }
    if (parabola.VertexX > -1 && parabola.VertexX < 1) result.Maximum = centre + parabola.VertexX * kSixMinutes;
  }
  return roots;
}

// The instant of the observer's least distance from the shadow axis near the
// vertex of the search's parabola. The parabola through the penumbral contact
// function at 6-minute spacing misses it by seconds, enough to lose a central
// phase of a few seconds; one half step either side holds the true minimum.
double TimeOfLeastDistance(const LocalEclipseSetting& setting, double vertex) {
  auto distance = [&setting](double t) { return ShadowSeenBy(setting, t).DistanceFromAxis(); };
  return MinimumBracketed(distance, vertex - kSixMinutes, vertex + kSixMinutes, kMaximumTolerance);
}

}  // namespace

LocalEclipseSetting LocalCircumstancesSetting(InstantTD listed, const DeltaTFigures& deltaT, double observerLatitude,
                                              double observerLongitudeEast, Ephemeris ephemeris) {
  return LocalCircumstancesSetting(FitsAroundListedInstant(listed, ephemeris), deltaT, observerLatitude,
                                   observerLongitudeEast, ephemeris);
}

LocalEclipseSetting LocalCircumstancesSetting(const LocalFits& fits, const DeltaTFigures& deltaT,
                                              double observerLatitude, double observerLongitudeEast,
                                              Ephemeris ephemeris) {
  return {fits.Moon,
          fits.Sun,
          deltaT,
          -observerLongitudeEast,
          GeocentricSite(observerLatitude),
          UmbralLunarRadiusOf(ephemeris)};
}

LocalCircumstancesResult LocalCircumstances(InstantTD listed, double observerLatitude, double observerLongitudeEast,
                                            const DeltaTFigures& deltaT, Ephemeris ephemeris) {
  return LocalCircumstances(
      LocalCircumstancesSetting(listed, deltaT, observerLatitude, observerLongitudeEast, ephemeris), listed);
}

LocalCircumstancesResult LocalCircumstances(const LocalEclipseSetting& setting, InstantTD listed) {
  // The search runs on universal time around the listed clock reading.
  const double catalogueTime = listed.Centuries();
  LocalCircumstancesResult result;
  result.Maximum = catalogueTime;
  result.Contacts.fill(catalogueTime);
  if (SearchOuterContacts(setting, catalogueTime, result) == 0) return result;

  result.Maximum = TimeOfLeastDistance(setting, result.Maximum);
  const ShadowAtObserver shadow = ShadowSeenBy(setting, result.Maximum);
  const LocalPhase phase = PhaseAtMaximum(shadow.DistanceFromAxis(), shadow.RadiusAtObserver(ContactMode::Penumbral),
                                          shadow.RadiusAtObserver(ContactMode::Umbral));
  result.Kind = phase.Kind;
  result.Magnitude = phase.Magnitude;
  result.Obscuration = phase.Obscuration;

  if (phase.Kind != LocalEclipseKind::Partial) {
    const std::array<double, 2> inner = InnerContacts(setting, result.Maximum);
    result.Contacts[1] = inner[0];
    result.Contacts[2] = inner[1];
  }
  return result;
}

}  // namespace vellmora
