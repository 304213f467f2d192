#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/cli_run.h"
#include "tests/support/text_fields.h"

namespace vellmora {
namespace {

std::size_t Count(const std::string& text, const std::string& word) {
  std::size_t count = 0;
  for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) ++count;
  return count;
}

// Runs a shell command; its standard output and exit status.
struct ToolRun {
  int Status;
  std::string Out;
};

ToolRun RunTool(const std::string& command) {
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  std::string out;
  char buffer[4096];
  for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, got);
  const int status = pclose(pipe);
  return {status, out};
}

std::string ReadFile(const std::filesystem::path& file) {
  std::ifstream stream(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(stream), {}};
}

// Coordinates written in the KML's LineStrings (the lines gpsbabel reads as tracks).
std::size_t LineStringPoints(const std::string& kml) {
  std::size_t points = 0;
  const std::string start = "<LineString><tessellate>1</tessellate><coordinates>";
  for (std::size_t at = kml.find(start); at != std::string::npos; at = kml.find(start, at + 1)) {
    const std::size_t from = at + start.size();
    const std::string coordinates = kml.substr(from, kml.find('<', from) - from);
    points += Count(coordinates, " ") + 1;
  }
  return points;
}

class ExportFiles : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() / ("vellmora-export-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::filesystem::path Export(const std::string& date, const std::string& format) {
    const std::filesystem::path file = folder_ / (date + "." + format);
    const CliResult run = RunCliWith({"export", date, "--format", format, "-o", file.string()});
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_TRUE(run.Out.empty());
    return file;
  }

  std::filesystem::path folder_;
};

TEST(LimitsCommand, PrintsAHeaderAndOneTabSeparatedLinePerCentralStep) {
  const CliResult run = RunCliWith({"limits", "08.04.2024"});
  ASSERT_EQ(run.Status, 0) << run.Err;
  const std::vector<std::string> lines = OutputLines(run.Out);
  ASSERT_GT(lines.size(), 700u);
  EXPECT_EQ(
      lines[0],
      "ut\tnorth_lat\tnorth_lon\tcentral_lat\tcentral_lon\tsouth_lat\tsouth_lon\twidth_km\tduration_s\tut_iso\tjd_ut");
  bool greatest = false;
  for (std::size_t n = 1; n < lines.size(); ++n) {
    const std::vector<std::string> fields = SplitFields(lines[n], '\t');
    ASSERT_EQ(fields.size(), 11u) << lines[n];
    EXPECT_EQ(fields[0].size(), 19u);                                    // DD.MM.YYYY HH:MM:SS
    EXPECT_EQ(fields[3].size() - fields[3].find('.'), 5u) << fields[3];  // 4 decimals
    if (!fields[7].empty()) {
      EXPECT_EQ(fields[7].size() - fields[7].find('.'), 2u) << fields[7];
    }
    // Near greatest eclipse (18:17 UT, 25.3 N 104.1 W) the path is about 198 km wide.
    if (fields[0] == "08.04.2024 18:17:15") {
      greatest = true;
      EXPECT_EQ(fields[9], "2024-04-08T18:17:15Z");
      EXPECT_NEAR(std::stod(fields[7]), 198, 5);
      EXPECT_NEAR(std::stod(fields[3]), 25.4, 0.3);
      EXPECT_NEAR(std::stod(fields[4]), -104.0, 0.5);
    }
  }
  EXPECT_TRUE(greatest);
  // The path starts at sunrise in the Pacific, where the northern limit is not yet on the Earth.
  EXPECT_EQ(SplitFields(lines[1], '\t')[1], "");
}

