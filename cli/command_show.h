#pragma once

#include <ostream>
#include <span>
#include <string>

namespace vellmora {

// vellmora-cli show DD.MM.YYYY [--place NAME | --lat LAT --lon LON]: the
// central line, the place and what it sees, as the window shows them.
int RunShowCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);

// vellmora-cli search DD.MM.YYYY [...]: as show, then "Orte suchen"; the legend of the places found.
int RunSearchCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace vellmora
