#include "cli/eclipse_path.h"

#include "app/system_clock.h"
#include "cli/arguments.h"
#include "cli/eclipse_selection.h"

namespace vellmora {

int ReadEclipsePath(const std::string& date, std::ostream& err, ExportedPath& path) {
  if (!ParseCalendarDay(date)) {
    err << "expected a date DD.MM.YYYY that exists, got \"" << date << "\"\n";
    return kExitUsage;
  }
  MemoryWindow window(SystemClock().Today());
  const std::optional<int> row = ListEclipseOfDate(window, date, err);
  if (!row) return kExitFailure;
  std::optional<ExportedPath> listed = ExportedPathOfRow(window.LB1.Line(*row));
  if (!listed) return kExitFailure;
  path = std::move(*listed);
  return 0;
}

}  // namespace vellmora