TEST(LimitsCommand, WrongArgumentsAndDatesWithoutACentralEclipse) {
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{"limits"}, {"limits", "31.02.2024"}, {"limits", "08.04.2024", "extra"}}) {
    const CliResult run = RunCliWith(args);
    EXPECT_EQ(run.Status, 2) << args.size();
    EXPECT_TRUE(run.Out.empty());
    EXPECT_FALSE(run.Err.empty());
  }
  // The shadow axis misses the Earth: the header alone, and the notice of show.
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{"limits", "30.04.1957"}, {"export", "30.04.1957", "--format", "csv"}}) {
    const CliResult missing = RunCliWith(args);
    EXPECT_EQ(missing.Status, 0);
    EXPECT_EQ(missing.Err, RunCliWith({"show", "30.04.1957"}).Err) << args[0];
    EXPECT_EQ(OutputLines(missing.Out).size(), 1u) << args[0];
  }
  const CliResult none = RunCliWith({"limits", "09.04.2024"});
  EXPECT_EQ(none.Status, 1);
  EXPECT_EQ(none.Err, "no annular, annular-total or total eclipse on 09.04.2024\n");
}

TEST(ExportCommand, WritesToStandardOutputWithoutAFile) {
  const CliResult csv = RunCliWith({"export", "08.04.2024", "--format", "csv"});
  ASSERT_EQ(csv.Status, 0) << csv.Err;
  const CliResult limits = RunCliWith({"limits", "08.04.2024"});
  // The same table, comma-separated with CR LF.
  std::string asTable = csv.Out;
  for (char& c : asTable) {
    if (c == ',') c = '\t';
  }
  std::string withoutCr;
  for (const char c : asTable) {
    if (c != '\r') withoutCr += c;
  }
  EXPECT_EQ(withoutCr, limits.Out);
}

TEST(ExportCommand, WrongArguments) {
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{"export", "08.04.2024"},
                                             {"export", "08.04.2024", "--format"},
                                             {"export", "08.04.2024", "--format", "shp"},
                                             {"export", "08.04.2024", "--format", "kml", "-o"},
                                             {"export", "08.04.2024", "--format", "kml", "--zone"},
                                             {"export", "08.04.2024", "--format", "kml", "--format", "gpx"},
                                             {"export", "08.04.2024", "--format", "gpx", "--visibility"}}) {
    const CliResult run = RunCliWith(args);
    EXPECT_EQ(run.Status, 2) << args.back();
    EXPECT_TRUE(run.Out.empty());
  }
  const CliResult unwritable = RunCliWith({"export", "08.04.2024", "--format", "kml", "-o", "/nonexistent/path.kml"});
  EXPECT_EQ(unwritable.Status, 1);
  EXPECT_EQ(unwritable.Err, "cannot write \"/nonexistent/path.kml\": No such file or directory\n");
}

// 8 April 2024, and 13 November 2012, whose path crosses the 180th meridian.
TEST_F(ExportFiles, GpsbabelReadsEveryPointOfTheKmlAndGpxBack) {
  for (const std::string date : {"08.04.2024", "13.11.2012"}) {
    const std::filesystem::path kml = Export(date, "kml");
    const std::filesystem::path gpx = Export(date, "gpx");
    for (const std::filesystem::path& file : {kml, gpx}) {
      const ToolRun lint = RunTool("xmllint --noout '" + file.string() + "'");
      EXPECT_EQ(lint.Status, 0) << file << ": " << lint.Out;
    }
    const ToolRun kmlBack = RunTool("gpsbabel -t -i kml -f '" + kml.string() + "' -o unicsv -F -");
    ASSERT_EQ(kmlBack.Status, 0) << kmlBack.Out;
    const std::size_t kmlPoints = LineStringPoints(ReadFile(kml));
    EXPECT_GT(kmlPoints, 1000u);
    EXPECT_EQ(OutputLines(kmlBack.Out).size(), kmlPoints + 1) << date;  // and a header

    const ToolRun gpxBack = RunTool("gpsbabel -t -i gpx -f '" + gpx.string() + "' -o unicsv -F -");
    ASSERT_EQ(gpxBack.Status, 0) << gpxBack.Out;
    const std::vector<std::string> rows = OutputLines(gpxBack.Out);
    const std::string written = ReadFile(gpx);
    EXPECT_EQ(rows.size(), Count(written, "<trkpt ") + 1) << date;
    ASSERT_GT(rows.size(), 1u);
    EXPECT_EQ(rows[0], "No,Latitude,Longitude,Date,Time\r");
    // The first point with its position and instant, as written.
    const std::size_t lat = written.find("<trkpt lat=\"") + 12;
    const std::vector<std::string> first = SplitFields(rows[1], ',');
    ASSERT_EQ(first.size(), 5u) << rows[1];
    EXPECT_DOUBLE_EQ(std::stod(first[1]), std::stod(written.substr(lat, written.find('"', lat) - lat)));
    EXPECT_EQ(first[3], date.substr(6, 4) + "/" + date.substr(3, 2) + "/" + date.substr(0, 2));
  }
}

