#include "cli/command_local.h"

#include <optional>

#include "app/selection/selection.h"
#include "app/texts/local_circumstances_text.h"
#include "cli/arguments.h"
#include "cli/ephemeris_option.h"
#include "text/windows1252.h"

namespace vellmora {
namespace {

// A decimal number within [low, high], or nothing.
std::optional<double> ParseBoundedDecimal(const std::string& text, double low, double high) {
  const auto value = ParseDecimal(text);
  if (!value || *value < low || *value > high) return std::nullopt;
  return value;
}

}  // namespace

int RunLocalCommand(std::span<const std::string> allArgs, std::ostream& out, std::ostream& err) {
  std::vector<std::string> words;
  const std::optional<Ephemeris> ephemeris = TakeEphemerisOption(allArgs, words, err);
  if (!ephemeris) return kExitUsage;
  const std::span<const std::string> args = words;
  if (args.size() != 4) {
    err << "usage: vellmora-cli local DD.MM.YYYY HH:MM:SS LAT LON (degrees, north and east positive)\n";
    return kExitUsage;
  }
  const auto date = DateArgument("local", args[0], err);
  if (!date) return kExitUsage;
  const auto hours = TimeArgument("local", args[1], err);
  if (!hours) return kExitUsage;
  const auto latitude = ParseBoundedDecimal(args[2], -90, 90);
  if (!latitude) {
    err << "local: latitude must be a number from -90 to 90: " << args[2] << "\n";
    return kExitUsage;
  }
  const auto longitude = ParseBoundedDecimal(args[3], -180, 180);
  if (!longitude) {
    err << "local: longitude must be a number from -180 to 180 (east positive): " << args[3] << "\n";
    return kExitUsage;
  }
  const Selection selection(
      ChosenEclipse{EclipseKind::NoEclipse, {date->Day, date->Month, date->Year, *hours}, *ephemeris},
      ChosenPlace{*latitude, *longitude, 0, std::nullopt});
  for (const std::string& line : LocalCircumstancesLines(selection.SeenAtPlace()))
    out << Windows1252ToUtf8(line) << "\n";
  return 0;
}

}  // namespace vellmora
