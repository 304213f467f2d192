#pragma once

#include <ostream>
#include <span>
#include <string>

namespace vellmora {

// vellmora-cli list FIRST LAST: the eclipse list that "Berechnung" shows for those year fields.
int RunListCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace vellmora
