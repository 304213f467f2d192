#include "app/export/path_export.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/export/path_lines.h"
#include "app/export/zone_table.h"
#include "ephem/timlib.h"

namespace vellmora {
namespace {

double InstantOf(int day, int month, int year, double hours) {
  return CenturiesFromMJD(ModifiedJulianDate(day, month, year, hours));
}

// A short made-up path: five steps a minute apart from 12:00 UT, the
// northern limit missing at the third.
ExportedPath MadeUpPath() {
  ExportedPath path{"total", "08.04.2024", {}, std::nullopt};
  for (int n = 0; n < 5; ++n) {
    ZoneStep step;
    step.Instant = InstantOf(8, 4, 2024, 12 + n / 60.0);
    step.Central = {10.0 + n, 20.0 + n};
    if (n != 2) step.NorthernLimit = GeographicPoint{11.0 + n, 20.0 + n};
    step.SouthernLimit = GeographicPoint{9.0 + n, 20.0 + n};
    if (n != 2) step.WidthKm = 222.4;
    step.CentralDurationSeconds = 120;
    path.Steps.push_back(step);
  }
  return path;
}

std::size_t Count(const std::string& text, const std::string& word) {
  std::size_t count = 0;
  for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) ++count;
  return count;
}

TEST(ZoneTable, RowsHoldFourDecimalDegreesAndEmptyFieldsForWhatIsMissing) {
  ZoneStep step;
  step.Instant = InstantOf(8, 4, 2024, 18 + 18 / 60.0 + 15 / 3600.0);
  step.Central = {25.85271, -103.35049};
  step.SouthernLimit = GeographicPoint{-0.00001, 0.5};
  step.CentralDurationSeconds = 272.25;
  EXPECT_EQ(
      ZoneTableRow(step, '\t'),
      "08.04.2024 18:18:15\t\t\t25.8527\t-103.3505\t0.0000\t0.5000\t\t272.2\t2024-04-08T18:18:15Z\t2460409.262674");
  EXPECT_EQ(ZoneTableHeader(','),
            "ut,north_lat,north_lon,central_lat,central_lon,south_lat,south_lon,width_km,duration_s,ut_iso,jd_ut");
}

TEST(ZoneTable, InstantsRoundToTheSecondAndCarryIntoTheNextDay) {
  EXPECT_EQ(FormatStepInstant(InstantOf(31, 12, 2024, 24 - 0.4 / 3600)), "01.01.2025 00:00:00");
  EXPECT_EQ(FormatStepInstant(InstantOf(8, 4, 2024, 18 + 0.6 / 3600)), "08.04.2024 18:00:01");
  // The calendar of the eclipse list: Julian before 15 October 1582.
  EXPECT_EQ(FormatStepInstant(InstantOf(1, 3, 1500, 12)), "01.03.1500 12:00:00");
}

TEST(PathLines, AMissingLimitBreaksItsLineAndOnlyItsLine) {
  const ExportedPath path = MadeUpPath();
  EXPECT_EQ(PathLines(path.Steps, PathLineKind::Central).size(), 1u);
  const std::vector<PathLine> northern = PathLines(path.Steps, PathLineKind::NorthernLimit);
  ASSERT_EQ(northern.size(), 2u);
  EXPECT_EQ(northern[0].size(), 2u);
  EXPECT_EQ(northern[1].size(), 2u);
  // The zone: one ring for each run with both limits, closed.
  const std::vector<PathLine> rings = ZoneRings(path.Steps);
  ASSERT_EQ(rings.size(), 2u);
  EXPECT_EQ(rings[0].size(), 5u);
  EXPECT_EQ(rings[0].front().Latitude, rings[0].back().Latitude);
  EXPECT_EQ(rings[0][1].Latitude, 12);  // along the northern limit,
  EXPECT_EQ(rings[0][2].Latitude, 10);  // back along the southern one
}

TEST(PathLines, ALineIsCutWhereItCrossesThe180thMeridian) {
  const std::vector<PathLine> pieces = SplitLineAtAntimeridian({{10, 170}, {12, 179}, {14, -179}, {16, -170}});
  ASSERT_EQ(pieces.size(), 2u);
  ASSERT_EQ(pieces[0].size(), 3u);
  EXPECT_DOUBLE_EQ(pieces[0].back().LongitudeEast, 180);
  EXPECT_DOUBLE_EQ(pieces[0].back().Latitude, 13);
  ASSERT_EQ(pieces[1].size(), 3u);
  EXPECT_DOUBLE_EQ(pieces[1].front().LongitudeEast, -180);
  EXPECT_DOUBLE_EQ(pieces[1].front().Latitude, 13);
  // Westwards too.
  const std::vector<PathLine> back = SplitLineAtAntimeridian({{0, -175}, {0, 175}});
  ASSERT_EQ(back.size(), 2u);
  EXPECT_DOUBLE_EQ(back[0].back().LongitudeEast, -180);
  EXPECT_DOUBLE_EQ(back[1].front().LongitudeEast, 180);
  EXPECT_EQ(SplitLineAtAntimeridian({{0, 10}, {1, 20}}).size(), 1u);
}

TEST(PathLines, ARingOverThe180thMeridianBecomesTwoClosedRings) {
  const PathLine square{{0, 170}, {0, -170}, {10, -170}, {10, 170}, {0, 170}};
  const std::vector<PathLine> pieces = SplitRingAtAntimeridian(square);
  ASSERT_EQ(pieces.size(), 2u);
  for (const PathLine& piece : pieces) {
    ASSERT_GE(piece.size(), 4u);
    EXPECT_EQ(piece.front().Latitude, piece.back().Latitude);
    EXPECT_EQ(piece.front().LongitudeEast, piece.back().LongitudeEast);
    double west = 180;
    double east = -180;
    for (const GeographicPoint& point : piece) {
      EXPECT_LE(std::abs(point.LongitudeEast), 180);
      west = std::min(west, point.LongitudeEast);
      east = std::max(east, point.LongitudeEast);
    }
    EXPECT_DOUBLE_EQ(east - west, 10);  // 170..180 and -180..-170
  }
  const PathLine inside{{0, 10}, {0, 20}, {10, 20}, {0, 10}};
  const std::vector<PathLine> whole = SplitRingAtAntimeridian(inside);
  ASSERT_EQ(whole.size(), 1u);
  EXPECT_EQ(whole[0].size(), inside.size());
}

TEST(PathExport, CsvHasTheColumnsOfTheZoneTable) {
  const ExportedPath path = MadeUpPath();
  const std::string csv = WritePathCsv(path);
  EXPECT_EQ(csv.substr(0, csv.find("\r\n")), ZoneTableHeader(','));
  EXPECT_EQ(Count(csv, "\r\n"), path.Steps.size() + 1);
  EXPECT_NE(
      csv.find(
          "\r\n08.04.2024 12:02:00,,,12.0000,22.0000,11.0000,22.0000,,120.0,2024-04-08T12:02:00Z,2460409.001389\r\n"),
      std::string::npos)
      << csv;
}

TEST(PathExport, KmlNamesTheLinesWithTheEclipsesDateAndKind) {
  const std::string kml = WritePathKml(MadeUpPath());
  EXPECT_EQ(kml.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kml xmlns=\"http://www.opengis.net/kml/2.2\">", 0),
            0u);
  EXPECT_EQ(Count(kml, "<Placemark>"), 4u);
  EXPECT_NE(kml.find("<name>Sonnenfinsternis 08.04.2024 (total): Zentrallinie</name>"), std::string::npos);
  EXPECT_NE(kml.find("<name>Sonnenfinsternis 08.04.2024 (total): N\xC3\xB6rdliche Grenze</name>"), std::string::npos);
  EXPECT_NE(kml.find("<name>Sonnenfinsternis 08.04.2024 (total): S\xC3\xBC"
                     "dliche Grenze</name>"),
            std::string::npos);
  // Central line 1, northern limit 2 (broken), southern limit 1; two zone rings.
  EXPECT_EQ(Count(kml, "<LineString>"), 4u);
  EXPECT_EQ(Count(kml, "<Polygon>"), 2u);
  EXPECT_NE(kml.find("<coordinates>20.00000,10.00000 21.00000,11.00000 22.00000,12.00000"), std::string::npos);
}

