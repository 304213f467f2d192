#include "app/eclipse_row.h"
#include "app/form37.h"
#include "geometry/besselian_elements.h"

// The whole eclipse from its Besselian elements: "Sichtbarkeit zeigen" of the
// globe's menu (the map of visibility) and the shadow at one instant.

namespace vellmora {

void TForm37::SetShowVisibility(bool show) {
  ShowVisibility = show;
  Visibility.reset();
  if (ShowVisibility && Elements) Visibility = ComputeVisibilityMap(*Elements);
  PB3P();
}

void TForm37::ShowShadowAt(std::optional<double> t) {
  Shadow.reset();
  if (t && Elements) Shadow = ShadowAt(*Elements, *t);
  PB3P();
}

// The selected eclipse's elements, and the map of visibility while it is shown.
void TForm37::UpdateElements() {
  Elements.reset();
  Visibility.reset();
  Shadow.reset();
  const int row = controls_.LB1.SelectedIndex();
  CalendarInstant instant{};
  if (row < 0 || !ReadEclipseRow(controls_.LB1.Line(row), instant)) return;
  Elements = ComputeBesselianElements(instant.Day, instant.Month, instant.Year, instant.Hours);
  if (ShowVisibility) Visibility = ComputeVisibilityMap(*Elements);
}

}  // namespace vellmora
