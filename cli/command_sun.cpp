#include "cli/command_sun.h"

#include <cstdint>
#include <iomanip>
#include <locale>
#include <sstream>

#include "catalogue/moon.h"
#include "catalogue/vsop.h"
#include "cli/arguments.h"

namespace vellmora {
namespace {

constexpr const char* kSunUsage = "usage: vellmora-cli sun DD.MM.YYYY HH:MM:SS LAT LON";

// Six decimals with "." whatever the locale of the process.
std::string SixDecimals(long double value) {
  std::ostringstream text;
  text.imbue(std::locale::classic());
  text << std::fixed << std::setprecision(6) << value;
  return text.str();
}

}  // namespace

int RunSunCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  if (args.size() != 4) {
    err << kSunUsage << '\n';
    return kExitUsage;
  }
  const auto day = DateArgument("sun", args[0], err);
  if (!day) return kExitUsage;
  const auto hours = TimeArgument("sun", args[1], err);
  if (!hours) return kExitUsage;
  const auto latitude = ParseDecimal(args[2]);
  const auto longitudeEast = ParseDecimal(args[3]);
  if (!latitude || *latitude < -90 || *latitude > 90) {
    err << "sun: latitude must be a number from -90 to 90: " << args[2] << '\n';
    return kExitUsage;
  }
  if (!longitudeEast || *longitudeEast < -180 || *longitudeEast > 180) {
    err << "sun: longitude must be a number from -180 to 180: " << args[3] << '\n';
    return kExitUsage;
  }

  const double serial =
      InstantToDateSerial(static_cast<std::uint16_t>(day->Year), static_cast<std::uint16_t>(day->Month),
                          static_cast<std::uint16_t>(day->Day), *hours);
  const HorizontalPosition sun = SunHorizontalPosition(serial, -static_cast<long double>(*longitudeEast), *latitude);
  out << "Hoehe: " << SixDecimals(sun.Altitude) << '\n' << "Azimut: " << SixDecimals(sun.Azimuth) << '\n';
  return 0;
}

}  // namespace vellmora
