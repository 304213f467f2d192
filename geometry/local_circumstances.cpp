#include "geometry/local_circumstances.h"

#include <cmath>

#include "ephem/deltat.h"
#include "ephem/matlib.h"
#include "ephem/moolib.h"
#include "ephem/sunlib.h"
#include "ephem/timlib.h"
#include "geometry/contact_function.h"
#include "geometry/local_circumstances_text.h"
#include "geometry/local_phase.h"
#include "geometry/solve_bracketed.h"

namespace vellmora {
namespace {

constexpr double FitHalfSpan = 5e-5;                      // centuries, about 43.8 hours
constexpr double SixMinutes = 0.1 / 876600;               // centuries
constexpr double FifteenMinutes = 2.8519279032626056e-7;  // centuries
constexpr int SearchWindows = 51;                         // 12-minute windows centred from T - 5 h to T + 5 h
constexpr double InnerContactTolerance = 1e-10;           // centuries, about 0.3 s

// Finds the first and fourth contacts and the time of maximum by fitting a
// parabola to the penumbral contact function over consecutive 12-minute
// windows, each sampled at its start, centre and end (the end sample is the
// next window's start). Stops after the second root. Returns the number of
// roots found; contacts and maximum not found keep their preset values.
int SearchOuterContacts(const LocalEclipseSetting& setting, double catalogueTime, LocalCircumstancesResult& result) {
  auto penumbral = [&setting](double t) { return ContactFunction(setting, t, ContactMode::Penumbral); };
  int roots = 0;
  double windowStart = penumbral(catalogueTime - 51 * SixMinutes);
  for (int window = 0; window < SearchWindows && roots != 2; ++window) {
    const double centre = catalogueTime + (2 * window - 50) * SixMinutes;
    const double windowEnd = penumbral(centre + SixMinutes);
    const Parabola parabola = QuadraticInterpolation(windowStart, penumbral(centre), windowEnd);
    windowStart = windowEnd;
    roots += parabola.RootCount;
    if (parabola.RootCount == 1) {
      result.Contacts[roots == 1 ? 0 : 3] = centre + parabola.Root1 * SixMinutes;
    } else if (parabola.RootCount == 2) {
      result.Contacts[0] = centre + parabola.Root1 * SixMinutes;
      result.Contacts[3] = centre + parabola.Root2 * SixMinutes;
    }
    if (parabola.VertexX > -1 && parabola.VertexX < 1) result.Maximum = centre + parabola.VertexX * SixMinutes;
  }
  return roots;
}

}  // namespace

LocalEclipseSetting LocalCircumstancesSetting(double catalogueTime, double deltaTDays, double observerLatitude,
                                              double observerLongitudeEast) {
  return {FitMoonChebyshev(catalogueTime - FitHalfSpan, catalogueTime + FitHalfSpan, 8),
          FitSunChebyshev(catalogueTime - FitHalfSpan, catalogueTime + FitHalfSpan, 8), deltaTDays,
          -observerLongitudeEast, GeocentricSite(observerLatitude)};
}

LocalCircumstancesResult LocalCircumstances(int day, int month, int year, double hours, double observerLatitude,
                                            double observerLongitudeEast, double deltaTDays) {
  const double catalogueTime = CenturiesFromMJD(ModifiedJulianDate(day, month, year, hours));
  const LocalEclipseSetting setting =
      LocalCircumstancesSetting(catalogueTime, deltaTDays, observerLatitude, observerLongitudeEast);

  LocalCircumstancesResult result;
  result.Maximum = catalogueTime;
  result.Contacts.fill(catalogueTime);
  if (SearchOuterContacts(setting, catalogueTime, result) == 0) {
    result.Lines.push_back(FormatKindLine(LocalEclipseKind::NotVisible, 0, 0));
    return result;
  }

  const ShadowElements elements = ComputeShadowElements(setting.Moon, setting.Sun, setting.DeltaT, result.Maximum);
  const ObserverPosition observer = ObserverCoordinates(elements, result.Maximum, setting.LongitudeWest, setting.Site);
  const double distanceFromAxis = std::hypot(observer.xi - elements.x, observer.eta - elements.y);
  const LocalPhase phase =
      PhaseAtMaximum(distanceFromAxis, ShadowRadiusAtObserver(elements, observer, ContactMode::Penumbral),
                     ShadowRadiusAtObserver(elements, observer, ContactMode::Umbral));
  result.Kind = phase.Kind;
  result.Magnitude = phase.Magnitude;
  result.Obscuration = phase.Obscuration;

  const bool central = phase.Kind != LocalEclipseKind::Partial;
  if (central) {
    auto umbral = [&setting](double t) { return ContactFunction(setting, t, ContactMode::Umbral); };
    const double tm = result.Maximum;
    result.Contacts[1] = SolveBracketed(umbral, tm - FifteenMinutes, tm, InnerContactTolerance);
    result.Contacts[2] = SolveBracketed(umbral, tm, tm + FifteenMinutes, InnerContactTolerance);
  }

  result.Lines.push_back(FormatKindLine(phase.Kind, phase.Magnitude, phase.Obscuration));
  result.Lines.push_back(FormatMaximumLine(result.Maximum));
  for (int contact = 1; contact <= 4; ++contact) {
    if (central || contact == 1 || contact == 4) {
      result.Lines.push_back(FormatContactLine(contact, result.Contacts[contact - 1]));
    }
  }
  return result;
}

LocalCircumstancesResult LocalCircumstances(int day, int month, int year, double hours, double observerLatitude,
                                            double observerLongitudeEast) {
  return LocalCircumstances(day, month, year, hours, observerLatitude, observerLongitudeEast, DeltaT(year));
}

}  // namespace vellmora
