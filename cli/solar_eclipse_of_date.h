#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "catalogue/moon.h"
#include "ephem/timlib.h"

// The solar eclipse of any kind, partial ones too, that the catalogue's
// search puts on a date.

namespace vellmora {

struct SolarEclipseOfDate {
  EclipseKind Kind = EclipseKind::NoEclipse;
  CalendarInstant Greatest{};  // as the eclipse list shows it, taken as universal time
};

// The eclipse on the date DD.MM.YYYY; nullopt after a message on err (status
// 2 in `status` for a date that does not exist, 1 when no eclipse falls on it).
std::optional<SolarEclipseOfDate> FindSolarEclipseOnDate(const std::string& date, std::ostream& err, int& status);

}  // namespace vellmora
