#include "app/export/path_export.h"
#include "app/export/path_lines.h"
#include "app/export/xml_writer.h"
#include "app/export/zone_table.h"
#include "civil/iso_time.h"
#include "text/format_number.h"

// GPX 1.1: the central line and the two limits as three tracks, one track
// segment for each unbroken run, each point with the step's instant
// (xsd:dateTime, proleptic Gregorian as the format prescribes).

namespace vellmora {
namespace {

void WriteTrack(XmlWriter& gpx, const ExportedPath& path, PathLineKind kind, std::string_view part) {
  gpx.NewLine(2);
  gpx.Open("trk");
  gpx.NewLine(4);
  gpx.Element("name", PathPartTitle(path, part));
  bool inSegment = false;
  const auto endSegment = [&] {
    if (!inSegment) return;
    gpx.NewLine(4);
    gpx.Close();
    inSegment = false;
  };
  for (const ZoneStep& step : path.Steps) {
    const std::optional<GeographicPoint> point = PointOnLine(step, kind);
    if (!point) {
      endSegment();
      continue;
    }
    if (!inSegment) {
      gpx.NewLine(4);
      gpx.Open("trkseg");
    }
    inSegment = true;
    gpx.NewLine(6);
    gpx.Open("trkpt");
    gpx.Attribute("lat", FormatFixed(point->Latitude, kCoordinateDecimals));
    gpx.Attribute("lon", FormatFixed(point->LongitudeEast, kCoordinateDecimals));
    gpx.Element("time", IsoUtc(step.Instant));
    gpx.Close();
  }
  endSegment();
  gpx.NewLine(2);
  gpx.Close();
}

}  // namespace

std::string WritePathGpx(const ExportedPath& path) {
  XmlWriter gpx;
  gpx.Open("gpx");
  gpx.Attribute("version", "1.1");
  gpx.Attribute("creator", "Vellmora");
  gpx.Attribute("xmlns", "http://www.topografix.com/GPX/1/1");
  gpx.NewLine(2);
  gpx.Open("metadata");
  gpx.Element("name", PathTitle(path));
  gpx.Close();
  WriteTrack(gpx, path, PathLineKind::Central, kCentralLineName);
  WriteTrack(gpx, path, PathLineKind::NorthernLimit, kNorthernLimitName);
  WriteTrack(gpx, path, PathLineKind::SouthernLimit, kSouthernLimitName);
  gpx.NewLine(0);
  gpx.Close();
  return gpx.Finish();
}

}  // namespace vellmora
