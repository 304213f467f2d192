#pragma once

#include <ostream>
#include <span>
#include <string>

namespace vellmora {

// vellmora-cli visible FIRST LAST (--place NAME | --lat LAT --lon LON)
//                      [--min-magnitude M] [--central] [--json | --csv]
// The solar eclipses of the years seen from the place: the window's table
// (tab-separated, German titles), or JSON or CSV with English field names.
int RunVisibleCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace vellmora