TEST(PathExport, GpxHasThreeTracksWithTheStepsInstants) {
  ExportedPath path = MadeUpPath();
  path.Kind = "ringf\xF6rmig & mehr";
  const std::string gpx = WritePathGpx(path);
  EXPECT_EQ(Count(gpx, "<trk>"), 3u);
  EXPECT_EQ(Count(gpx, "<trkseg>"), 4u);
  EXPECT_EQ(Count(gpx, "<trkpt "), 5u + 4u + 5u);
  EXPECT_NE(gpx.find("<trkpt lat=\"10.00000\" lon=\"20.00000\"><time>2024-04-08T12:00:00Z</time></trkpt>"),
            std::string::npos);
  EXPECT_NE(gpx.find("<name>Sonnenfinsternis 08.04.2024 (ringf\xC3\xB6rmig &amp; mehr)</name>"), std::string::npos);
  // xsd:dateTime is proleptic Gregorian: 1 March 1500 (Julian) is 11 March.
  path.Steps.resize(1);
  path.Steps[0].Instant = InstantOf(1, 3, 1500, 12);
  EXPECT_NE(WritePathGpx(path).find("<time>1500-03-11T12:00:00Z</time>"), std::string::npos);
}

TEST(PathExport, FormatsByName) {
  EXPECT_EQ(PathFormatNamed("kml"), PathFormat::Kml);
  EXPECT_EQ(PathFormatNamed("gpx"), PathFormat::Gpx);
  EXPECT_EQ(PathFormatNamed("csv"), PathFormat::Csv);
  EXPECT_FALSE(PathFormatNamed("KML"));
  EXPECT_FALSE(PathFormatNamed(""));
  EXPECT_EQ(WritePath(MadeUpPath(), PathFormat::Gpx), WritePathGpx(MadeUpPath()));
}

TEST(PathExport, TheSelectedEclipseGivesItsPath) {
  const Selection selection(ChosenEclipse{EclipseKind::Total, {8, 4, 2024, 18 + 18 / 60.0 + 54 / 3600.0}}, {});
  const ExportedPath path = ExportedPathOf(selection);
  EXPECT_EQ(path.Kind, "total");
  EXPECT_EQ(path.Date, "08.04.2024");
  EXPECT_GT(path.Steps.size(), 700u);
}

}  // namespace
}  // namespace vellmora
