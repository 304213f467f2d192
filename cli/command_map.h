#pragma once

#include <QImage>
#include <ostream>
#include <span>
#include <string>

namespace vellmora {

// vellmora-cli map --png FILE [--centre LAT,SETTING]: the globe as the window
// shows it at start-up, or turned to the latitude LAT (-90..90) and the
// longitude setting SETTING (0..360) of the spin fields, as a 711 x 682 PNG.
int RunMapCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);

// The start-up globe (no path, no found places, the observing place
// "Chemnitz, D") with the given spin-field values, painted into a new image.
QImage PaintStartupMap(int centreLatitude, int centreSetting);

}  // namespace vellmora
