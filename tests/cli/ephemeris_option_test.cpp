#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/cli_run.h"

namespace vellmora {
namespace {

// Each command that computes the geometry, on the total eclipse of 8 April 2024.
const std::vector<std::vector<std::string>> kCommands = {
    {"central", "08.04.2024", "18:17:00"},
    {"local", "08.04.2024", "18:17:00", "32.78", "-96.81"},
    {"details", "08.04.2024", "--lat", "32.78", "--lon", "-96.81"},
    {"limits", "08.04.2024"},
    {"export", "08.04.2024", "--format", "csv"},
    {"show", "08.04.2024", "--lat", "32.78", "--lon", "-96.81"},
};

std::vector<std::string> With(std::vector<std::string> args, const std::string& ephemeris) {
  args.insert(args.end(), {"--ephemeris", ephemeris});
  return args;
}

// "standard" is the default to the byte; "precise" computes something else.
TEST(EphemerisOption, StandardIsTheDefaultAndPreciseChangesTheFigures) {
  for (const std::vector<std::string>& command : kCommands) {
    const CliResult plain = RunCliWith(command);
    const CliResult standard = RunCliWith(With(command, "standard"));
    const CliResult precise = RunCliWith(With(command, "precise"));
    EXPECT_EQ(plain.Status, 0) << command[0];
    EXPECT_EQ(standard.Out, plain.Out) << command[0];
    EXPECT_EQ(precise.Status, 0) << command[0] << precise.Err;
    EXPECT_NE(precise.Out, plain.Out) << command[0];
  }
}

TEST(EphemerisOption, DetailsNameThePreciseEphemeris) {
  const std::string line = "Ephemeride: ELP/MPP02 und VSOP87";
  EXPECT_EQ(RunCliWith(kCommands[2]).Out.find(line), std::string::npos);
  EXPECT_NE(RunCliWith(With(kCommands[2], "precise")).Out.find(line), std::string::npos);
}

TEST(EphemerisOption, RefusesAnUnknownOrMissingValue) {
  for (const std::vector<std::string>& command : kCommands) {
    EXPECT_EQ(RunCliWith(With(command, "exact")).Status, 2) << command[0];
    std::vector<std::string> missing = command;
    missing.push_back("--ephemeris");
    EXPECT_EQ(RunCliWith(missing).Status, 2) << command[0];
  }
}

}  // namespace
}  // namespace vellmora
