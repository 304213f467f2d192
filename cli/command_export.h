#pragma once

#include <ostream>
#include <span>
#include <string>

namespace vellmora {

// vellmora-cli export DD.MM.YYYY --format csv|kml|gpx|geojson [--visibility] [-o FILE]
// Writes the path of the central eclipse of that date in the format, to FILE
// or to standard output; KML and GeoJSON with --visibility also the curves of
// the map of visibility, for a partial eclipse too.
int RunExportCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace vellmora
