#pragma once

#include <ostream>
#include <span>
#include <string>

namespace vellmora {

// Runs vellmora-cli with its arguments (without the program name); returns the exit status.
int RunCli(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace vellmora
