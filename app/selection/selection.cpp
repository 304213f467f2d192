#include "app/selection/selection.h"

#include <cstdint>
#include <utility>

#include "catalogue/vsop.h"

namespace vellmora {

Selection::Selection(ChosenEclipse eclipse, ChosenPlace place)
    : eclipse_(std::move(eclipse)),
      place_(std::move(place)),
      deltaT_(EclipseDeltaT(eclipse_.Source, eclipse_.DynamicalTime.Day, eclipse_.DynamicalTime.Month,
                            eclipse_.DynamicalTime.Year)) {}

const CentralLineResults& Selection::CentralLine() const {
  if (!centralLine_) CentralLineScan(eclipse_.Listed(), deltaT_, centralLine_.emplace(), eclipse_.Source);
  return *centralLine_;
}

const std::vector<ZoneStep>& Selection::ZoneLimits() const {
  if (!zoneLimits_) {
    zoneLimits_ =
        vellmora::ZoneLimits(eclipse_.Listed(), deltaT_, UmbralLunarRadiusOf(eclipse_.Source), eclipse_.Source);
  }
  return *zoneLimits_;
}

bool Selection::SunAboveHorizon() const {
  if (!sunAboveHorizon_) {
    const CalendarInstant& t = eclipse_.DynamicalTime;
    const double serial = InstantToDateSerial(static_cast<std::uint16_t>(t.Year), static_cast<std::uint16_t>(t.Month),
                                              static_cast<std::uint16_t>(t.Day), t.Hours);
    sunAboveHorizon_ = SunHorizontalPosition(serial, -place_.LongitudeEast, place_.Latitude).Altitude >= 0;
  }
  return *sunAboveHorizon_;
}

const std::optional<LocalCircumstancesResult>& Selection::LocalCircumstances() const {
  if (!localCircumstances_) {
    std::optional<LocalCircumstancesResult>& seen = localCircumstances_.emplace();
    if (SunAboveHorizon()) seen = SeenAtPlace();
  }
  return *localCircumstances_;
}

const LocalCircumstancesResult& Selection::SeenAtPlace() const {
  if (!seenAtPlace_) {
    seenAtPlace_ = vellmora::LocalCircumstances(eclipse_.Listed(), place_.Latitude, place_.LongitudeEast, deltaT_,
                                                eclipse_.Source);
  }
  return *seenAtPlace_;
}

const LocalDetails& Selection::Details() const {
  if (!details_) {
    const ObservingPlace place{place_.Latitude, place_.LongitudeEast, place_.ZoneOffsetHours};
    details_ = ComputeLocalDetails(eclipse_.Listed(), place, deltaT_, PathLinesOfZone(ZoneLimits()), eclipse_.Source);
  }
  return *details_;
}

const DetailsClocks& Selection::Clocks() const {
  if (!clocks_) {
    DetailsClocks& clocks = clocks_.emplace();
    const auto at = [this](double t) { return PlaceClocksAt(place_.TimeZone, place_.LongitudeEast, t); };
    for (const LocalEvent& event : Details().Events) clocks.Events.push_back(at(event.Instant));
    for (const HorizonEvent& event : Details().HorizonEvents) clocks.HorizonEvents.push_back(at(event.Instant));
  }
  return *clocks_;
}

const BesselianElements& Selection::Elements() const {
  if (!elements_) {
    elements_ =
        ComputeBesselianElements(eclipse_.Listed(), deltaT_, UmbralLunarRadiusOf(eclipse_.Source), eclipse_.Source);
  }
  return *elements_;
}

const VisibilityMap& Selection::Visibility() const {
  if (!visibility_) visibility_ = ComputeVisibilityMap(Elements());
  return *visibility_;
}

}  // namespace vellmora
