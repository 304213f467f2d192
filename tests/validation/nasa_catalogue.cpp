#include "tests/validation/nasa_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <numbers>
#include <sstream>

#include "tests/support/text_fields.h"

namespace vellmora {
namespace {

// The TAB-separated fields of a line; a field may be empty (no path width where
// the umbra touches the Earth only partly).
std::vector<CatalogueEclipse> ReadCatalogue() {
  std::ifstream in(std::string(VELLMORA_TEST_DATA_FOLDER) + "/validation/nasa_solar_eclipses_2001_2100.tsv");
  std::string line;
  std::getline(in, line);  // year month day td deltat_s saros type gamma magnitude lat lon sun_alt width_km duration_s
  std::vector<CatalogueEclipse> rows;
  while (std::getline(in, line)) {
    const std::vector<std::string> f = SplitFields(line);
    EXPECT_EQ(f.size(), 14u) << line;
    if (f.size() != 14) continue;
    int h = 0, m = 0, s = 0;
    EXPECT_EQ(std::sscanf(f[3].c_str(), "%d:%d:%d", &h, &m, &s), 3) << line;
    rows.push_back({std::stoi(f[0]), std::stoi(f[1]), std::stoi(f[2]), h + m / 60.0 + s / 3600.0, std::stod(f[4]), f[6],
                    std::stod(f[8]), std::stod(f[9]), std::stod(f[10]), std::stod(f[11]),
                    f[12].empty() ? NAN : std::stod(f[12]), f[13].empty() ? NAN : std::stod(f[13])});
  }
  EXPECT_EQ(rows.size(), 224u);
  return rows;
}

}  // namespace

const std::vector<CatalogueEclipse>& NasaCatalogue() {
  static const std::vector<CatalogueEclipse> catalogue = ReadCatalogue();
  return catalogue;
}

bool IsCentralEclipse(const CatalogueEclipse& eclipse) {
  const char kind = eclipse.Type.front();
  const bool missesTheEarth = eclipse.Type.find_first_of("+-") != std::string::npos;
  return (kind == 'A' || kind == 'T' || kind == 'H') && !missesTheEarth;
}

DifferenceSummary Summarise(std::vector<double> differences) {
  if (differences.empty()) return {0, 0};
  std::sort(differences.begin(), differences.end());
  const std::size_t n = differences.size();
  const double median = n % 2 ? differences[n / 2] : (differences[n / 2 - 1] + differences[n / 2]) / 2;
  return {median, differences.back()};
}

void Report(const std::string& name, const std::string& unit, const DifferenceSummary& summary) {
  std::cout << "[ FIGURES  ] " << name << ": median " << summary.Median << ' ' << unit << ", largest "
            << summary.Largest << ' ' << unit << '\n';
  testing::Test::RecordProperty(name + "_median", std::to_string(summary.Median));
  testing::Test::RecordProperty(name + "_largest", std::to_string(summary.Largest));
}

double DistanceKm(double latitude1, double longitude1, double latitude2, double longitude2) {
  constexpr double kEarthRadiusKm = 6371.0;
  constexpr double kRadians = std::numbers::pi / 180;
  const double a = std::pow(std::sin((latitude2 - latitude1) * kRadians / 2), 2) +
                   std::cos(latitude1 * kRadians) * std::cos(latitude2 * kRadians) *
                       std::pow(std::sin((longitude2 - longitude1) * kRadians / 2), 2);
  return 2 * kEarthRadiusKm * std::asin(std::sqrt(a));
}

}  // namespace vellmora
