#pragma once

#include <ostream>
#include <span>
#include <string>

namespace vellmora {

// vellmora-cli export DD.MM.YYYY --format csv|kml|gpx [-o FILE]
// Writes the path of the central eclipse of that date in the format, to FILE
// or to standard output.
int RunExportCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace vellmora
