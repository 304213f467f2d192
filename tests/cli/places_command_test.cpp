#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "app/resources/resources.h"
#include "tests/support/cli_run.h"

namespace vellmora {
namespace {

CliResult Places(std::vector<std::string> args) {
  args.insert(args.begin(), "places");
  return RunCliWith(args);
}

TEST(PlacesCommand, ListsMatchingPlacesAsTabSeparatedLines) {
  const CliResult chemnitz = Places({"chemn"});
  EXPECT_EQ(chemnitz.Status, 0);
  EXPECT_EQ(chemnitz.Out, "Chemnitz, D\t50.836667\t12.854444\t1\n");
  EXPECT_EQ(chemnitz.Err, "");
  EXPECT_EQ(Places({"CHEMNITZ"}).Out, chemnitz.Out);
  EXPECT_EQ(Places({"nordpol"}).Out, "Nordpol\t90\t0\t0\n");
  const CliResult nothing = Places({"Xyzzy"});
  EXPECT_EQ(nothing.Status, 0);
  EXPECT_EQ(nothing.Out, "");
}

TEST(PlacesCommand, MatchesUmlautsRegardlessOfCaseAndWritesUtf8) {
  const CliResult equator = Places({"\xC3\x84QUATOR"});  // "ÄQUATOR", also in "Äquatorialguinea"
  EXPECT_EQ(equator.Out.rfind("\xC3\x84quator\t0\t0\t0\n", 0), 0u) << equator.Out;
  EXPECT_EQ(Places({"\xC3\xA4quator"}).Out, equator.Out);  // "äquator"
  EXPECT_EQ(Places({"S\xC3\x9C"
                    "DPOL"})
                .Out,
            "S\xC3\xBC"
            "dpol\t-90\t0\t0\n");                          // "SÜDPOL"
  const CliResult munich = Places({"M\xC3\x9CNCHEN, D"});  // "MÜNCHEN, D"
  EXPECT_EQ(munich.Out.rfind("M\xC3\xBCnchen, D\t", 0), 0u) << munich.Out;
  EXPECT_EQ(Places({"m\xC3\xBCnchen, d"}).Out, munich.Out);
  // ß has no upper-case letter of its own in Windows-1252 and matches itself.
  EXPECT_NE(Places({"\xC3\x9F"}).Out, "");
}

TEST(PlacesCommand, WithoutTextListsEveryPlace) {
  const CliResult all = Places({});
  EXPECT_EQ(all.Status, 0);
  const std::vector<std::string> table = LoadResourceLines("mort");
  std::istringstream lines(all.Out);
  std::size_t count = 0;
  for (std::string line; std::getline(lines, line); ++count) {
    ASSERT_LT(count, table.size());
    EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 3) << line;
    // ASCII lines come out unchanged.
    if (std::ranges::all_of(table[count], [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
      EXPECT_EQ(line, table[count]);
    }
  }
  EXPECT_EQ(count, table.size());
  EXPECT_EQ(Places({""}).Out, all.Out);
}

TEST(PlacesCommand, MoreThanOneArgumentIsAUsageError) {
  const CliResult run = Places({"Chemnitz", "D"});
  EXPECT_EQ(run.Status, 2);
  EXPECT_EQ(run.Out, "");
  EXPECT_NE(run.Err.find("usage: vellmora-cli places [TEXT]"), std::string::npos);
}

}  // namespace
}  // namespace vellmora
