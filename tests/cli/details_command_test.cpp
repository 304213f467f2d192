#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "tests/support/cli_run.h"
#include "tests/support/text_fields.h"

namespace vellmora {
namespace {

bool HasLineStartingWith(const std::vector<std::string>& lines, const std::string& start) {
  for (const std::string& line : lines) {
    if (line.rfind(start, 0) == 0) return true;
  }
  return false;
}

TEST(DetailsCommand, TheSunSetsDuringTheEclipseAtChemnitz) {
  const CliResult run = RunCliWith({"details", "12.08.2026", "--place", "Chemnitz, D"});
  ASSERT_EQ(run.Status, 0) << run.Err;
  const std::vector<std::string> lines = OutputLines(run.Out);
  ASSERT_GE(lines.size(), 5u);
  EXPECT_EQ(SplitFields(lines[0]).size(), 13u);
  EXPECT_EQ(lines[1].rfind("1. Kontakt\t", 0), 0u);
  EXPECT_EQ(lines[2].rfind("Maximum\t", 0), 0u);
  EXPECT_EQ(lines[3].rfind("4. Kontakt\t", 0), 0u);
  EXPECT_NE(lines[3].find("unter dem Horizont"), std::string::npos);
  EXPECT_TRUE(HasLineStartingWith(
      lines, "Sonnenuntergang w\xC3\xA4hrend der Finsternis um 18:35:04 UT, 20:35:04 MESZ (UTC+2)"));
  EXPECT_TRUE(HasLineStartingWith(lines, "Zeitzone: Europe/Berlin"));
  EXPECT_TRUE(HasLineStartingWith(lines, "Zentrale Phase am Beobachtungsort: ausgeschlossen"));
}

TEST(DetailsCommand, TotalityAtDallasIsCertain) {
  const CliResult run = RunCliWith({"details", "08.04.2024", "--lat", "32.78", "--lon", "-96.81"});
  ASSERT_EQ(run.Status, 0) << run.Err;
  const std::vector<std::string> lines = OutputLines(run.Out);
  ASSERT_GE(lines.size(), 7u);
  const std::vector<std::string> header = SplitFields(lines[0]);
  ASSERT_EQ(header.size(), 13u);
  EXPECT_EQ(header[2], "gesetzliche Zeit");
  EXPECT_EQ(header[5], "H\xC3\xB6he");
  EXPECT_EQ(header[8], "P");
  EXPECT_EQ(header[9], "V");
  const char* events[] = {"1. Kontakt", "2. Kontakt", "Maximum", "3. Kontakt", "4. Kontakt"};
  for (int i = 0; i < 5; ++i) {
    const std::vector<std::string> row = SplitFields(lines[1 + i]);
    ASSERT_EQ(row.size(), header.size()) << lines[1 + i];
    EXPECT_EQ(row[0], events[i]);
    // Central daylight time of the nearest place, Dallas.
    EXPECT_EQ(row[2].substr(8), " UTC-5") << row[2];
    for (const int angle : {5, 6, 7, 8, 9}) EXPECT_NE(row[angle].find("\xC2\xB0"), std::string::npos) << row[angle];
  }
  // The same contact times as the local circumstances of the window.
  const CliResult shown = RunCliWith({"show", "08.04.2024", "--lat", "32.78", "--lon", "-96.81"});
  const std::string second = SplitFields(lines[2])[1];
  EXPECT_NE(shown.Out.find("2. Kontakt:  8. 4.2024  18: 40: " + second.substr(6)), std::string::npos) << second << "\n"
                                                                                                      << shown.Out;
  EXPECT_TRUE(HasLineStartingWith(lines, "Dauer der Totalit\xC3\xA4t: 3 min"));
  EXPECT_TRUE(HasLineStartingWith(lines, "Zentrale Phase am Beobachtungsort: sicher"));
  EXPECT_TRUE(HasLineStartingWith(lines, "Delta-T: 67.24 s"));
}

TEST(DetailsCommand, JsonHoldsTheSameFigures) {
  const CliResult run = RunCliWith({"details", "08.04.2024", "--lat", "32.78", "--lon", "-96.81", "--json"});
  ASSERT_EQ(run.Status, 0) << run.Err;
  const nlohmann::json json = nlohmann::json::parse(run.Out);
  EXPECT_EQ(json["date"], "08.04.2024");
  EXPECT_TRUE(json["place"].is_null());
  EXPECT_EQ(json["lat_deg"], 32.78);
  EXPECT_EQ(json["kind"], "total");
  ASSERT_EQ(json["events"].size(), 5u);
  EXPECT_EQ(json["events"][1]["event"], "second_contact");
  EXPECT_EQ(json["time_zone"], "America/Chicago");
  EXPECT_EQ(json["events"][1]["ut"].get<std::string>().substr(0, 17), "2024-04-08T18:40:");
  EXPECT_EQ(json["events"][1]["civil_time"].get<std::string>().substr(0, 17), "2024-04-08T13:40:");
  EXPECT_EQ(json["events"][1]["civil_time"].get<std::string>().substr(19), "-05:00");
  const double altitude = json["events"][2]["alt_deg"];
  EXPECT_GT(altitude, 60);
  EXPECT_TRUE(json["events"][4]["sun_above_horizon"].get<bool>());
  const double duration = json["central_duration_s"];
  EXPECT_GT(duration, 180);
  EXPECT_EQ(json["central_phase"]["certainty"], "certain");
  EXPECT_EQ(json["path"]["inside_path"], true);
  const double used = json["delta_t"]["used_s"];
  const double parts = json["delta_t"]["data_s"].get<double>() + json["delta_t"]["ephemeris_lag_s"].get<double>();
  EXPECT_NEAR(used, parts, 1e-6);

  const nlohmann::json chemnitz =
      nlohmann::json::parse(RunCliWith({"details", "12.08.2026", "--place", "Chemnitz, D", "--json"}).Out);
  ASSERT_EQ(chemnitz["horizon_events"].size(), 1u);
  EXPECT_EQ(chemnitz["horizon_events"][0]["event"], "sunset");
  EXPECT_TRUE(chemnitz["central_duration_s"].is_null());
  EXPECT_EQ(chemnitz["zone_offset_h"], 1.0);
  EXPECT_EQ(chemnitz["horizon_events"][0]["civil_time"], "2026-08-12T20:35:04+02:00");

  // Another zone chosen for the same place; before 1582 also the list's Julian-calendar date.
  const nlohmann::json tokyo = nlohmann::json::parse(
      RunCliWith({"details", "12.08.2026", "--place", "Chemnitz, D", "--tz", "Asia/Tokyo", "--json"}).Out);
  EXPECT_EQ(tokyo["horizon_events"][0]["civil_time"], "2026-08-13T03:35:04+09:00");
  const nlohmann::json medieval =
      nlohmann::json::parse(RunCliWith({"details", "17.06.1433", "--place", "Edinburgh, GB", "--json"}).Out);
  ASSERT_FALSE(medieval["events"].empty());
  const nlohmann::json& first = medieval["events"][0];
  EXPECT_EQ(first["ut"].get<std::string>().substr(0, 10), "1433-06-26");
  EXPECT_EQ(first["ut_julian_calendar"].get<std::string>().substr(0, 10), "1433-06-17");
  EXPECT_EQ(first["local_mean_time_of_zone"], true);
}

TEST(DetailsCommand, RejectsBadArguments) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"details"},
           {"details", "08.04.2024"},
           {"details", "08.04.2024", "--lat", "32.78"},
           {"details", "08.04.2024", "--place", "Chemnitz, D", "--xml"},
           {"details", "08.04.2024", "--place", "Chemnitz, D", "--tz", "Mars"},
           {"details", "31.02.2024", "--place", "Chemnitz, D"},
           {"details", "08.04.2024", "--place", "Chemnitz, D", "--place", "Dallas, USA"},
           {"details", "08.04.2024", "--lat", "1", "--lon", "2", "--lon", "3"},
           {"details", "08.04.2024", "--place", "M\xFCnchen"}}) {
    const CliResult run = RunCliWith(args);
    EXPECT_EQ(run.Status, 2) << args.size();
    EXPECT_TRUE(run.Out.empty());
    EXPECT_FALSE(run.Err.empty());
  }
  // A name that is not UTF-8 is echoed as it was looked up, not as raw bytes.
  EXPECT_NE(RunCliWith({"details", "08.04.2024", "--place", "M\xFCnchen"}).Err.find("\"M?nchen\""), std::string::npos);
  const CliResult noEclipse = RunCliWith({"details", "09.04.2024", "--place", "Chemnitz, D"});
  EXPECT_EQ(noEclipse.Status, 1);
}

}  // namespace
}  // namespace vellmora
