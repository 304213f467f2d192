#include <gtest/gtest.h>

#include "tests/support/cli_run.h"

namespace vellmora {
namespace {

TEST(ListCommand, PrintsTheRowsInUtf8) {
  const CliResult run = RunCliWith({"list", "1999", "2000"});
  EXPECT_EQ(run.Status, 0);
  EXPECT_EQ(run.Out, "ringf\xC3\xB6rmig\t16.02.1999 06:35:23\ntotal\t11.08.1999 11:04:21\n");
  EXPECT_EQ(run.Err, "");
}

TEST(ListCommand, ClampsLikeTheWindowAndReportsTheDateError) {
  const CliResult fromAbc = RunCliWith({"list", "abc", "1001"});
  EXPECT_EQ(fromAbc.Status, 0);
  EXPECT_EQ(fromAbc.Out.substr(0, 25), "total\t07.04.1000 09:17:49");

  const CliResult emptyLast = RunCliWith({"list", "2000", ""});
  EXPECT_EQ(emptyLast.Status, 1);
  EXPECT_EQ(emptyLast.Out, "");
  EXPECT_EQ(emptyLast.Err, "Invalid argument to date encode\n");
}

TEST(ListCommand, WrongArgumentsPrintUsage) {
  for (const auto& args : {std::vector<std::string>{"list", "2000"}, {"list", "1", "2", "3"}, {"nonsense"}, {}}) {
    const CliResult run = RunCliWith(args);
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Out, "");
    EXPECT_NE(run.Err.find("usage: vellmora-cli"), std::string::npos);
  }
}

}  // namespace
}  // namespace vellmora
