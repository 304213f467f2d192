#include "cli/command_limits.h"

#include "app/zone_table.h"
#include "cli/arguments.h"
#include "cli/eclipse_path.h"
#include "cli/ephemeris_option.h"

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
  ExportedPath path;
  if (const int status = ReadEclipsePath(args[0], err, path, *ephemeris); status != 0) return status;
  out << ZoneTableHeader('\t') << '\n';
  for (const ZoneStep& step : path.Steps) out << ZoneTableRow(step, '\t') << '\n';
  return 0;
}

}  // namespace vellmora
