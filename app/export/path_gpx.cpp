#include "app/export/path_export.h"
#include "app/export/path_lines.h"
#include "app/export/zone_table.h"
#include "civil/iso_time.h"
#include "text/format_number.h"

// GPX 1.1: the central line and the two limits as three tracks, one track
// segment for each unbroken run, each point with the step's instant
// (xsd:dateTime, proleptic Gregorian as the format prescribes).

namespace vellmora {
namespace {

constexpr int kCoordinateDecimals = 5;

std::string Track(const ExportedPath& path, PathLineKind kind, std::string_view part) {
  std::string gpx = "  <trk>\n    <name>" + XmlEscaped(PathPartTitle(path, part)) + "</name>\n";
  bool inSegment = false;
  for (const ZoneStep& step : path.Steps) {
    const std::optional<GeographicPoint> point = PointOnLine(step, kind);
    if (!point) {
      if (inSegment) gpx += "    </trkseg>\n";
      inSegment = false;
      continue;
    }
    if (!inSegment) gpx += "    <trkseg>\n";
    inSegment = true;
    gpx += "      <trkpt lat=\"" + FormatFixed(point->Latitude, kCoordinateDecimals) + "\" lon=\"" +
           FormatFixed(point->LongitudeEast, kCoordinateDecimals) + "\"><time>" + IsoUtc(step.Instant) +
           "</time></trkpt>\n";
  }
  if (inSegment) gpx += "    </trkseg>\n";
  return gpx + "  </trk>\n";
}

}  // namespace

std::string WritePathGpx(const ExportedPath& path) {
  std::string gpx =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<gpx version=\"1.1\" creator=\"Vellmora\" xmlns=\"http://www.topografix.com/GPX/1/1\">\n"
      "  <metadata><name>" +
      XmlEscaped(PathTitle(path)) + "</name></metadata>\n";
  gpx += Track(path, PathLineKind::Central, kCentralLineName);
  gpx += Track(path, PathLineKind::NorthernLimit, kNorthernLimitName);
  gpx += Track(path, PathLineKind::SouthernLimit, kSouthernLimitName);
  return gpx + "</gpx>\n";
}

}  // namespace vellmora
