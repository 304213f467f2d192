#include "cli/eclipse_path.h"

#include <exception>
#include <vector>

#include "app/eclipse_row.h"
#include "app/year_field.h"
#include "catalogue/eclipse_list.h"
#include "cli/arguments.h"
#include "cli/eclipse_selection.h"
#include "text/windows1252.h"

namespace vellmora {

int ReadEclipsePath(const std::string& date, std::ostream& err, ExportedPath& path, Ephemeris ephemeris) {
  const std::optional<CivilDate> day = ParseCalendarDay(date);
  if (!day) {
    err << "expected a date DD.MM.YYYY that exists, got \"" << date << "\"\n";
    return kExitUsage;
  }
  // The rows the window lists for "von" the date's year and "bis" the next.
  const ListYears years = ReadListYears(std::to_string(day->Year), std::to_string(day->Year + 1));
  std::vector<EclipseListRow> rows;
  try {
    rows = ListCentralEclipses(years.First, years.Last);
  } catch (const std::exception& error) {
    // The message the window shows in its message box.
    err << Windows1252ToUtf8(error.what()) << '\n';
    return kExitFailure;
  }
  for (const EclipseListRow& row : rows) {
    const std::string text = FormatEclipseRow(row.Kind, row.Time);
    if (!IsRowOfDate(text, date)) continue;
    std::optional<ExportedPath> listed = ExportedPathOfRow(text, ephemeris);
    if (!listed) return kExitFailure;
    path = std::move(*listed);
    return 0;
  }
  err << NoEclipseOnDateNotice(date) << '\n';
  return kExitFailure;
}

}  // namespace vellmora
