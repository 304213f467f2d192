#include "cli/command_list.h"

#include <exception>

#include "app/texts/eclipse_row.h"
#include "app/texts/year_field.h"
#include "catalogue/eclipse_list.h"
#include "cli/arguments.h"
#include "text/windows1252.h"

namespace vellmora {

int RunListCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  if (args.size() != 2) {
    err << "usage: vellmora-cli list FIRST LAST\n";
    return kExitUsage;
  }
  const ListYears years = ReadListYears(Utf8ToWindows1252(args[0]), Utf8ToWindows1252(args[1]));
  std::vector<EclipseListRow> rows;
  try {
    rows = ListCentralEclipses(years.First, years.Last);
  } catch (const std::exception& error) {
    // The message the window shows in its message box.
    err << Windows1252ToUtf8(error.what()) << '\n';
    return kExitFailure;
  }
  for (const EclipseListRow& row : rows) out << Windows1252ToUtf8(FormatEclipseRow(EclipseAsListed(row.Kind, row.Time))) << '\n';
  return 0;
}

}  // namespace vellmora
