#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/cli_run.h"
#include "tests/support/text_fields.h"

namespace vellmora {
namespace {

// "-83°39" (UTF-8 degree sign) as degrees; the sign sits on the degrees, or on the minutes for 0 degrees.
double ReadDegreesMinutes(const std::string& field) {
  const std::size_t sign = field.find("\xC2\xB0");
  const int degrees = std::stoi(field.substr(0, sign));
  const int minutes = std::stoi(field.substr(sign + 2));
  return degrees < 0 ? degrees - minutes / 60.0 : degrees + minutes / 60.0;
}

// "2. Kontakt:  8. 4.2024  19:  9: 23 UT" -> seconds of the day.
int ContactSecond(const std::string& line) {
  const std::size_t clock = line.find(".2024") + 5;
  int hours = 0, minutes = 0, seconds = 0;
  char colon = 0;
  std::istringstream(line.substr(clock)) >> hours >> colon >> minutes >> colon >> seconds;
  return hours * 3600 + minutes * 60 + seconds;
}

struct PathPoint {
  double Latitude;
  double Longitude;
};

// The central-line rows that `show` prints before its first blank line.
std::vector<PathPoint> PathOf(const std::vector<std::string>& lines) {
  std::vector<PathPoint> path;
  for (const std::string& line : lines) {
    if (line.empty()) break;
    const std::vector<std::string> fields = SplitFields(line);
    if (fields.size() != 4) break;
    path.push_back({ReadDegreesMinutes(fields[1]), ReadDegreesMinutes(fields[2])});
  }
  return path;
}

TEST(ShowCommand, TotalEclipseSeenFromNorthWestOhio) {
  const CliResult shown = RunCliWith({"show", "08.04.2024", "--lat", "41.0341", "--lon", "-83.6523"});
  ASSERT_EQ(shown.Status, 0) << shown.Err;
  EXPECT_EQ(shown.Err, "");
  const std::vector<std::string> lines = OutputLines(shown.Out);

  // The path crosses North America from Mexico to the North Atlantic.
  const std::vector<PathPoint> path = PathOf(lines);
  ASSERT_GT(path.size(), 500u);
  const bool overMexico = std::any_of(path.begin(), path.end(), [](const PathPoint& p) {
    return std::fabs(p.Latitude - 23.5) < 1.5 && p.Longitude > -107 && p.Longitude < -103;
  });
  const bool overOhio = std::any_of(path.begin(), path.end(), [](const PathPoint& p) {
    return std::fabs(p.Latitude - 41) < 0.5 && p.Longitude > -85 && p.Longitude < -82;
  });
  EXPECT_TRUE(overMexico);
  EXPECT_TRUE(overOhio);

  const auto labels = std::find(lines.begin(), lines.end(), "Geografische Breite: 41.03\xC2\xB0");
  ASSERT_NE(labels, lines.end()) << shown.Out;
  ASSERT_GE(lines.end() - labels, 10);
  EXPECT_EQ(labels[1], "Geografische L\xC3\xA4nge: -83.65\xC2\xB0");
  EXPECT_EQ(labels[2], "Zeitzone bzgl. WT: 0h");
  EXPECT_EQ(labels[3], "");
  EXPECT_EQ(labels[4].rfind("Totale Finsternis", 0), 0u) << labels[4];
  EXPECT_EQ(labels[5].rfind("Maximum um 19:1", 0), 0u) << labels[5];
  for (int contact = 1; contact <= 4; ++contact) {
    EXPECT_EQ(labels[5 + contact].rfind(std::to_string(contact) + ". Kontakt:", 0), 0u) << labels[5 + contact];
  }
  // Totality in north-west Ohio from about 19:10:50 to 19:14:40 UT: the program's
  // contacts with Delta-T = 67.2 s (measured 69.2 s less the ephemeris lag), which
  // at Dallas fall within 10 s of the published ones (tests/validation/).
  const int second = ContactSecond(labels[7]);
  const int third = ContactSecond(labels[8]);
  EXPECT_NEAR(second, 19 * 3600 + 10 * 60 + 50, 20) << labels[7];
  EXPECT_NEAR(third, 19 * 3600 + 14 * 60 + 40, 20) << labels[8];
  EXPECT_GT(third - second, 180);
  EXPECT_LT(ContactSecond(labels[6]), second);
  EXPECT_GT(ContactSecond(labels[9]), third);
}

TEST(ShowCommand, NamedPlaceBelowTheHorizon) {
  const CliResult shown = RunCliWith({"show", "02.10.2024", "--place", "Chemnitz, D"});
  ASSERT_EQ(shown.Status, 0) << shown.Err;
  const std::vector<std::string> lines = OutputLines(shown.Out);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.back(), "Am Beobachtungsort nicht zu sehen");
  EXPECT_NE(std::find(lines.begin(), lines.end(), "Geografische Breite: 50.84\xC2\xB0"), lines.end());
}

TEST(SearchCommand, NumbersThePlacesNearThePath) {
  const CliResult searched = RunCliWith({"search", "08.04.2024"});
  ASSERT_EQ(searched.Status, 0) << searched.Err;
  const std::vector<std::string> found = OutputLines(searched.Out);
  ASSERT_GE(found.size(), 5u);
  ASSERT_LE(found.size(), 40u);

  const std::vector<PathPoint> path = PathOf(OutputLines(RunCliWith({"show", "08.04.2024"}).Out));
  ASSERT_FALSE(path.empty());
  for (std::size_t n = 0; n < found.size(); ++n) {
    const std::string number = std::to_string(n + 1) + " ";
    ASSERT_EQ(found[n].rfind(number, 0), 0u) << found[n];
    const std::string name = found[n].substr(number.size());
    // Each place lies within 5 degrees (|dlat| + |dlon|) of a central-line point.
    const std::vector<std::string> entries = OutputLines(RunCliWith({"places", name}).Out);
    const auto entry = std::find_if(entries.begin(), entries.end(),
                                    [&](const std::string& line) { return line.rfind(name + "\t", 0) == 0; });
    ASSERT_NE(entry, entries.end()) << name;
    const std::vector<std::string> fields = SplitFields(*entry);
    const double latitude = std::stod(fields[1]);
    const double longitude = std::stod(fields[2]);
    const bool nearThePath = std::any_of(path.begin(), path.end(), [&](const PathPoint& p) {
      return std::fabs(p.Latitude - latitude) + std::fabs(p.Longitude - longitude) < 5 + 2 / 60.0;
    });
    EXPECT_TRUE(nearThePath) << found[n];
  }
}

TEST(ShowAndSearchCommands, DateWithoutACentralEclipseFails) {
  // 25.10.2022 was a partial eclipse only; 01.01.2024 no eclipse at all.
  for (const char* command : {"show", "search"}) {
    for (const char* date : {"25.10.2022", "01.01.2024"}) {
      const CliResult result = RunCliWith({command, date});
      EXPECT_EQ(result.Status, 1) << command << ' ' << date;
      EXPECT_EQ(result.Out, "") << command << ' ' << date;
      EXPECT_NE(result.Err.find(date), std::string::npos) << result.Err;
    }
  }
}

TEST(ShowAndSearchCommands, BadArgumentsAreUsageErrors) {
  const std::vector<std::vector<std::string>> wrong = {
      {},
      {"31.02.2024"},
      {"2024-04-08"},
      {"08.04.2024", "--lat", "95", "--lon", "0"},
      {"08.04.2024", "--lat", "41"},
      {"08.04.2024", "--lon"},
      {"08.04.2024", "--place", "Xyzzy"},
      {"08.04.2024", "--place", "Chemnitz, D", "--lat", "1", "--lon", "2"},
      {"08.04.2024", "--bogus"},
  };
  for (const char* command : {"show", "search"}) {
    for (std::vector<std::string> args : wrong) {
      args.insert(args.begin(), command);
      const CliResult result = RunCliWith(args);
      EXPECT_EQ(result.Status, 2) << command << ' ' << args.size();
      EXPECT_EQ(result.Out, "");
      EXPECT_FALSE(result.Err.empty());
    }
  }
}

}  // namespace
}  // namespace vellmora
