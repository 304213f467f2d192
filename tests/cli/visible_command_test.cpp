#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "tests/support/cli_run.h"
#include "tests/support/text_fields.h"

namespace vellmora {
namespace {

// The eclipses of 2024 to 2029 that the eclipse maps show over central
// Europe, with the setting or rising Sun where the maps draw the eclipse at
// the edge of the day.
TEST(VisibleCommand, TheEclipsesOfTheComingYearsAtChemnitz) {
  const CliResult table = RunCliWith({"visible", "2024", "2030", "--place", "Chemnitz, D"});
  ASSERT_EQ(table.Status, 0) << table.Err;
  const std::vector<std::string> lines = OutputLines(table.Out);
  struct Expected {
    const char* Date;
    const char* Horizon;
  };
  const Expected expected[] = {{"29.03.2025", ""},
                               {"12.08.2026", "Sonnenuntergang"},
                               {"02.08.2027", ""},
                               {"26.01.2028", "Sonnenuntergang"},
                               {"12.06.2029", "Sonnenaufgang"}};
  ASSERT_EQ(lines.size(), std::size(expected) + 1);
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    const std::vector<std::string> cells = SplitFields(lines[i + 1]);
    ASSERT_EQ(cells.size(), SplitFields(lines[0]).size());
    EXPECT_EQ(cells[0], expected[i].Date);
    EXPECT_EQ(cells[1], "partiell");
    EXPECT_EQ(cells[12].rfind(expected[i].Horizon, 0), 0u) << cells[12];
  }
  // The maximum of 12.08.2026 also in Chemnitz's summer time.
  EXPECT_EQ(SplitFields(lines[2]).back(), "20:11:13 MESZ (UTC+2)");

  const CliResult json = RunCliWith({"visible", "2024", "2030", "--place", "Chemnitz, D", "--json"});
  ASSERT_EQ(json.Status, 0) << json.Err;
  const nlohmann::json parsed = nlohmann::json::parse(json.Out);
  ASSERT_EQ(parsed.size(), std::size(expected));
  EXPECT_EQ(parsed[1]["date"], "12.08.2026");
  EXPECT_EQ(parsed[1]["kind"], "partial");
  EXPECT_TRUE(parsed[1]["ends_after_sunset"].get<bool>());
  EXPECT_TRUE(parsed[1]["second_contact_ut"].is_null());
  // The sunset of 12.08.2026 at Chemnitz falls in summer time.
  EXPECT_EQ(parsed[1]["time_zone"], "Europe/Berlin");
  EXPECT_EQ(parsed[1]["maximum_ut"].get<std::string>().substr(0, 11), "2026-08-12T");
  EXPECT_EQ(parsed[1]["maximum_civil_time"].get<std::string>().substr(19), "+02:00");
  EXPECT_TRUE(parsed[1]["maximum_ut_julian_calendar"].is_null());

  // Before the calendar reform the list's Julian date comes beside the ISO date.
  const CliResult old = RunCliWith({"visible", "1133", "1134", "--place", "Chemnitz, D", "--json"});
  const nlohmann::json early = nlohmann::json::parse(old.Out);
  ASSERT_FALSE(early.empty());
  EXPECT_EQ(early[0]["date"], "02.08.1133");
  EXPECT_EQ(early[0]["maximum_ut_julian_calendar"].get<std::string>().substr(0, 10), "1133-08-02");
  EXPECT_EQ(early[0]["maximum_ut"].get<std::string>().substr(0, 10), "1133-08-09");

  const CliResult large = RunCliWith({"visible", "2024", "2030", "--place", "Chemnitz, D", "--min-magnitude", "0.5"});
  EXPECT_EQ(OutputLines(large.Out).size(), 3u);  // 12.08.2026 and 02.08.2027
}

TEST(VisibleCommand, EmptyRangesAndUsageErrors) {
  // The walk of 2024 alone stops at the first eclipse, 08.04.2024, unseen in Europe.
  const CliResult empty = RunCliWith({"visible", "2024", "2024", "--lat", "50.83", "--lon", "12.92", "--csv"});
  EXPECT_EQ(empty.Status, 0);
  EXPECT_EQ(OutputLines(empty.Out).size(), 1u);

  const std::vector<std::vector<std::string>> wrong = {
      {"visible", "999", "2000", "--place", "Chemnitz, D"},
      {"visible", "2000", "3001", "--lat", "0", "--lon", "0"},
      {"visible", "2000", "2010"},
      {"visible", "2000", "2010", "--lat", "10"},
      {"visible", "2000", "2010", "--place", "Nowhere"},
      {"visible", "2000", "2010", "--place", "Chemnitz, D", "--json", "--csv"}};
  for (const std::vector<std::string>& args : wrong) {
    const CliResult run = RunCliWith(args);
    EXPECT_EQ(run.Status, 2) << args[1] << " " << args.back();
    EXPECT_EQ(run.Err.find("vellmora-cli visible") == std::string::npos, args.back() == "Nowhere") << run.Err;
  }
}

}  // namespace
}  // namespace vellmora
