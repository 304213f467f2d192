#include "cli/command_central.h"

#include "app/central_line_row.h"
#include "cli/arguments.h"
#include "geometry/central_line.h"
#include "text/windows1252.h"

namespace vellmora {

int RunCentralCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  if (args.size() != 2) {
    err << "usage: vellmora-cli central DD.MM.YYYY HH:MM:SS\n";
    return kExitUsage;
  }
  const auto date = ParseCalendarDay(args[0]);
  if (!date) {
    err << "central: not a calendar date (DD.MM.YYYY): " << args[0] << "\n";
    return kExitUsage;
  }
  const auto hours = ParseTimeOfDay(args[1]);
  if (!hours) {
    err << "central: not a time of day (HH:MM:SS): " << args[1] << "\n";
    return kExitUsage;
  }
  CentralLineResults results;
  CentralLineScan(date->Day, date->Month, date->Year, *hours, results);
  for (const std::string& row : CentralLineRows(results)) out << Windows1252ToUtf8(row) << "\n";
  return 0;
}

}  // namespace vellmora
