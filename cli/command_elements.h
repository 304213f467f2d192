#pragma once

#include <ostream>
#include <span>
#include <string>

namespace vellmora {

// vellmora-cli elements DD.MM.YYYY [--json]: the Besselian elements of the
// solar eclipse of that date (partial ones too), from the program's own
// ephemeris, as a table or as JSON.
int RunElementsCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace vellmora
