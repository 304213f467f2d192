#include "cli/command_limits.h"

#include "app/export/zone_table.h"
#include "app/selection/selection.h"
#include "cli/arguments.h"
#include "cli/ephemeris_option.h"
#include "cli/listed_eclipse.h"

namespace vellmora {

int RunLimitsCommand(std::span<const std::string> allArgs, std::ostream& out, std::ostream& err) {
  std::vector<std::string> words;
  const std::optional<Ephemeris> ephemeris = TakeEphemerisOption(allArgs, words, err);
  if (!ephemeris) return kExitUsage;
  const std::span<const std::string> args = words;
  if (args.size() != 1) {
    err << "usage: vellmora-cli limits DD.MM.YYYY\n";
    return kExitUsage;
  }
  ChosenEclipse eclipse;
  if (const int status = FindListedEclipse(args[0], err, eclipse); status != 0) return status;
  eclipse.Source = *ephemeris;
  const Selection selection(eclipse, {});
  // Said as show, map and details say it; the table then holds no step.
  if (selection.ZoneLimits().empty()) err << NoCentralLineNotice(args[0]) << '\n';
  out << ZoneTableHeader('\t') << '\n';
  for (const ZoneStep& step : selection.ZoneLimits()) out << ZoneTableRow(step, '\t') << '\n';
  return 0;
}

}  // namespace vellmora
