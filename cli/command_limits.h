#pragma once

#include <ostream>
#include <span>
#include <string>

namespace vellmora {

// vellmora-cli limits DD.MM.YYYY
// Prints the zone of the central eclipse of that date, one TAB-separated line
// per central step after a header: UT, northern limit, central point, southern
// limit (latitude and east longitude each), width in km, central duration in s.
int RunLimitsCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace vellmora
