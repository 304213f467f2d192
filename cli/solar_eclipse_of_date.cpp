#include "cli/solar_eclipse_of_date.h"

#include <cstdint>

#include "cli/arguments.h"
#include "cli/listed_eclipse.h"

namespace vellmora {

int FindSolarEclipseOnDate(const std::string& date, std::ostream& err, ChosenEclipse& eclipse) {
  const std::optional<CivilDate> day = ParseCalendarDay(date);
  if (!day) {
    err << "expected a date DD.MM.YYYY that exists, got \"" << date << "\"\n";
    return kExitUsage;
  }
  // Search from the day before: an eclipse found is at or after the start of the search.
  double time = InstantToDateSerial(static_cast<std::uint16_t>(day->Year), static_cast<std::uint16_t>(day->Month),
                                    static_cast<std::uint16_t>(day->Day), 0) -
                1;
  bool gammaNegative = false;
  for (int attempt = 0; attempt < 2; ++attempt) {
    const EclipseKind kind = FindNextEclipse(time, true, gammaNegative);
    const ChosenEclipse found = EclipseAsListed(kind, time);
    if (kind != EclipseKind::NoEclipse && IsOnDay(found, *day)) {
      eclipse = found;
      return 0;
    }
    time += 1;
  }
  err << "no solar eclipse on " << date << '\n';
  return kExitFailure;
}

}  // namespace vellmora
