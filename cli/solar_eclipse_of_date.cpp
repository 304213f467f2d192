#include "cli/solar_eclipse_of_date.h"

#include <cstdint>

#include "app/eclipse_row.h"
#include "cli/arguments.h"
#include "cli/eclipse_selection.h"

namespace vellmora {

std::optional<SolarEclipseOfDate> FindSolarEclipseOnDate(const std::string& date, std::ostream& err, int& status) {
  const std::optional<CivilDate> day = ParseCalendarDay(date);
  if (!day) {
    err << "expected a date DD.MM.YYYY that exists, got \"" << date << "\"\n";
    status = kExitUsage;
    return std::nullopt;
  }
  // Search from the day before: an eclipse found is at or after the start of the search.
  double time = InstantToDateSerial(static_cast<std::uint16_t>(day->Year), static_cast<std::uint16_t>(day->Month),
                                    static_cast<std::uint16_t>(day->Day), 0) -
                1;
  bool gammaNegative = false;
  for (int attempt = 0; attempt < 2; ++attempt) {
    const EclipseKind kind = FindNextEclipse(time, true, gammaNegative);
    const std::string row = FormatEclipseRow(kind, time);
    SolarEclipseOfDate eclipse{kind, {}};
    if (kind != EclipseKind::NoEclipse && IsRowOfDate(row, date) && ReadEclipseRow(row, eclipse.Greatest)) {
      status = 0;
      return eclipse;
    }
    time += 1;
  }
  err << "no solar eclipse on " << date << '\n';
  status = kExitFailure;
  return std::nullopt;
}

}  // namespace vellmora
