#pragma once

#include <ostream>
#include <span>
#include <string>

namespace vellmora {

// vellmora-cli places [TEXT]: every place of the place table whose name contains
// TEXT (case-insensitive, umlauts included), as name, latitude, longitude and
// time-zone offset separated by TABs. Without TEXT, every place.
int RunPlacesCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace vellmora
