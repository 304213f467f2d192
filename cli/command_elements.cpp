#include "cli/command_elements.h"

#include <iomanip>
#include <locale>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/arguments.h"
#include "cli/solar_eclipse_of_date.h"
#include "geometry/besselian_elements.h"

namespace vellmora {
namespace {

constexpr const char* kUsage = "usage: vellmora-cli elements DD.MM.YYYY [--json]\n";

template <std::size_t N>
nlohmann::json Coefficients(const std::array<double, N>& c) {
  return nlohmann::json(std::vector<double>(c.begin(), c.end()));
}

nlohmann::json ElementsAsJson(const BesselianElements& e) {
  return {{"t0_td_hours", T0Hours(e)}, {"delta_t_s", e.DeltaTSeconds}, {"x", Coefficients(e.X)},
          {"y", Coefficients(e.Y)},    {"d_deg", Coefficients(e.D)},   {"mu_deg", Coefficients(e.Mu)},
          {"l1", Coefficients(e.L1)},  {"l2", Coefficients(e.L2)},     {"tan_f1", e.TanF1},
          {"tan_f2", e.TanF2}};
}

template <std::size_t N>
void PrintRow(std::ostream& out, const char* name, const std::array<double, N>& c, int decimals) {
  out << std::left << std::setw(4) << name << std::right;
  for (double value : c) out << std::setw(15) << std::setprecision(decimals) << value;
  out << '\n';
}

void PrintTable(std::ostream& out, const BesselianElements& e) {
  std::ostringstream text;
  text.imbue(std::locale::classic());
  text << std::fixed << std::setprecision(1);
  text << "t0 = " << T0Hours(e) << " h TD   Delta-T = " << e.DeltaTSeconds << " s   valid t = " << e.FirstHour << " .. "
       << e.LastHour << " h\n";
  text << "    " << std::setw(15) << "t^0" << std::setw(15) << "t^1" << std::setw(15) << "t^2" << std::setw(15) << "t^3"
       << '\n';
  PrintRow(text, "x", e.X, 7);
  PrintRow(text, "y", e.Y, 7);
  PrintRow(text, "d", e.D, 7);
  PrintRow(text, "mu", e.Mu, 6);
  PrintRow(text, "l1", e.L1, 7);
  PrintRow(text, "l2", e.L2, 7);
  text << std::setprecision(7) << "tan f1 = " << e.TanF1 << "\ntan f2 = " << e.TanF2 << '\n';
  out << text.str();
}

}  // namespace

int RunElementsCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  const bool json = args.size() == 2 && args[1] == "--json";
  if (args.empty() || args.size() > 2 || (args.size() == 2 && !json)) {
    err << kUsage;
    return kExitUsage;
  }
  int status = 0;
  const std::optional<SolarEclipseOfDate> eclipse = FindSolarEclipseOnDate(args[0], err, status);
  if (!eclipse) return status;
  const CalendarInstant& g = eclipse->Greatest;
  const BesselianElements elements = ComputeBesselianElements(g.Day, g.Month, g.Year, g.Hours);
  if (json) {
    out << ElementsAsJson(elements).dump(2) << '\n';
  } else {
    PrintTable(out, elements);
  }
  return 0;
}

}  // namespace vellmora
