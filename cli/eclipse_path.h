#pragma once

#include <ostream>
#include <string>

#include "app/path_export.h"

namespace vellmora {

// The path of the central eclipse that the eclipse list shows on the date
// (DD.MM.YYYY). Returns 0 with the path filled, or the exit status with a
// message on err: 2 for a date that does not exist, 1 when no annular,
// annular-total or total eclipse falls on it.
int ReadEclipsePath(const std::string& date, std::ostream& err, ExportedPath& path,
                    Ephemeris ephemeris = Ephemeris::Standard);

}  // namespace vellmora
