#include "cli/command_elements.h"

#include <nlohmann/json.hpp>

#include "app/selection/selection.h"
#include "app/texts/elements_text.h"
#include "cli/arguments.h"
#include "cli/solar_eclipse_of_date.h"

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

}  // namespace

int RunElementsCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  const bool json = args.size() == 2 && args[1] == "--json";
  if (args.empty() || args.size() > 2 || (args.size() == 2 && !json)) {
    err << kUsage;
    return kExitUsage;
  }
  ChosenEclipse eclipse;
  if (const int status = FindSolarEclipseOnDate(args[0], err, eclipse); status != 0) return status;
  const Selection selection(eclipse, {});
  const BesselianElements& elements = selection.Elements();
  if (json) {
    out << ElementsAsJson(elements).dump(2) << '\n';
  } else {
    out << BesselianElementsTable(elements);
  }
  return 0;
}

}  // namespace vellmora
