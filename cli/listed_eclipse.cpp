#include "cli/listed_eclipse.h"

#include <exception>
#include <vector>

#include "cli/arguments.h"
#include "text/windows1252.h"

namespace vellmora {

std::optional<std::vector<EclipseListRow>> ListedRows(const ListYears& years, std::ostream& err) {
  try {
    return ListCentralEclipses(years.First, years.Last);
  } catch (const std::exception& error) {
    err << Windows1252ToUtf8(error.what()) << '\n';
    return std::nullopt;
  }
}

bool IsOnDay(const ChosenEclipse& eclipse, const CivilDate& day) {
  const CalendarInstant& instant = eclipse.DynamicalTime;
  return instant.Day == day.Day && instant.Month == day.Month && instant.Year == day.Year;
}

std::string NoEclipseOnDateNotice(const std::string& date) {
  return "no annular, annular-total or total eclipse on " + date;
}

int FindListedEclipse(const std::string& date, std::ostream& err, ChosenEclipse& eclipse) {
  const std::optional<CivilDate> day = ParseCalendarDay(date);
  if (!day) {
    err << "expected a date DD.MM.YYYY that exists, got \"" << date << "\"\n";
    return kExitUsage;
  }
  // The rows the window lists for "von" the date's year and "bis" the next.
  const ListYears years = ReadListYears(std::to_string(day->Year), std::to_string(day->Year + 1));
  const std::optional<std::vector<EclipseListRow>> rows = ListedRows(years, err);
  if (!rows) return kExitFailure;
  for (const EclipseListRow& row : *rows) {
    const ChosenEclipse listed = EclipseAsListed(row.Kind, row.Time);
    if (!IsOnDay(listed, *day)) continue;
    eclipse = listed;
    return 0;
  }
  err << NoEclipseOnDateNotice(date) << '\n';
  return kExitFailure;
}

}  // namespace vellmora
