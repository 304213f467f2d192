#include "cli/commands.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string_view>
#include <vector>

#include "cli/arguments.h"
#include "cli/command_central.h"
#include "cli/command_deltat.h"
#include "cli/command_details.h"
#include "cli/command_elements.h"
#include "cli/command_export.h"
#include "cli/command_limits.h"
#include "cli/command_list.h"
#include "cli/command_local.h"
#include "cli/command_map.h"
#include "cli/command_places.h"
#include "cli/command_show.h"
#include "cli/command_sun.h"
#include "cli/command_visible.h"

namespace vellmora {
namespace {

using Command = int (*)(std::span<const std::string>, std::ostream&, std::ostream&);

struct CommandEntry {
  std::string_view Name;
  Command Run;
  std::string_view Synopsis;
  // The options the command knows, blank-separated ("--name=" takes a value):
  // any other is refused before the command runs. Without a list the command
  // reads its options itself.
  std::optional<std::string_view> Options = std::nullopt;
};

constexpr std::string_view kPlaceOptions = "--place= --lat= --lon= --ephemeris=";

constexpr CommandEntry kCommands[] = {
    {"list", RunListCommand,
     "list FIRST LAST                  the central eclipses from 1 January FIRST to before 1 January LAST", ""},
    {"show", RunShowCommand,
     "show DD.MM.YYYY [--place NAME | --lat LAT --lon LON]\n"
     "                                     central line, place and local circumstances of that eclipse",
     kPlaceOptions},
    {"search", RunSearchCommand,
     "search DD.MM.YYYY [...]          with show's arguments: the numbered places near the path", kPlaceOptions},
    {"map", RunMapCommand,
     "map [DD.MM.YYYY [--place NAME | --lat LAT --lon LON]] --png FILE [--centre LAT,SETTING] [--search]\n"
     "    [--visibility] [--at HH:MM:SS]   the globe as the window paints it, as a PNG (FILE - is standard output);\n"
     "                                     where the whole eclipse is seen and how much, the shadow at a time (UT)",
     "--place= --lat= --lon= --png= --centre= --search --visibility --at= --ephemeris="},
    {"central", RunCentralCommand, "central DD.MM.YYYY HH:MM:SS       the central line of the eclipse at that time",
     "--ephemeris="},
    {"local", RunLocalCommand,
     "local DD.MM.YYYY HH:MM:SS LAT LON the local circumstances at a place (no Sun-altitude test)", "--ephemeris="},
    {"details", RunDetailsCommand,
     "details DD.MM.YYYY (--place NAME | --lat LAT --lon LON) [--tz ZONE] [--json]\n"
     "                                     the Sun, the contact angles, the duration and Delta-T at a place,\n"
     "                                     the times also as civil time (of ZONE) and local solar time",
     "--place= --lat= --lon= --tz= --json --ephemeris="},
    {"sun", RunSunCommand, "sun DD.MM.YYYY HH:MM:SS LAT LON   the Sun's altitude and azimuth at a place", ""},
    {"deltat", RunDeltaTCommand,
     "deltat FIRST [LAST]              Delta-T, ephemeris lag, their sum and uncertainty, seconds", ""},
    {"limits", RunLimitsCommand,
     "limits DD.MM.YYYY                the northern and southern limits, central line and width of the path",
     "--ephemeris="},
    {"export", RunExportCommand,
     "export DD.MM.YYYY --format csv|kml|gpx|geojson [--visibility] [-o FILE]\n"
     "                                     the path as CSV, KML, GPX or GeoJSON, to FILE or standard output;\n"
     "                                     KML and GeoJSON with the curves of the map of visibility on request",
     "--format= -o= --visibility --ephemeris="},
    {"elements", RunElementsCommand,
     "elements DD.MM.YYYY [--json]     the Besselian elements of the solar eclipse of that date (partial too)",
     "--json --ephemeris="},
    {"visible", RunVisibleCommand,
     "visible FIRST LAST (--place NAME | --lat LAT --lon LON) [--min-magnitude M] [--central] [--json | --csv]\n"
     "                                     the solar eclipses of those years seen from the place, partial ones too",
     "--place= --lat= --lon= --min-magnitude= --central --json --csv --ephemeris="},
    {"places", RunPlacesCommand, "places [TEXT]                    the places whose name contains TEXT", ""},
};

bool IsHelpRequest(std::string_view word) { return word == "--help" || word == "-h" || word == "help"; }

// "--name" or "-x": a word that names an option (a negative number does not).
bool LooksLikeOption(std::string_view word) {
  return word.size() >= 2 && word[0] == '-' && (word[1] == '-' || std::isalpha(static_cast<unsigned char>(word[1])));
}

// Whether the option is among the known ones, and whether it takes a value.
std::optional<bool> OptionTakesValue(std::string_view knownOptions, std::string_view option) {
  for (std::string_view rest = knownOptions; !rest.empty();) {
    const std::size_t blank = rest.find(' ');
    const std::string_view known = rest.substr(0, blank);
    rest = blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);
    const bool takesValue = known.ends_with('=');
    if (known.substr(0, known.size() - (takesValue ? 1 : 0)) == option) return takesValue;
  }
  return std::nullopt;
}

// The first option in `args` that `command` does not know, if any.
std::optional<std::string_view> UnknownOption(const CommandEntry& command, std::span<const std::string> args) {
  if (!command.Options) return std::nullopt;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (!LooksLikeOption(args[i])) continue;
    const std::optional<bool> takesValue = OptionTakesValue(*command.Options, args[i]);
    if (!takesValue) return args[i];
    if (*takesValue) ++i;
  }
  return std::nullopt;
}

