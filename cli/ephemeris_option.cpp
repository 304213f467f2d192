#include "cli/ephemeris_option.h"

namespace vellmora {

std::optional<Ephemeris> ParseEphemerisName(const std::string& name, std::ostream& err) {
  if (name == "precise") return Ephemeris::Precise;
  if (name == "standard") return Ephemeris::Standard;
  err << kEphemerisOption << " is precise or standard, got \"" << name << "\"\n";
  return std::nullopt;
}

std::optional<Ephemeris> TakeEphemerisOption(std::span<const std::string> args, std::vector<std::string>& rest,
                                             std::ostream& err) {
  Ephemeris choice = Ephemeris::Standard;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] != kEphemerisOption) {
      rest.push_back(args[i]);
      continue;
    }
    if (i + 1 == args.size()) {
      err << kEphemerisOption << " needs a value\n";
      return std::nullopt;
    }
    const std::optional<Ephemeris> named = ParseEphemerisName(args[++i], err);
    if (!named) return std::nullopt;
    choice = *named;
  }
  return choice;
}

}  // namespace vellmora
