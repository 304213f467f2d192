// Build-time tabulator: every solar eclipse of 1000-3000 as the walk finds it,
// with the Sun's and the Moon's Chebyshev fits of the standard series around
// its listed instant that the local circumstances make, written to a C++
// source file as exact hexadecimal floating-point numbers (see
// sightings/eclipse_table.h).
//
//   vellmora_tabulate_eclipses OUTPUT.cpp

#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

#include "catalogue/eclipse_list.h"
#include "ephem/instant.h"
#include "geometry/local_contacts.h"

namespace {

using vellmora::ChebyshevFit;

// The number in hexadecimal notation, which a compiler reads back to the same bits.
std::string Exact(double x) {
  char number[40];
  std::snprintf(number, sizeof number, "%a", x);
  return number;
}

void WriteCoefficients(std::ostream& out, const ChebyshevFit& fit) {
  out << '{';
  for (int j = 0; j <= fit.Degree; ++j) out << (j == 0 ? "" : ", ") << Exact(fit.Coefficients[j]);
  out << '}';
}

}  // namespace

int main(int argc, char** argv) {
  using namespace vellmora;
  if (argc != 2) {
    std::cerr << "usage: vellmora_tabulate_eclipses OUTPUT.cpp\n";
    return 2;
  }
  std::ofstream out(argv[1]);
  out << "// Generated at build time by tools/eclipse_table/tabulate_eclipses.cpp; do not edit.\n"
         "#include \"sightings/eclipse_table.h\"\n\n"
         "namespace vellmora {\nnamespace {\n\n"
         "const TabulatedEclipse kEclipses[] = {\n";
  for (const EclipseListRow& row : ListSolarEclipses(kFirstListYear, kLastListYear)) {
    const ListDateTime shown = ListDateTimeOf(row.Time);
    const InstantTD listed = InstantTD::FromCalendar(shown.Day, shown.Month, shown.Year, shown.Hours());
    const LocalFits fits = FitsAroundListedInstant(listed, Ephemeris::Standard);
    out << "    {{" << Exact(row.Time) << ", EclipseKind{" << static_cast<int>(row.Kind) << "}}, " << Exact(listed.Mjd)
        << ", " << Exact(fits.Moon.RightAscension.IntervalStart) << ", " << Exact(fits.Moon.RightAscension.IntervalEnd)
        << ", {";
    const char* separator = "";
    for (const ChebyshevFit* fit : {&fits.Moon.RightAscension, &fits.Moon.Declination, &fits.Moon.Distance,
                                    &fits.Sun.RightAscension, &fits.Sun.Declination, &fits.Sun.Distance}) {
      out << separator;
      WriteCoefficients(out, *fit);
      separator = ", ";
    }
    out << "}},\n";
  }
  out << "};\n\n}  // namespace\n\n"
         "std::span<const TabulatedEclipse> EclipseTable() { return kEclipses; }\n\n"
         "}  // namespace vellmora\n";
  out.close();
  if (!out) {
    std::cerr << "vellmora_tabulate_eclipses: cannot write " << argv[1] << '\n';
    return 1;
  }
  return 0;
}
