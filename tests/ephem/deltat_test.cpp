#include "ephem/deltat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "ephem/deltat_table.h"

namespace vellmora {
namespace {

// The numbers of a TAB-separated file of data/deltat/, row by row, without the header.
std::vector<std::vector<double>> ReadTable(const std::string& fileName) {
  std::ifstream in(std::string(VELLMORA_DATA_FOLDER) + "/deltat/" + fileName);
  std::string line;
  std::getline(in, line);
  std::vector<std::vector<double>> rows;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::vector<double> row;
    for (double value; fields >> value;) row.push_back(value);
    rows.push_back(row);
  }
  return rows;
}

TEST(DeltaTTable, HoldsEveryRowOfTheDataFiles) {
  const auto spline = ReadTable("s15_2020.tsv");
  ASSERT_EQ(spline.size(), 58u);
  ASSERT_EQ(DeltaTSpline.size(), spline.size());
  for (std::size_t i = 0; i < spline.size(); ++i) {
    const DeltaTSplineSegment& s = DeltaTSpline[i];
    EXPECT_EQ(std::vector<double>({s.FirstYear, s.LastYear, s.A0, s.A1, s.A2, s.A3}), spline[i]) << "row " << i;
  }
  const auto measured = ReadTable("iers_2019_2025.tsv");
  ASSERT_EQ(measured.size(), 14u);
  ASSERT_EQ(DeltaTMeasurements.size(), measured.size());
  for (std::size_t i = 0; i < measured.size(); ++i) {
    const DeltaTMeasurement& m = DeltaTMeasurements[i];
    EXPECT_EQ(std::vector<double>({double(m.Year), double(m.Month), double(m.Day), m.Seconds}), measured[i])
        << "row " << i;
  }
  const auto uncertainty = ReadTable("uncertainty.tsv");
  ASSERT_EQ(uncertainty.size(), 44u);
  ASSERT_EQ(DeltaTUncertaintySteps.size(), uncertainty.size());
  for (std::size_t i = 0; i < uncertainty.size(); ++i) {
    const DeltaTUncertaintyStep& u = DeltaTUncertaintySteps[i];
    EXPECT_EQ(std::vector<double>({u.FromYear, u.Seconds}), uncertainty[i]) << "row " << i;
  }
  // A few rows by hand, so that a file and the table cannot drift together.
  EXPECT_EQ(DeltaTSpline[3].FirstYear, 1000);
  EXPECT_EQ(DeltaTSpline[3].A0, 1650.393);
  EXPECT_EQ(DeltaTSpline.back().LastYear, 2019);
  EXPECT_EQ(DeltaTMeasurements[11].Seconds, 69.1879);  // 1 July 2024
  EXPECT_EQ(DeltaTUncertaintySteps.back().FromYear, 2500);
}

TEST(DeltaT, EachRuleOfTheDataReadme) {
  // The spline: at a knot, a0 of the segment that starts there.
  EXPECT_DOUBLE_EQ(DeltaTSeconds(1000), 1650.393);
  // The measured values, linear between 1 January and 1 July 2024.
  EXPECT_DOUBLE_EQ(DeltaTSeconds(2024.5), 69.1879);
  EXPECT_NEAR(DeltaTSeconds(2024.25), (69.1752 + 69.1879) / 2, 1e-12);
  // The long-term model starts from the last measured value, with C of about -150.61 s.
  EXPECT_NEAR(DeltaTSeconds(2025.5 + 1e-9), 69.1406, 1e-6);
  const double u = (2100.5 - 1825) / 100;
  EXPECT_NEAR(DeltaTSeconds(2100.5),
              -150.61 + 31.4115 * u * u + 284.8435805251424 * std::cos(0.4487989505128276 * (u + 0.75)), 0.01);
  // The reference values of the data's README.
  EXPECT_NEAR(DeltaTSeconds(1000.5), 1647.9, 0.05);
  EXPECT_NEAR(DeltaTSeconds(1700.5), 14.0, 0.05);
  EXPECT_NEAR(DeltaTSeconds(2100.5), 87.2, 0.05);
  EXPECT_NEAR(DeltaTSeconds(3000.5), 4412.9, 0.05);
}

TEST(DeltaT, ContinuousWhereTheRulesMeet) {
  // The spline ends at 2019.0 within 0.02 s of the first measurement; the model joins at 2025.5.
  EXPECT_NEAR(DeltaTSeconds(2019 - 1e-9), DeltaTSeconds(2019), 0.02);
  EXPECT_NEAR(DeltaTSeconds(2025.5 - 1e-9), DeltaTSeconds(2025.5 + 1e-9), 1e-6);
}

TEST(DeltaT, UncertaintyStepsAndGrowsQuadraticallyLate) {
  EXPECT_EQ(DeltaTUncertaintySeconds(1000.5), 15);
  EXPECT_EQ(DeltaTUncertaintySeconds(1619.99), 15);
  EXPECT_EQ(DeltaTUncertaintySeconds(1620), 20);
  EXPECT_EQ(DeltaTUncertaintySeconds(2024.5), 0.05);
  EXPECT_EQ(DeltaTUncertaintySeconds(2025.5), 0.2);
  EXPECT_EQ(DeltaTUncertaintySeconds(2499), 50);
  EXPECT_NEAR(DeltaTUncertaintySeconds(3000.5), 0.00022 * 1175.5 * 1175.5, 1e-9);
}

TEST(DeltaT, YearValueIsDeltaTPlusTheEphemerisLagAtMidYear) {
  // L(2024.5) = -2.053 + 1.614 u - 4.772 u^2 with u = 0.245: -1.944 s.
  EXPECT_NEAR(EphemerisLagSeconds(2024.5), -1.94401, 1e-5);
  EXPECT_NEAR(EphemerisLagSeconds(2000), -2.053, 1e-12);
  EXPECT_NEAR(DeltaTOfYear(2024).UsedSeconds(), 69.1879 - 1.94401, 1e-5);
  EXPECT_NEAR(DeltaTOfYear(1000).UsedSeconds(), 1647.88 - 494.91, 0.01);
}

TEST(DeltaT, NoStepFromOneYearToTheNext) {
  // The old table jumped by +24 s at 1619, -241 s at 1800 and +43 s at 2021. Now the
  // yearly change varies smoothly (by at most 0.35 s from one year to the next, in
  // the 19th-century spline) and is largest at 3000, where the long-term parabola
  // rises 8.2 s a year and the lag falls 0.9 s a year.
  double previousChange = DeltaTOfYear(1001).UsedSeconds() - DeltaTOfYear(1000).UsedSeconds();
  for (int year = 1002; year <= 3000; ++year) {
    const double change = DeltaTOfYear(year).UsedSeconds() - DeltaTOfYear(year - 1).UsedSeconds();
    EXPECT_LT(std::fabs(change), 7.3) << year;
    EXPECT_LT(std::fabs(change - previousChange), 0.4) << year;
    previousChange = change;
  }
}

}  // namespace
}  // namespace vellmora
