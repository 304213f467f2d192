#include "app/eclipse_row.h"
#include "app/form37.h"
#include "geometry/besselian_elements.h"

// "Sichtbarkeit zeigen" of the globe's menu: the map of visibility of the
// selected eclipse, computed from its elements while it is shown.

namespace vellmora {

void TForm37::SetShowVisibility(bool show) {
  ShowVisibility = show;
  UpdateVisibility();
  PB3P();
}

void TForm37::UpdateVisibility() {
  Visibility.reset();
  const int row = controls_.LB1.SelectedIndex();
  CalendarInstant instant{};
  if (!ShowVisibility || row < 0 || !ReadEclipseRow(controls_.LB1.Line(row), instant)) return;
  Visibility = ComputeVisibilityMap(ComputeBesselianElements(instant.Day, instant.Month, instant.Year, instant.Hours));
}

}  // namespace vellmora
