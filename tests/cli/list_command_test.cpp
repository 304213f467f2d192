#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "tests/support/cli_run.h"

namespace vellmora {
namespace {

TEST(ListCommand, PrintsTheRowsInUtf8) {
  const CliResult run = RunCliWith({"list", "1999", "2000"});
  EXPECT_EQ(run.Status, 0);
  EXPECT_EQ(run.Out, "ringf\xC3\xB6rmig\t16.02.1999 06:35:23\ntotal\t11.08.1999 11:04:21\n");
  EXPECT_EQ(run.Err, "");
}

TEST(ListCommand, WholeRangeIsWhatItWasByteForByte) {
  std::ifstream in(std::string(VELLMORA_TEST_DATA_FOLDER) + "/cli/list_1000_3000.txt", std::ios::binary);
  ASSERT_TRUE(in) << "expected output missing";
  const std::string expected{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  const CliResult run = RunCliWith({"list", "1000", "3000"});
  EXPECT_EQ(run.Status, 0);
  EXPECT_EQ(run.Err, "");
  const std::vector<std::string> rows = OutputLines(run.Out);
  const std::vector<std::string> expectedRows = OutputLines(expected);
  ASSERT_EQ(rows.size(), 3051U);
  ASSERT_EQ(rows.size(), expectedRows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) ASSERT_EQ(rows[i], expectedRows[i]) << "row " << i + 1;
  EXPECT_EQ(run.Out, expected);
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
