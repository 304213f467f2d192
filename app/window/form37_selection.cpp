#include <cmath>

#include "app/resources/resources.h"
#include "app/texts/central_line_row.h"
#include "app/texts/local_circumstances_text.h"
#include "app/window/form37.h"
#include "text/format_number.h"

// Choosing the observing place and the eclipse: the place set-up at start-up,
// the place chooser's change, and the selection of an eclipse, which scans its
// central line, turns the globe to the middle of the path and tells what the
// place sees.

namespace vellmora {
namespace {

constexpr const char* kStartPlace = "Chemnitz, D";

}  // namespace

void TForm37::SetUpObservingPlace() {
  controls_.lb9.Clear();
  for (const std::string& line : LoadResourceLines("mort")) controls_.lb9.Add(line);
  controls_.CB6.Fill(LoadResourceLines("mort1"));
  placeZones_ = LoadResourceLines("zones");
  controls_.CB6.SetEditText(kStartPlace);
  controls_.CB6.SetSelectedIndex(controls_.CB6.IndexOf(kStartPlace));
  CB6Change();
}

void TForm37::CB6Change() {
  const int index = controls_.CB6.SelectedIndex();
  if (index < 0 || index >= controls_.lb9.Count()) return;
  const PlaceRecord place = ParsePlaceRecord(controls_.lb9.Line(index));
  TimeZoneName = ZoneOfPlace(index);
  ObserveFrom(static_cast<double>(place.Latitude), static_cast<double>(place.Longitude),
              static_cast<double>(place.ZoneOffset));
  LB1C();
}

void TForm37::ObserveFrom(double latitude, double eastLongitude, double zoneOffsetHours) {
  ObserverLatitude = latitude;
  ObserverLongitude = eastLongitude;
  TimeZoneOffsetHours = zoneOffsetHours;
  controls_.L39.SetText("Geografische Breite: " + FormatNumber(ObserverLatitude, 1, 2) + "\xB0");
  controls_.L40.SetText("Geografische L\xE4nge: " + FormatNumber(ObserverLongitude, 1, 2) + "\xB0");
  controls_.L41.SetText("Zeitzone bzgl. WT: " + FormatNumber(TimeZoneOffsetHours, 1, 2) + "h");
  if (PlaceChanged) PlaceChanged();
}

// No eclipse is chosen any more: the central line, the path on the globe and
// the local circumstances go, and the details follow.
void TForm37::ForgetSelection() {
  Selected.reset();
  ShowFoundPlaces = false;
  controls_.LB5.Clear();
  controls_.LB6.Clear();
  PB3P();
  if (LocalCircumstancesShown) LocalCircumstancesShown();
}

void TForm37::LB1C() {
  const int row = controls_.LB1.SelectedIndex();
  if (row < 0 || row >= static_cast<int>(ListedEclipses.size())) return;
  SuppressLatitudeRepaint = true;
  ShowFoundPlaces = false;
  ChosenEclipse eclipse = ListedEclipses[static_cast<std::size_t>(row)];
  eclipse.Source = EphemerisChoice;
  const Selection& selection = Selected.emplace(
      eclipse, ChosenPlace{ObserverLatitude, ObserverLongitude, TimeZoneOffsetHours, std::nullopt, TimeZoneName});

  controls_.LB5.Clear();
  for (const std::string& line : CentralLineRows(selection.CentralLine())) controls_.LB5.Add(line);
  Shadow.reset();
  if (keepGlobeTurn_) {
    PB3P();
  } else {
    TurnGlobeToPath();
  }

  controls_.LB6.Clear();
  if (const std::optional<LocalCircumstancesResult>& seen = selection.LocalCircumstances()) {
    for (const std::string& line : LocalCircumstancesLines(*seen)) controls_.LB6.Add(line);
  } else {
    controls_.LB6.Add(kNotVisibleText);
  }
  if (LocalCircumstancesShown) LocalCircumstancesShown();
}

std::string TForm37::ZoneOfPlace(int index) const {
  return index >= 0 && index < static_cast<int>(placeZones_.size()) ? placeZones_[static_cast<std::size_t>(index)]
                                                                    : "Etc/UTC";
}

const CentralLineResults& TForm37::CentralLine() const {
  static const CentralLineResults kNoCentralLine;
  return Selected ? Selected->CentralLine() : kNoCentralLine;
}

// Centres the globe on the middle of the path: T1 moves without a paint, T2
// paints once. When T2 cannot change (it shows 360 and 361 is clamped back),
// the paint is made directly, so that the selection still paints exactly once.
void TForm37::TurnGlobeToPath() {
  MapCentreLongitude = 180.0;
  const CentralLineResults& path = CentralLine();
  const auto points = static_cast<int>(path.Size());
  if (points > 0) {
    controls_.T1.SetValue(static_cast<int>(std::nearbyint((path.CentralLatitudeMin + path.CentralLatitudeMax) / 2)));
    MapCentreLongitude = 180 - path.CentralLongitudes[static_cast<std::size_t>((points - 1) / 2)];
  }
  if (MapCentreLongitude < 0) MapCentreLongitude += 360;
  if (MapCentreLongitude > 360) MapCentreLongitude -= 360;
  const int r = static_cast<int>(std::nearbyint(MapCentreLongitude));
  const int shown = controls_.T2.Value();
  controls_.T2.SetValue(shown == r ? r + 1 : r);
  if (controls_.T2.Value() == shown) T2C();
}

}  // namespace vellmora
