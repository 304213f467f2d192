#pragma once

#include <optional>
#include <vector>

#include "app/selection/chosen_eclipse.h"
#include "civil/place_clocks.h"
#include "geometry/besselian_elements.h"
#include "geometry/central_line.h"
#include "geometry/local_circumstances.h"
#include "geometry/local_details.h"
#include "geometry/visibility_map.h"
#include "geometry/zone_limits.h"

// The chosen eclipse seen from the observing place, and everything computed
// of the two. Each result is computed on first use and kept, so however many
// readers ask (the window's lists, the globe, the details dialog, the export,
// the command line), it is computed once per selection.
//
// A result that a later feature computes of the same eclipse and place is
// added the same way: a `mutable std::optional<Result>` member, a const getter
// that fills it on first use from Eclipse(), Place(), DeltaT() and the
// results it builds on, and readers that ask the selection instead of
// computing it themselves. A new input of every result (another ephemeris,
// the place's civil zone by name) becomes a field of ChosenEclipse or
// ChosenPlace, so that a selection stays a function of its two values.

namespace vellmora {

// The place's clocks at the instants of the details, in their order.
struct DetailsClocks {
  std::vector<PlaceClocks> Events;
  std::vector<PlaceClocks> HorizonEvents;
};

class Selection {
 public:
  Selection(ChosenEclipse eclipse, ChosenPlace place);

  const ChosenEclipse& Eclipse() const { return eclipse_; }
  const ChosenPlace& Place() const { return place_; }
  // Delta-T of the eclipse (of its year for the standard ephemeris), its
  // parts and uncertainty.
  const DeltaTFigures& DeltaT() const { return deltaT_; }

  // The rows of the central line and their extreme latitudes.
  const CentralLineResults& CentralLine() const;
  // The northern and southern limits of the zone along the path.
  const std::vector<ZoneStep>& ZoneLimits() const;
  // Whether the Sun stands above the horizon at the place at greatest eclipse.
  bool SunAboveHorizon() const;
  // What the place sees; none while the Sun is below its horizon.
  const std::optional<LocalCircumstancesResult>& LocalCircumstances() const;
  // What the place sees, whether or not the Sun stands above its horizon at
  // greatest eclipse (a place may see the eclipse rise or set).
  const LocalCircumstancesResult& SeenAtPlace() const;
  // Contacts, the Sun's position, the path distances and the uncertainty at the place.
  const LocalDetails& Details() const;
  // The place's civil and solar clocks at the instants of Details().
  const DetailsClocks& Clocks() const;
  // The eclipse's Besselian elements with the year's Delta-T and ephemeris lag.
  const BesselianElements& Elements() const;
  // Where the eclipse is seen and how much: the curves of the map of visibility.
  const VisibilityMap& Visibility() const;

 private:
  ChosenEclipse eclipse_;
  ChosenPlace place_;
  DeltaTFigures deltaT_;

  mutable std::optional<CentralLineResults> centralLine_;
  mutable std::optional<std::vector<ZoneStep>> zoneLimits_;
  mutable std::optional<bool> sunAboveHorizon_;
  mutable std::optional<std::optional<LocalCircumstancesResult>> localCircumstances_;
  mutable std::optional<LocalCircumstancesResult> seenAtPlace_;
  mutable std::optional<LocalDetails> details_;
  mutable std::optional<DetailsClocks> clocks_;
  mutable std::optional<BesselianElements> elements_;
  mutable std::optional<VisibilityMap> visibility_;
};

}  // namespace vellmora
