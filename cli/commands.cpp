#include "cli/commands.h"

#include <string_view>

#include "cli/arguments.h"
#include "cli/command_list.h"

namespace vellmora {
namespace {

using Command = int (*)(std::span<const std::string>, std::ostream&, std::ostream&);

struct CommandEntry {
  std::string_view Name;
  Command Run;
  std::string_view Synopsis;
};

constexpr CommandEntry kCommands[] = {
    {"list", RunListCommand, "list FIRST LAST                      the central eclipses of the years FIRST to LAST"},
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