// The first option that `args` give more than once, if any: one rule for all
// options, as a repeated value would otherwise silently replace the first.
std::optional<std::string_view> RepeatedOption(const CommandEntry& command, std::span<const std::string> args) {
  if (!command.Options) return std::nullopt;
  std::vector<std::string_view> seen;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::optional<bool> takesValue =
        LooksLikeOption(args[i]) ? OptionTakesValue(*command.Options, args[i]) : std::nullopt;
    if (!takesValue) continue;
    if (std::find(seen.begin(), seen.end(), args[i]) != seen.end()) return args[i];
    seen.push_back(args[i]);
    if (*takesValue) ++i;
  }
  return std::nullopt;
}

void PrintUsage(std::ostream& stream) {
  stream << "usage: vellmora-cli COMMAND ...\n";
  for (const CommandEntry& command : kCommands) stream << "  " << command.Synopsis << '\n';
  stream << "  --ephemeris precise|standard     after central, local, details, limits, export, show, search,\n"
            "                                     map, elements, visible: compute with ELP/MPP02 and VSOP87\n"
            "                                     (precise) or the standard series (the default)\n"
            "  --help, -h, help                 this text\n"
            "  --version                        the version of vellmora-cli\n";
}

int UsageError(std::string_view problem, std::ostream& err) {
  err << "vellmora-cli: " << problem << '\n';
  PrintUsage(err);
  return kExitUsage;
}

int RunCommand(const CommandEntry& command, std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  if (args.size() == 1 && IsHelpRequest(args.front())) {
    out << "usage: vellmora-cli " << command.Synopsis << '\n';
    return 0;
  }
  if (const std::optional<std::string_view> option = UnknownOption(command, args)) {
    return UsageError("unknown option \"" + std::string(*option) + "\" for " + std::string(command.Name), err);
  }
  if (const std::optional<std::string_view> option = RepeatedOption(command, args)) {
    return UsageError("option \"" + std::string(*option) + "\" given more than once for " + std::string(command.Name),
                      err);
  }
  return command.Run(args, out, err);
}

}  // namespace

int RunCli(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  if (args.empty()) return UsageError("no command given", err);
  const std::string& first = args.front();
  if (IsHelpRequest(first)) {
    PrintUsage(out);
    return 0;
  }
  if (first == "--version") {
    out << "vellmora-cli " << VELLMORA_VERSION << '\n';
    return 0;
  }
  for (const CommandEntry& command : kCommands) {
    if (command.Name == first) return RunCommand(command, args.subspan(1), out, err);
  }
  return UsageError((LooksLikeOption(first) ? "unknown option \"" : "unknown command \"") + first + "\"", err);
}

}  // namespace vellmora
