#pragma once

#include <ostream>
#include <span>
#include <string>

namespace vellmora {

// vellmora-cli central DD.MM.YYYY HH:MM:SS
// Prints the central-line rows of the eclipse at that universal date and hour.
int RunCentralCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace vellmora
