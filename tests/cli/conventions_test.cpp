#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "tests/support/cli_run.h"

// The conventions of a command-line tool: help on standard output with status
// 0, the version, and usage errors that name what was wrong, on standard
// error with status 2 and nothing on standard output.

namespace vellmora {
namespace {

using Arguments = std::vector<std::string>;

const char* const kCommandNames[] = {"list", "show", "search", "map", "central", "local", "sun", "places"};

void ExpectUsageErrorNaming(const Arguments& args, const std::string& named) {
  const CliResult run = RunCliWith(args);
  EXPECT_EQ(run.Status, 2) << named;
  EXPECT_EQ(run.Out, "") << named;
  const std::string firstLine = run.Err.substr(0, run.Err.find('\n'));
  EXPECT_NE(firstLine.find(named), std::string::npos) << run.Err;
}

TEST(CliConventions, HelpGoesToStandardOutputWithStatusZero) {
  for (const char* help : {"--help", "-h", "help"}) {
    const CliResult run = RunCliWith({help});
    EXPECT_EQ(run.Status, 0) << help;
    EXPECT_EQ(run.Err, "") << help;
    EXPECT_TRUE(run.Out.starts_with("usage: vellmora-cli COMMAND")) << run.Out;
    for (const char* command : kCommandNames) {
      EXPECT_NE(run.Out.find(std::string("\n  ") + command + ' '), std::string::npos) << command;
    }
  }
  // A command's own help: its synopsis.
  const CliResult show = RunCliWith({"show", "--help"});
  EXPECT_EQ(show.Status, 0);
  EXPECT_TRUE(show.Out.starts_with("usage: vellmora-cli show DD.MM.YYYY")) << show.Out;
  EXPECT_EQ(show.Err, "");
}

TEST(CliConventions, VersionIsTheProgramNameAndItsReleaseNumber) {
  const CliResult run = RunCliWith({"--version"});
  EXPECT_EQ(run.Status, 0);
  EXPECT_EQ(run.Err, "");
  EXPECT_TRUE(std::regex_match(run.Out, std::regex("vellmora-cli [0-9]+\\.[0-9]+\\.[0-9]+\n"))) << run.Out;
}

TEST(CliConventions, UnknownCommandsAndOptionsAreNamedBeforeTheUsage) {
  ExpectUsageErrorNaming({"frobnicate", "2000"}, "unknown command \"frobnicate\"");
  ExpectUsageErrorNaming({"--frobnicate"}, "unknown option \"--frobnicate\"");
  ExpectUsageErrorNaming({"-x"}, "unknown option \"-x\"");
  ExpectUsageErrorNaming({}, "no command");
  ExpectUsageErrorNaming({"show", "08.04.2024", "--zoom", "2"}, "unknown option \"--zoom\" for show");
  ExpectUsageErrorNaming({"list", "--first", "2000"}, "unknown option \"--first\" for list");
  ExpectUsageErrorNaming({"map", "--png", "x.png", "--centre", "1,2", "-v"}, "unknown option \"-v\" for map");
  ExpectUsageErrorNaming({"places", "--all"}, "unknown option \"--all\" for places");
  const CliResult unknown = RunCliWith({"frobnicate"});
  EXPECT_NE(unknown.Err.find("\nusage: vellmora-cli COMMAND"), std::string::npos) << unknown.Err;

  // Negative numbers are values, and so is whatever follows an option that takes one.
  EXPECT_EQ(RunCliWith({"show", "08.04.2024", "--lat", "41.03", "--lon", "-83.65"}).Status, 0);
  EXPECT_EQ(RunCliWith({"list", "-5", "1001"}).Status, 0);
  const CliResult dashedPlace = RunCliWith({"show", "08.04.2024", "--place", "-x"});
  EXPECT_NE(dashedPlace.Err.find("no place is called \"-x\""), std::string::npos) << dashedPlace.Err;
}

TEST(CliConventions, NegativeAndMalformedTimeFieldsAreRefusedWithTheReason) {
  for (const char* negative : {"-1:00:00", "11:-4:00", "11:04:-5"}) {
    ExpectUsageErrorNaming({"sun", "21.06.2024", negative, "0", "0"}, "sun: a time field is negative");
    ExpectUsageErrorNaming({"central", "11.08.1999", negative}, "central: a time field is negative");
    ExpectUsageErrorNaming({"local", "11.08.1999", negative, "48.78", "9.18"}, "local: a time field is negative");
  }
  for (const char* malformed : {"+1:00:00", "1a:00:00", " 1:04:00", "11:4 :00", "110400", "11:04:00 "}) {
    ExpectUsageErrorNaming({"sun", "21.06.2024", malformed, "0", "0"}, "sun: not a time HH:MM:SS");
  }
  ExpectUsageErrorNaming({"sun", "21.06.2024", "24:00:00", "0", "0"}, "hours run from 00 to 23");
  ExpectUsageErrorNaming({"sun", "-1.06.2024", "12:00:00", "0", "0"}, "sun: a date field is negative");
}

TEST(CliConventions, TheTenDaysLeftOutByTheGregorianReformDoNotExist) {
  for (const char* missing : {"05.10.1582", "10.10.1582", "14.10.1582"}) {
    ExpectUsageErrorNaming({"sun", missing, "12:00:00", "50", "10"}, "05.10.1582 to 14.10.1582 do not exist");
    ExpectUsageErrorNaming({"central", missing, "12:00:00"}, "do not exist");
    ExpectUsageErrorNaming({"show", missing}, "do not exist");
  }
  // The days on either side: the last Julian and the first Gregorian one.
  EXPECT_EQ(RunCliWith({"sun", "04.10.1582", "12:00:00", "50", "10"}).Status, 0);
  EXPECT_EQ(RunCliWith({"sun", "15.10.1582", "12:00:00", "50", "10"}).Status, 0);
}

TEST(CliConventions, AnEclipseWithoutACentralLineIsToldInOneLine) {
  // 30.04.1957: listed as annular, but the axis of the shadow passes beside the Earth.
  for (const char* command : {"show", "search"}) {
    const CliResult run = RunCliWith({command, "30.04.1957"});
    EXPECT_EQ(run.Status, 0) << command;
    EXPECT_EQ(run.Err, "no central line on 30.04.1957: the axis of the Moon's shadow misses the Earth\n");
  }
  const CliResult shown = RunCliWith({"show", "30.04.1957"});
  EXPECT_TRUE(shown.Out.starts_with("\nGeografische Breite")) << shown.Out;  // no central-line rows

  const CliResult central = RunCliWith({"central", "30.04.1957", "08:00:00"});
  EXPECT_EQ(central.Status, 0);
  EXPECT_EQ(central.Out, "");
  EXPECT_NE(central.Err.find("no central line on 30.04.1957"), std::string::npos);
  // A central eclipse says nothing of the kind.
  EXPECT_EQ(RunCliWith({"show", "08.04.2024"}).Err, "");
}

}  // namespace
}  // namespace vellmora
