#pragma once

#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "ephem/ephemeris.h"

// The option --ephemeris precise|standard of the commands that compute an
// eclipse's geometry.

namespace vellmora {

inline constexpr const char* kEphemerisOption = "--ephemeris";

// "precise" or "standard"; a message on err and nothing for another word.
std::optional<Ephemeris> ParseEphemerisName(const std::string& name, std::ostream& err);

// Takes the option (standard when it is absent) out of args; the other words
// go to rest in their order. A message on err and nothing when it is wrong.
std::optional<Ephemeris> TakeEphemerisOption(std::span<const std::string> args, std::vector<std::string>& rest,
                                             std::ostream& err);

}  // namespace vellmora
