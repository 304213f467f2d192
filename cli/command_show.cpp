#include "cli/command_show.h"

#include "app/controls/system_clock.h"
#include "cli/arguments.h"
#include "cli/eclipse_selection.h"
#include "text/windows1252.h"

namespace vellmora {
namespace {

constexpr const char* kSelectionUsage = "DD.MM.YYYY [--place NAME | --lat LAT --lon LON]";

// Reads the arguments and selects the eclipse; the exit status, 0 when the window is ready.
int Select(std::span<const std::string> args, MemoryWindow& window, const char* command, std::ostream& err) {
  std::vector<std::string> rest;
  const std::optional<SelectionOptions> options = ReadSelectionOptions(args, rest, err);
  if (!options || !rest.empty()) {
    if (options) err << "unexpected argument \"" << rest.front() << "\"\n";
    err << "usage: vellmora-cli " << command << ' ' << kSelectionUsage << '\n';
    return kExitUsage;
  }
  return SelectEclipse(window, *options, err);
}

void PrintLines(const MemoryTextList& list, std::ostream& out) {
  for (const std::string& line : list.Lines()) out << Windows1252ToUtf8(line) << '\n';
}

}  // namespace

int RunShowCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  MemoryWindow window(SystemClock().Today());
  if (const int status = Select(args, window, "show", err); status != 0) return status;
  PrintLines(window.LB5, out);
  out << '\n';
  for (const MemoryLabel* label : {&window.L39, &window.L40, &window.L41}) {
    out << Windows1252ToUtf8(label->Text()) << '\n';
  }
  out << '\n';
  PrintLines(window.LB6, out);
  return 0;
}

int RunSearchCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  MemoryWindow window(SystemClock().Today());
  if (const int status = Select(args, window, "search", err); status != 0) return status;
  window.D3.Click();
  for (std::size_t n = 0; n < window.Form.FoundPlaces.size() && !window.Form.FoundPlaces[n].Name.empty(); ++n) {
    out << n + 1 << ' ' << Windows1252ToUtf8(window.Form.FoundPlaces[n].Name) << '\n';
  }
  return 0;
}

}  // namespace vellmora
