#include "cli/command_list.h"

#include "app/texts/eclipse_row.h"
#include "app/texts/year_field.h"
#include "catalogue/eclipse_list.h"
#include "cli/arguments.h"
#include "cli/listed_eclipse.h"
#include "text/windows1252.h"

namespace vellmora {

int RunListCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  if (args.size() != 2) {
    err << "usage: vellmora-cli list FIRST LAST\n";
    return kExitUsage;
  }
  const ListYears years = ReadListYears(Utf8ToWindows1252(args[0]), Utf8ToWindows1252(args[1]));
  const std::optional<std::vector<EclipseListRow>> rows = ListedRows(years, err);
  if (!rows) return kExitFailure;
  for (const EclipseListRow& row : *rows)
    out << Windows1252ToUtf8(FormatEclipseRow(EclipseAsListed(row.Kind, row.Time))) << '\n';
  return 0;
}

}  // namespace vellmora
