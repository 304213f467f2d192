#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tests/support/cli_run.h"

namespace vellmora {
namespace {

// A usage error: status 2, one line on err, nothing on out.
void ExpectUsageError(const CliResult& run) {
  EXPECT_EQ(run.Status, 2);
  EXPECT_TRUE(run.Out.empty()) << run.Out;
  ASSERT_FALSE(run.Err.empty());
  EXPECT_EQ(run.Err.find('\n'), run.Err.size() - 1) << run.Err;
}

TEST(CentralCommand, PrintsTheRowsInUtf8) {
  const CliResult run = RunCliWith({"central", "11.08.1999", "11:04:00"});
  EXPECT_EQ(run.Status, 0);
  EXPECT_TRUE(run.Err.empty());
  const std::vector<std::string> lines = OutputLines(run.Out);
  ASSERT_GT(lines.size(), 500u);
  // Greatest eclipse 11:03 UT near 45 deg 03' N, 24 deg 17' E: the step at
  // 11:03:00 prints as 11:03:30; the degree sign is UTF-8 C2 B0.
  bool greatestFound = false;
  for (const std::string& line : lines) {
    EXPECT_EQ(line.find("\xB0"), line.find("\xC2\xB0") + 1) << line;
    if (line.rfind("11:03:30\t45\xC2\xB0", 0) == 0) {
      greatestFound = true;
      EXPECT_NE(line.find("\t24\xC2\xB0"), std::string::npos) << line;
    }
  }
  EXPECT_TRUE(greatestFound);

  const CliResult partial = RunCliWith({"central", "21.05.1993", "14:20:00"});
  EXPECT_EQ(partial.Status, 0);
  EXPECT_TRUE(partial.Out.empty());
}

TEST(CentralCommand, RejectsBadArguments) {
  ExpectUsageError(RunCliWith({"central"}));
  ExpectUsageError(RunCliWith({"central", "11.08.1999"}));
  ExpectUsageError(RunCliWith({"central", "11.08.1999", "11:04:00", "extra"}));
  ExpectUsageError(RunCliWith({"central", "31.02.1999", "11:04:00"}));
  ExpectUsageError(RunCliWith({"central", "1999-08-11", "11:04:00"}));
  ExpectUsageError(RunCliWith({"central", "11.08.1999", "25:00:00"}));
  ExpectUsageError(RunCliWith({"central", "11.08.1999", "eleven"}));
}

TEST(LocalCommand, PrintsTheLocalCircumstances) {
  const CliResult stuttgart = RunCliWith({"local", "11.08.1999", "11:04:00", "48.78", "9.18"});
  EXPECT_EQ(stuttgart.Status, 0);
  EXPECT_TRUE(stuttgart.Err.empty());
  const std::vector<std::string> lines = OutputLines(stuttgart.Out);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0].rfind("Totale Finsternis mit M=", 0), 0u);
  EXPECT_EQ(lines[1].rfind("Maximum um 10:3", 0), 0u);
  EXPECT_EQ(lines[5].rfind("4. Kontakt: 11. 8.1999  11: 5", 0), 0u);

  // Cape Town: no sight of it, whatever the Sun does.
  const CliResult capeTown = RunCliWith({"local", "11.08.1999", "11:04:00", "-33.92", "+18.42"});
  EXPECT_EQ(capeTown.Status, 0);
  EXPECT_EQ(capeTown.Out, "Am Beobachtungsort nicht zu sehen\n");
}

TEST(LocalCommand, RejectsBadArguments) {
  ExpectUsageError(RunCliWith({"local", "11.08.1999", "11:04:00", "48.78"}));
  ExpectUsageError(RunCliWith({"local", "11.08.1999", "11:04:00", "48.78", "9.18", "0"}));
  ExpectUsageError(RunCliWith({"local", "30.02.2000", "11:04:00", "48.78", "9.18"}));
  ExpectUsageError(RunCliWith({"local", "11.08.1999", "11:60:00", "48.78", "9.18"}));
  ExpectUsageError(RunCliWith({"local", "11.08.1999", "11:04:00", "90.5", "9.18"}));
  ExpectUsageError(RunCliWith({"local", "11.08.1999", "11:04:00", "-91", "9.18"}));
  ExpectUsageError(RunCliWith({"local", "11.08.1999", "11:04:00", "48.78", "180.01"}));
  ExpectUsageError(RunCliWith({"local", "11.08.1999", "11:04:00", "48.78", "-181"}));
  ExpectUsageError(RunCliWith({"local", "11.08.1999", "11:04:00", "north", "9.18"}));
  ExpectUsageError(RunCliWith({"local", "11.08.1999", "11:04:00", "48.78", "9,18"}));
  // The limits themselves are places.
  EXPECT_EQ(RunCliWith({"local", "11.08.1999", "11:04:00", "90", "-180"}).Status, 0);
}

}  // namespace
}  // namespace vellmora
