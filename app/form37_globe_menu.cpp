#include "app/form37.h"

// What the globe's context menu asks of the window beyond a click: the
// limits of the zone on the map and the path as a file.

namespace vellmora {

void TForm37::SetShowZoneLimits(bool show) {
  ShowZoneLimits = show;
  UpdateZoneLimits();
  PB3P();
}

void TForm37::SetEphemeris(Ephemeris ephemeris) {
  EphemerisChoice = ephemeris;
  LB1C();
}

// The zone is computed only while its limits are shown, for the selected eclipse.
void TForm37::UpdateZoneLimits() {
  ZoneSteps.clear();
  const int row = controls_.LB1.SelectedIndex();
  if (!ShowZoneLimits || row < 0) return;
  if (std::optional<ExportedPath> path = ExportedPathOfRow(controls_.LB1.Line(row), EphemerisChoice))
    ZoneSteps = std::move(path->Steps);
}

std::optional<std::string> TForm37::PathExportText(PathFormat format) const {
  const int row = controls_.LB1.SelectedIndex();
  if (row < 0) return std::nullopt;
  const std::optional<ExportedPath> path = ExportedPathOfRow(controls_.LB1.Line(row), EphemerisChoice);
  if (!path) return std::nullopt;
  return WritePath(*path, format);
}

}  // namespace vellmora
