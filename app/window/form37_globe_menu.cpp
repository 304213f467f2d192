#include "app/window/form37.h"

// What the globe's context menu asks of the window beyond a click: the
// limits of the zone on the map and the path as a file.

namespace vellmora {

void TForm37::SetShowZoneLimits(bool show) {
  ShowZoneLimits = show;
  PB3P();
}

void TForm37::SetEphemeris(Ephemeris ephemeris) {
  EphemerisChoice = ephemeris;
  LB1C();
}

std::optional<std::string> TForm37::PathExportText(PathFormat format) const {
  if (!Selected) return std::nullopt;
  return WritePath(ExportedPathOf(*Selected), format);
}

}  // namespace vellmora
