#pragma once

#include <array>
#include <optional>
#include <vector>

#include "catalogue/eclipse_list.h"
#include "ephem/timlib.h"
#include "geometry/local_details.h"

// The solar eclipses seen from one place: every eclipse of a range of years of
// which some part stands above the horizon there (the Sun's refracted upper
// limb), with what the place sees of it. Each is computed as the details at
// the place compute it, from the instant the eclipse list shows.

namespace vellmora {

struct VisibleEclipse {
  EclipseListRow Catalogue;                           // the walk's instant (date serial) and kind
  CalendarInstant ListInstant;                        // date (calendar of the list) and hour the list shows
  LocalEclipseKind Kind = LocalEclipseKind::Partial;  // the greatest phase seen above the horizon
  double Magnitude = 0;                               // at that phase
  double Obscuration = 0;
  double GreatestSeen = 0;           // the maximum, or the sunrise or sunset when the maximum is below the horizon
  double Maximum = 0;                // universal time, Julian centuries since J2000, as all instants here
  SunInSky Sun;                      // at the maximum
  std::array<double, 4> Contacts{};  // second and third only where the place lies in the central path
  std::vector<HorizonEvent> HorizonEvents;  // sunrise or sunset between the first and the fourth contact
  bool BeginsBeforeSunrise = false;
  bool EndsAfterSunset = false;
  std::optional<double> CentralDurationSeconds;   // annular or total at the place
  std::optional<double> CentralPhaseProbability;  // where Delta-T's uncertainty may move a limit across the place

  bool SeesCentralPhase() const { return Kind == LocalEclipseKind::Annular || Kind == LocalEclipseKind::Total; }
};

// What the place sees of one eclipse of the walk; none when nothing of it is
// above the horizon there. The shadow is that of the ephemeris, with its Delta-T.
std::optional<VisibleEclipse> SightingOf(const EclipseListRow& eclipse, const ObservingPlace& place,
                                         Ephemeris ephemeris = Ephemeris::Standard);

// Every eclipse of the walk from 1 January of `firstYear` to 1 January of
// `lastYear` (as the eclipse list reads its years) seen from the place.
std::vector<VisibleEclipse> FindVisibleEclipses(int firstYear, int lastYear, const ObservingPlace& place,
                                                Ephemeris ephemeris = Ephemeris::Standard);

// The search over the eclipses of a walk at one place after another: it keeps
// what does not depend on the place (the instants, and for eclipses without
// tabulated fits the coarse shadows and fits that some place has needed), so
// that a change of place costs only the shadow's path across the new place.
class SightingSearch {
 public:
  explicit SightingSearch(const std::vector<EclipseListRow>& eclipses, Ephemeris ephemeris = Ephemeris::Standard);
  ~SightingSearch();
  SightingSearch(SightingSearch&&) noexcept;
  SightingSearch& operator=(SightingSearch&&) noexcept;

  std::vector<VisibleEclipse> SeenFrom(const ObservingPlace& place);

 private:
  struct Eclipse;
  // Searches each eclipse as it comes, keeping nothing.
  friend std::vector<VisibleEclipse> FindVisibleEclipses(int firstYear, int lastYear, const ObservingPlace& place,
                                                         Ephemeris ephemeris);
  std::vector<Eclipse> eclipses_;
};

// The choice of a list of sightings: all, from a magnitude on, or the central phases only.
struct SightingFilter {
  double MinimumMagnitude = 0;
  bool CentralOnly = false;

  bool Keeps(const VisibleEclipse& eclipse) const {
    return eclipse.Magnitude >= MinimumMagnitude && (!CentralOnly || eclipse.SeesCentralPhase());
  }
};

}  // namespace vellmora
