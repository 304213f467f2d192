#include "app/texts/elements_text.h"

#include <iomanip>
#include <locale>
#include <sstream>

namespace vellmora {
namespace {

constexpr int kColumnWidth = 15;

template <std::size_t N>
void AddRow(std::ostream& text, const char* name, const std::array<double, N>& coefficients, int decimals) {
  text << std::left << std::setw(4) << name << std::right << std::setprecision(decimals);
  for (double value : coefficients) text << std::setw(kColumnWidth) << value;
  text << '\n';
}

}  // namespace

std::string BesselianElementsTable(const BesselianElements& e) {
  std::ostringstream text;
  text.imbue(std::locale::classic());
  text << std::fixed << std::setprecision(1);
  text << "t0 = " << T0Hours(e) << " h TD   Delta-T = " << e.DeltaTSeconds << " s   valid t = " << e.FirstHour << " .. "
       << e.LastHour << " h\n";
  text << "    ";
  for (const char* power : {"t^0", "t^1", "t^2", "t^3"}) text << std::setw(kColumnWidth) << power;
  text << '\n';
  AddRow(text, "x", e.X, 7);
  AddRow(text, "y", e.Y, 7);
  AddRow(text, "d", e.D, 7);
  AddRow(text, "mu", e.Mu, 6);
  AddRow(text, "l1", e.L1, 7);
  AddRow(text, "l2", e.L2, 7);
  text << std::setprecision(7) << "tan f1 = " << e.TanF1 << "\ntan f2 = " << e.TanF2 << '\n';
  return text.str();
}

}  // namespace vellmora