TEST_F(ExportFiles, TheKmlZoneOverThe180thMeridianStaysWithinItsRange) {
  const std::string kml = ReadFile(Export("13.11.2012", "kml"));
  EXPECT_GE(Count(kml, "<Polygon>"), 2u);
  EXPECT_GE(Count(kml, "180.00000,"), 4u);  // the cut on both sides, in lines and zone
  EXPECT_EQ(kml.find("180.00001"), std::string::npos);
  EXPECT_EQ(Count(kml, "<Placemark>"), 4u);
  EXPECT_NE(kml.find("<name>Sonnenfinsternis 13.11.2012 (total)</name>"), std::string::npos);
}

// 10 June 2021: the annular zone holds the North Pole (the southern limit
// passes it on the far side), so the zone is closed over the pole.
TEST_F(ExportFiles, AZoneThatHoldsAPoleIsClosedOverIt) {
  const std::string kml = ReadFile(Export("10.06.2021", "kml"));
  const std::string polygon = kml.substr(kml.find("<Polygon>"));
  EXPECT_GE(Count(polygon, "<Polygon>"), 1u);
  EXPECT_GE(Count(polygon, ",90.00000"), 2u);
  std::istringstream coordinates(polygon);
  for (std::string word; coordinates >> word;) {
    const std::size_t comma = word.find(',');
    if (comma == std::string::npos || word.find('<') != std::string::npos) continue;
    EXPECT_LE(std::abs(std::stod(word.substr(0, comma))), 180) << word;
  }
  EXPECT_EQ(RunTool("xmllint --noout '" + (folder_ / "10.06.2021.kml").string() + "'").Status, 0);
}

// The path and the map of visibility as one GeoJSON FeatureCollection: the
// curves by their German names, positions within range (13 November 2012
// crosses the 180th meridian), outer rings anticlockwise and closed, and
// gpsbabel reads every point of the lines back.
TEST_F(ExportFiles, GeoJsonCarriesThePathAndTheMapOfVisibility) {
  for (const std::string date : {"08.04.2024", "13.11.2012"}) {
    const std::filesystem::path file = folder_ / (date + ".geojson");
    const CliResult run = RunCliWith({"export", date, "--format", "geojson", "--visibility", "-o", file.string()});
    ASSERT_EQ(run.Status, 0) << run.Err;
    const nlohmann::json collection = nlohmann::json::parse(ReadFile(file));
    EXPECT_EQ(collection["type"], "FeatureCollection");
    std::vector<std::string> names;
    std::size_t linePositions = 0;
    for (const nlohmann::json& feature : collection["features"]) {
      names.push_back(feature["properties"]["name"]);
      const nlohmann::json& geometry = feature["geometry"];
      auto inRange = [&](const nlohmann::json& position) {
        EXPECT_LE(std::abs(position[0].get<double>()), 180) << names.back();
        EXPECT_LE(std::abs(position[1].get<double>()), 90) << names.back();
      };
      if (geometry["type"] == "MultiLineString") {
        for (const nlohmann::json& line : geometry["coordinates"]) {
          linePositions += line.size();
          for (const nlohmann::json& position : line) inRange(position);
        }
      } else if (geometry["type"] == "MultiPolygon") {
        for (const nlohmann::json& polygon : geometry["coordinates"]) {
          const nlohmann::json& ring = polygon[0];
          EXPECT_EQ(ring.front(), ring.back());
          double area = 0;
          for (std::size_t n = 0; n + 1 < ring.size(); ++n) {
            inRange(ring[n]);
            area += ring[n][0].get<double>() * ring[n + 1][1].get<double>() -
                    ring[n + 1][0].get<double>() * ring[n][1].get<double>();
          }
          EXPECT_GT(area, 0) << "anticlockwise";
        }
      }
    }
    const std::string title = "Sonnenfinsternis " + date + " (total): ";
    for (const char* part : {"Zentrallinie", "Zone der zentralen Finsternis", "Größte Phase 0.6",
                             "Punkt der größten Finsternis", "Maximum bei Sonnenuntergang"}) {
      EXPECT_NE(std::find(names.begin(), names.end(), title + part), names.end()) << date << ": " << part;
    }
    const ToolRun back = RunTool("gpsbabel -t -i geojson -f '" + file.string() + "' -o unicsv -F -");
    ASSERT_EQ(back.Status, 0) << back.Out;
    EXPECT_EQ(OutputLines(back.Out).size(), linePositions + 1) << date;
  }
}

