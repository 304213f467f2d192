#pragma once

#include <ostream>
#include <span>
#include <string>

namespace vellmora {

// vellmora-cli local DD.MM.YYYY HH:MM:SS LAT LON
// Prints the local circumstances of the eclipse at that universal date and hour
// for an observer at geodetic latitude LAT and EAST longitude LON (degrees),
// whether or not the Sun is above the horizon there.
int RunLocalCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace vellmora
