#include "app/globe/nearest_place.h"
#include "app/resources/resources.h"
#include "app/texts/coordinate_text.h"
#include "app/window/form37.h"

// The globe as a map to pick from: a drag turns it through the spin fields,
// a click or typed coordinates make any point the observing place.

namespace vellmora {

void TForm37::PB3MouseDown(double x, double y) { globeDrag_.Press(CurrentView(), x, y); }

void TForm37::PB3MouseMove(double x, double y) {
  if (const std::optional<GlobeCentre> centre = globeDrag_.Move(CurrentView(), x, y)) TurnGlobeTo(*centre);
}

void TForm37::PB3MouseUp(double x, double y) {
  if (const std::optional<GeoPoint> clicked = globeDrag_.Release(x, y)) ObserveClickedPoint(*clicked);
}

// The point clicked stays under the hand: the globe keeps its turn.
void TForm37::ObserveClickedPoint(const GeoPoint& point) {
  keepGlobeTurn_ = true;
  ObserveAnywhere(point);
  keepGlobeTurn_ = false;
}

// One paint per step: T1 moves without a paint, T2 paints; when only T1
// changes, the paint is made directly. A step that changes neither paints nothing.
void TForm37::TurnGlobeTo(const GlobeCentre& centre) {
  const bool latitudeChanges = controls_.T1.Value() != centre.Latitude;
  const bool settingChanges = controls_.T2.Value() != centre.Setting;
  if (!latitudeChanges && !settingChanges) return;
  SuppressLatitudeRepaint = true;
  controls_.T1.SetValue(centre.Latitude);
  controls_.T2.SetValue(centre.Setting);
  if (!settingChanges) PB3P();
}

std::optional<GeoPoint> TForm37::MapPointAt(double x, double y) const { return PointOnDisc(CurrentView(), x, y); }

bool TForm37::ObserveFromMapPoint(double x, double y) {
  const std::optional<GeoPoint> point = MapPointAt(x, y);
  if (point) ObserveClickedPoint(*point);
  return point.has_value();
}

void TForm37::CB6Enter() {
  if (controls_.CB6.SelectedIndex() >= 0) return;  // a place of the table, taken on its change
  const std::string typed = controls_.CB6.EditText();
  if (const std::optional<GeoPoint> point = ParseCoordinates(typed)) {
    ObserveAnywhere(*point);
  } else if (PlaceNotUnderstood) {
    PlaceNotUnderstood("\"" + typed +
                       "\" ist kein Ort der Liste und keine Koordinaten (Breite L\xE4nge in Grad, z. B. 50.84 12.85)");
  }
}

void TForm37::ObserveAnywhere(const GeoPoint& point) {
  const GeoPoint shown = RoundedToShownDecimals(point);
  controls_.CB6.SetEditText(FormatCoordinates(shown));
  const int nearest = NearestPlaceIndex(controls_.lb9, shown);
  const double zoneOffset =
      nearest < 0 ? 0.0 : static_cast<double>(ParsePlaceRecord(controls_.lb9.Line(nearest)).ZoneOffset);
  TimeZoneName = ZoneOfPlace(nearest);
  ObserveFrom(shown.Latitude, shown.Longitude, zoneOffset);
  LB1C();
}

}  // namespace vellmora