// The map of visibility in KML: the same curves by name, and as many lines,
// as in the GeoJSON export, every point read back by gpsbabel, and the point of
// greatest eclipse where NASA's catalogue puts it (tests/data/validation,
// rounded to 0.1 degree; for the partial eclipse of 2022 on the limb, where a
// grazing shadow axis moves it fast).
TEST_F(ExportFiles, KmlCarriesTheMapOfVisibility) {
  struct Case {
    std::string Date;
    std::size_t Placemarks;  // the path's four, the curves' and the point's
    double Latitude, Longitude, Tolerance;
  };
  for (const Case& c : {Case{"12.08.2026", 16, 65.2, -25.2, 0.15}, Case{"08.04.2024", 17, 25.3, -104.1, 0.15},
                        Case{"25.10.2022", 16, 61.6, 77.4, 0.25}}) {
    const std::filesystem::path file = folder_ / (c.Date + ".kml");
    const CliResult run = RunCliWith({"export", c.Date, "--format", "kml", "--visibility", "-o", file.string()});
    ASSERT_EQ(run.Status, 0) << run.Err;
    const std::string kml = ReadFile(file);
    EXPECT_EQ(RunTool("xmllint --noout '" + file.string() + "'").Status, 0) << c.Date;
    EXPECT_EQ(Count(kml, "<Placemark>"), c.Placemarks) << c.Date;

    const nlohmann::json geoJson =
        nlohmann::json::parse(RunCliWith({"export", c.Date, "--format", "geojson", "--visibility"}).Out);
    std::size_t geoJsonLines = 0;
    for (const nlohmann::json& feature : geoJson["features"]) {
      const std::string name = feature["properties"]["name"];
      EXPECT_NE(kml.find("<name>" + name + "</name>"), std::string::npos) << name;
      if (feature["geometry"]["type"] == "MultiLineString") geoJsonLines += feature["geometry"]["coordinates"].size();
    }
    EXPECT_EQ(Count(kml, "<LineString>"), geoJsonLines) << c.Date;

    const ToolRun tracks = RunTool("gpsbabel -t -i kml -f '" + file.string() + "' -o unicsv -F -");
    ASSERT_EQ(tracks.Status, 0) << tracks.Out;
    EXPECT_EQ(OutputLines(tracks.Out).size(), LineStringPoints(kml) + 1) << c.Date;
    const ToolRun points = RunTool("gpsbabel -w -i kml -f '" + file.string() + "' -o unicsv -F -");
    const std::vector<std::string> rows = OutputLines(points.Out);
    ASSERT_EQ(rows.size(), 2u) << points.Out;
    const std::vector<std::string> greatest = SplitFields(rows[1], ',');
    ASSERT_GE(greatest.size(), 4u) << rows[1];
    EXPECT_NEAR(std::stod(greatest[1]), c.Latitude, c.Tolerance) << c.Date;
    EXPECT_NEAR(std::stod(greatest[2]), c.Longitude, c.Tolerance) << c.Date;
    EXPECT_NE(greatest[3].find("Punkt der gr\xC3\xB6\xC3\x9Ften Finsternis"), std::string::npos) << rows[1];
  }
}

}  // namespace
}  // namespace vellmora
