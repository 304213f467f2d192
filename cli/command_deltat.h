#pragma once

#include <ostream>
#include <span>
#include <string>

namespace vellmora {

// vellmora-cli deltat FIRST [LAST]: for each year of 1000..3000 from FIRST to
// LAST one line "year<TAB>D<TAB>L<TAB>D+L<TAB>sigma" in seconds, two decimals,
// at the middle of the year: Delta-T, the ephemeris lag, the value the
// geometry uses and the uncertainty of Delta-T.
int RunDeltaTCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace vellmora
