#pragma once

#include <ostream>
#include <span>
#include <string>

namespace vellmora {

// vellmora-cli map [DD.MM.YYYY [--place NAME | --lat LAT --lon LON]] --png FILE
//                  [--centre LAT,SETTING] [--search]
// The globe map as the window shows it, written as a 711 x 682 PNG: without a
// date the start-up globe, with a date the globe after choosing that eclipse;
// --centre then turns the globe with the spin fields (latitude LAT, longitude
// setting SETTING), and --search clicks "Orte suchen" last. --png - writes
// the PNG to standard output.
int RunMapCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace vellmora
