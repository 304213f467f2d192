#include "cli/command_list.h"

#include "app/system_clock.h"
#include "cli/arguments.h"
#include "cli/memory_window.h"
#include "text/windows1252.h"

namespace vellmora {

int RunListCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  if (args.size() != 2) {
    err << "usage: vellmora-cli list FIRST LAST\n";
    return kExitUsage;
  }
  MemoryWindow window(SystemClock().Today());
  window.E1.SetText(Utf8ToWindows1252(args[0]));
  window.E2.SetText(Utf8ToWindows1252(args[1]));
  window.D1.Click();
  if (!window.Errors.Messages().empty()) {
    err << Windows1252ToUtf8(window.Errors.Messages().front()) << '\n';
    return kExitFailure;
  }
  for (const std::string& row : window.LB1.Lines()) out << Windows1252ToUtf8(row) << '\n';
  return 0;
}

}  // namespace vellmora
