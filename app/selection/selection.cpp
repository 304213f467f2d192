#include "app/selection/selection.h"

#include <cstdint>
#include <utility>

#include "catalogue/vsop.h"

namespace vellmora {

Selection::Selection(ChosenEclipse eclipse, ChosenPlace place)
    : eclipse_(std::move(eclipse)), place_(std::move(place)), deltaT_(DeltaTOfYear(eclipse_.DynamicalTime.Year)) {}

const CentralLineResults& Selection::CentralLine() const {
  if (!centralLine_) CentralLineScan(eclipse_.Listed(), deltaT_, centralLine_.emplace());
  return *centralLine_;
}

const std::vector<ZoneStep>& Selection::ZoneLimits() const {
  if (!zoneLimits_) zoneLimits_ = vellmora::ZoneLimits(eclipse_.Listed(), deltaT_);
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
    seenAtPlace_ = vellmora::LocalCircumstances(eclipse_.Listed(), place_.Latitude, place_.LongitudeEast, deltaT_);
  }
  return *seenAtPlace_;
}

const LocalDetails& Selection::Details() const {
  if (!details_) {
    const ObservingPlace place{place_.Latitude, place_.LongitudeEast, place_.ZoneOffsetHours};
    details_ = ComputeLocalDetails(eclipse_.Listed(), place, deltaT_, PathLinesOfZone(ZoneLimits()));
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

}  // namespace vellmora
