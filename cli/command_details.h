#pragma once

#include <ostream>
#include <span>
#include <string>

namespace vellmora {

// vellmora-cli details DD.MM.YYYY (--place NAME | --lat LAT --lon LON) [--json]
// Chooses the eclipse and the place as the window does and prints the details
// at the place: one tab-separated row per contact and the maximum under a
// header row, then the other figures; with --json the same as one JSON object.
int RunDetailsCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace vellmora
