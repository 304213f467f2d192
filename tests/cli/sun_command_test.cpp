#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/cli_run.h"

namespace vellmora {
namespace {

CliResult RunSun(std::vector<std::string> args) {
  args.insert(args.begin(), "sun");
  return RunCliWith(args);
}

// The two values of a successful run, checked for their form first.
struct AltitudeAzimuth {
  double Altitude;
  double Azimuth;
};

AltitudeAzimuth ReadOutput(const CliResult& run) {
  EXPECT_EQ(run.Status, 0);
  EXPECT_EQ(run.Err, "");
  static const std::regex kForm("Hoehe: (-?[0-9]+\\.[0-9]{6})\nAzimut: (-?[0-9]+\\.[0-9]{6})\n");
  std::smatch match;
  if (!std::regex_match(run.Out, match, kForm)) {
    ADD_FAILURE() << "unexpected output: " << run.Out;
    return {NAN, NAN};
  }
  return {std::stod(match[1]), std::stod(match[2])};
}

TEST(SunCommand, PrintsAltitudeAndAzimuthForAPlaceGivenByEastLongitude) {
  // Local noon in Chemnitz at the June solstice: 90 - 50.83 + 23.44 = 62.61 degrees, due south.
  const AltitudeAzimuth noon = ReadOutput(RunSun({"21.06.2024", "11:10:00", "50.83", "12.92"}));
  EXPECT_NEAR(noon.Altitude, 62.6, 0.05);
  EXPECT_NEAR(noon.Azimuth, 0, 0.5);
  // Twelve hours later the Sun is below the northern horizon.
  const AltitudeAzimuth night = ReadOutput(RunSun({"21.06.2024", "23:10:00", "50.83", "12.92"}));
  EXPECT_NEAR(night.Altitude, -15.73, 0.05);
  // Southern hemisphere, same instant: Sydney's winter noon is long past, the Sun is below the horizon.
  EXPECT_LT(ReadOutput(RunSun({"21.06.2024", "11:10:00", "-33.87", "151.21"})).Altitude, 0);
}

TEST(SunCommand, ReadsDatesBeforeTheGregorianReformInTheJulianCalendar) {
  // 4 October 1582 (Julian) was the day before 15 October 1582 (Gregorian):
  // at noon on both the Sun's altitude differs by one day's change of its
  // declination (about 0.4 degree in October), not by eleven days' (about 4.3).
  const AltitudeAzimuth before = ReadOutput(RunSun({"04.10.1582", "12:00:00", "0", "0"}));
  const AltitudeAzimuth after = ReadOutput(RunSun({"15.10.1582", "12:00:00", "0", "0"}));
  const double change = before.Altitude - after.Altitude;
  EXPECT_GT(std::fabs(change), 0.2);
  EXPECT_LT(std::fabs(change), 0.6);
}

TEST(SunCommand, RefusesBadArgumentsWithOneLineAndUsageStatus) {
  const std::vector<std::vector<std::string>> bad = {
      {},
      {"21.06.2024", "11:10:00", "50.83"},
      {"21.06.2024", "11:10:00", "50.83", "12.92", "extra"},
      {"31.06.2024", "11:10:00", "50.83", "12.92"},
      {"2024-06-21", "11:10:00", "50.83", "12.92"},
      {"21.06.2024", "24:00:00", "50.83", "12.92"},
      {"21.06.2024", "11:10", "50.83", "12.92"},
      {"21.06.2024", "11:10:00", "90.5", "12.92"},
      {"21.06.2024", "11:10:00", "50,83", "12.92"},
      {"21.06.2024", "11:10:00", "50.83", "east"},
      {"21.06.2024", "11:10:00", "50.83", "-180.01"},
  };
  for (const auto& args : bad) {
    SCOPED_TRACE(testing::PrintToString(args));
    const CliResult run = RunSun(args);
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Out, "");
    ASSERT_FALSE(run.Err.empty());
    EXPECT_EQ(run.Err.find('\n'), run.Err.size() - 1);
  }
}

}  // namespace
}  // namespace vellmora
