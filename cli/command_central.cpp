#include "cli/command_central.h"

#include "app/selection/selection.h"
#include "app/texts/central_line_row.h"
#include "cli/arguments.h"
#include "cli/ephemeris_option.h"
#include "text/windows1252.h"

namespace vellmora {

int RunCentralCommand(std::span<const std::string> allArgs, std::ostream& out, std::ostream& err) {
  std::vector<std::string> words;
  const std::optional<Ephemeris> ephemeris = TakeEphemerisOption(allArgs, words, err);
  if (!ephemeris) return kExitUsage;
  const std::span<const std::string> args = words;
  if (args.size() != 2) {
    err << "usage: vellmora-cli central DD.MM.YYYY HH:MM:SS\n";
    return kExitUsage;
  }
  const auto date = DateArgument("central", args[0], err);
  if (!date) return kExitUsage;
  const auto hours = TimeArgument("central", args[1], err);
  if (!hours) return kExitUsage;
  // Any instant, not only one of the list: the kind is left open.
  const Selection selection(
      ChosenEclipse{EclipseKind::NoEclipse, {date->Day, date->Month, date->Year, *hours}, *ephemeris}, {});
  const CentralLineResults& results = selection.CentralLine();
  for (const std::string& row : CentralLineRows(results)) out << Windows1252ToUtf8(row) << "\n";
  if (results.Size() == 0) err << NoCentralLineNotice(args[0]) << '\n';
  return 0;
}

}  // namespace vellmora
