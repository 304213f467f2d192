#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "ephem/deltat.h"
#include "ephem/timlib.h"
#include "geometry/besselian_elements.h"
#include "tests/support/text_fields.h"
#include "tests/validation/nasa_catalogue.h"

namespace vellmora {
namespace {

constexpr double kCatalogueUmbralLunarRadius = 0.272281;

// One row of the canon's elements: the columns by name.
struct PublishedElements {
  int Year = 0;
  double Jd = 0, T0Hours = 0, DeltaT = 0;
  std::array<double, 4> X{}, Y{};
  std::array<double, 3> D{}, Mu{}, L1{}, L2{};
};

std::vector<PublishedElements> ReadPublishedElements() {
  std::ifstream in(std::string(VELLMORA_TEST_DATA_FOLDER) + "/validation/besselian_elements_2001_2100.tsv");
  std::string line;
  std::getline(in, line);
  std::vector<PublishedElements> rows;
  while (std::getline(in, line)) {
    const std::vector<std::string> f = SplitFields(line);
    if (f.size() != 28) {
      ADD_FAILURE() << line;
      continue;
    }
    std::vector<double> v;
    for (const std::string& field : f) v.push_back(std::stod(field));
    PublishedElements p;
    p.Year = static_cast<int>(v[0]);
    p.Jd = v[3];
    p.T0Hours = v[4];
    p.DeltaT = v[5];
    std::copy(v.begin() + 6, v.begin() + 10, p.X.begin());
    std::copy(v.begin() + 10, v.begin() + 14, p.Y.begin());
    std::copy(v.begin() + 14, v.begin() + 17, p.D.begin());
    std::copy(v.begin() + 17, v.begin() + 20, p.Mu.begin());
    std::copy(v.begin() + 20, v.begin() + 23, p.L1.begin());
    std::copy(v.begin() + 23, v.begin() + 26, p.L2.begin());
    rows.push_back(p);
  }
  EXPECT_EQ(rows.size(), 224u);
  return rows;
}

// The canon's t0 as Julian Date (TD): the hour t0 of the day nearest greatest eclipse.
double PublishedT0Jd(const PublishedElements& p) {
  double t0 = std::floor(p.Jd + 0.5) - 0.5 + p.T0Hours / 24;
  if (t0 - p.Jd > 0.5) t0 -= 1;
  if (p.Jd - t0 > 0.5) t0 += 1;
  return t0;
}

// Limits of the standard series (with their lag) and of the precise theories.
struct ElementCheck {
  const char* Name;
  const char* Unit;
  double StandardLimit;
  double PreciseLimit;
  std::function<double(const PublishedElements&, double)> Published;
  std::function<double(const ElementsAtInstant&)> Ours;
};

const std::vector<ElementCheck>& Checks() {
  static const std::vector<ElementCheck> checks = {
      {"x", "Earth radii", 0.002, 0.0003, [](auto& p, double t) { return PolynomialAt(p.X, t); },
       [](auto& e) { return e.X; }},
      {"y", "Earth radii", 0.002, 0.0003, [](auto& p, double t) { return PolynomialAt(p.Y, t); },
       [](auto& e) { return e.Y; }},
      {"d", "deg", 0.003, 0.0005, [](auto& p, double t) { return PolynomialAt(p.D, t); }, [](auto& e) { return e.D; }},
      {"mu", "deg", 0.01, 0.002, [](auto& p, double t) { return PolynomialAt(p.Mu, t); }, [](auto& e) { return e.Mu; }},
      {"l1", "Earth radii", 0.0002, 0.0002, [](auto& p, double t) { return PolynomialAt(p.L1, t); },
       [](auto& e) { return e.L1; }},
      {"l2", "Earth radii", 0.0003, 0.0003, [](auto& p, double t) { return PolynomialAt(p.L2, t); },
       [](auto& e) { return e.L2; }},
  };
  return checks;
}

class ElementsOfEachEphemeris : public testing::TestWithParam<Ephemeris> {};

TEST_P(ElementsOfEachEphemeris, AgreeWithTheCanonAtEqualDynamicalTime) {
  const Ephemeris ephemeris = GetParam();
  const bool precise = ephemeris == Ephemeris::Precise;
  const std::vector<ElementCheck>& checks = Checks();
  std::vector<std::vector<double>> differences(checks.size());
  for (const PublishedElements& p : ReadPublishedElements()) {
    const double t0Jd = PublishedT0Jd(p);
    const InstantTD read = {t0Jd - kJulianDateOfMJDZero - p.DeltaT / kSecondsPerDay};
    const double lag = precise ? 0 : EphemerisLagSeconds(p.Year + 0.5);
    const BesselianElements ours =
        ComputeBesselianElements(read, DeltaTFigures{p.DeltaT, lag, 0}, kCatalogueUmbralLunarRadius, ephemeris);
    const double offsetHours = (t0Jd - JulianDateFromCenturies(ours.T0)) * 24;
    for (double t = -2; t <= 2; t += 1) {
      if (t + offsetHours < ours.FirstHour || t + offsetHours > ours.LastHour) continue;
      const ElementsAtInstant e = EvaluateElements(ours, t + offsetHours);
      for (std::size_t c = 0; c < checks.size(); ++c) {
        double difference = checks[c].Ours(e) - checks[c].Published(p, t);
        if (checks[c].Name == std::string("mu")) difference = std::remainder(difference, 360.0);
        differences[c].push_back(std::abs(difference));
        EXPECT_LT(std::abs(difference), precise ? checks[c].PreciseLimit : checks[c].StandardLimit)
            << checks[c].Name << " of " << p.Year << " at JD " << p.Jd << ", t = " << t;
      }
    }
  }
  for (std::size_t c = 0; c < checks.size(); ++c) {
    Report(std::string(precise ? "elements_precise_" : "elements_standard_") + checks[c].Name, checks[c].Unit,
           Summarise(differences[c]));
  }
}

INSTANTIATE_TEST_SUITE_P(BesselianElements, ElementsOfEachEphemeris,
                         testing::Values(Ephemeris::Standard, Ephemeris::Precise),
                         [](const auto& info) { return info.param == Ephemeris::Precise ? "Precise" : "Standard"; });

}  // namespace
}  // namespace vellmora
