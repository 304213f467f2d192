#include "cli/command_deltat.h"

#include <charconv>
#include <cmath>
#include <iomanip>
#include <locale>
#include <optional>
#include <sstream>
#include <string_view>

#include "cli/arguments.h"
#include "ephem/deltat.h"
#include "ephem/timlib.h"

namespace vellmora {
namespace {

constexpr const char* kDeltaTUsage = "usage: vellmora-cli deltat FIRST [LAST]   (years 1000 to 3000)";
constexpr int kFirstYear = 1000;
constexpr int kLastYear = 3000;

// A year of the program's range written in digits only.
std::optional<int> ParseYear(std::string_view text) {
  int year = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), year);
  if (text.empty() || text.front() == '-' || error != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  if (year < kFirstYear || year > kLastYear) return std::nullopt;
  return year;
}

// Two decimals with "." whatever the locale of the process; no "-0.00".
std::string TwoDecimals(double seconds) {
  if (std::fabs(seconds) < 0.005) seconds = 0;
  std::ostringstream text;
  text.imbue(std::locale::classic());
  text << std::fixed << std::setprecision(2) << seconds;
  return text.str();
}

}  // namespace

int RunDeltaTCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  if (args.empty() || args.size() > 2) {
    err << kDeltaTUsage << '\n';
    return kExitUsage;
  }
  const auto first = ParseYear(args[0]);
  const auto last = args.size() == 2 ? ParseYear(args[1]) : first;
  if (!first || !last) {
    err << "deltat: years must be whole numbers from 1000 to 3000: " << args[first ? 1 : 0] << '\n';
    return kExitUsage;
  }
  if (*last < *first) {
    err << "deltat: LAST must not be before FIRST\n";
    return kExitUsage;
  }
  for (int year = *first; year <= *last; ++year) {
    const DeltaTFigures deltaT = DeltaTOfYear(year);
    out << year << '\t' << TwoDecimals(deltaT.DataSeconds) << '\t' << TwoDecimals(deltaT.EphemerisLagSeconds) << '\t'
        << TwoDecimals(deltaT.UsedSeconds()) << '\t' << TwoDecimals(deltaT.UncertaintySeconds) << '\n';
  }
  return 0;
}

}  // namespace vellmora
