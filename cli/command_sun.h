#pragma once

#include <ostream>
#include <span>
#include <string>

namespace vellmora {

// vellmora-cli sun DD.MM.YYYY HH:MM:SS LAT LON: the Sun's altitude and azimuth
// at a place (latitude north, longitude east, degrees) at an instant in
// universal time, read as the window reads an eclipse row (Julian calendar
// before 15.10.1582).
int RunSunCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace vellmora
