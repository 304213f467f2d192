#include "cli/commands.h"

#include <string_view>

#include "cli/arguments.h"
#include "cli/command_central.h"
#include "cli/command_details.h"
#include "cli/command_list.h"
#include "cli/command_local.h"
#include "cli/command_map.h"
#include "cli/command_places.h"
#include "cli/command_show.h"
#include "cli/command_sun.h"

namespace vellmora {
namespace {

using Command = int (*)(std::span<const std::string>, std::ostream&, std::ostream&);

struct CommandEntry {
  std::string_view Name;
  Command Run;
  std::string_view Synopsis;
};

constexpr CommandEntry kCommands[] = {
    {"list", RunListCommand, "list FIRST LAST                  the central eclipses of the years FIRST to LAST"},
    {"show", RunShowCommand,
     "show DD.MM.YYYY [--place NAME | --lat LAT --lon LON]\n"
     "                                     central line, place and local circumstances of that eclipse"},
    {"search", RunSearchCommand, "search DD.MM.YYYY [...]          as show, then the places near the path"},
    {"map", RunMapCommand,
     "map [DD.MM.YYYY [--place NAME | --lat LAT --lon LON]] --png FILE [--centre LAT,SETTING] [--search]\n"
     "                                     the globe as the window paints it, as a PNG"},
    {"central", RunCentralCommand, "central DD.MM.YYYY HH:MM:SS       the central line of the eclipse at that time"},
    {"local", RunLocalCommand,
     "local DD.MM.YYYY HH:MM:SS LAT LON the local circumstances at a place (no Sun-altitude test)"},
    {"details", RunDetailsCommand,
     "details DD.MM.YYYY (--place NAME | --lat LAT --lon LON) [--json]\n"
     "                                     the Sun, the contact angles, the duration and Delta-T at a place"},
    {"sun", RunSunCommand, "sun DD.MM.YYYY HH:MM:SS LAT LON   the Sun's altitude and azimuth at a place"},
    {"places", RunPlacesCommand, "places [TEXT]                    the places whose name contains TEXT"},
};

void PrintUsage(std::ostream& err) {
  err << "usage: vellmora-cli COMMAND ...\n";
  for (const CommandEntry& command : kCommands) err << "  " << command.Synopsis << '\n';
}

}  // namespace

int RunCli(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  if (!args.empty()) {
    for (const CommandEntry& command : kCommands) {
      if (command.Name == args.front()) return command.Run(args.subspan(1), out, err);
    }
  }
  PrintUsage(err);
  return kExitUsage;
}

}  // namespace vellmora
