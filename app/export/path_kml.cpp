#include "app/export/path_export.h"
#include "app/export/path_lines.h"
#include "app/export/zone_table.h"
#include "civil/iso_time.h"
#include "text/format_number.h"

// KML 2.2: one Placemark per line with a MultiGeometry of LineStrings, and one
// for the zone with its Polygons, each with the TimeSpan of the path;
// coordinates "longitude,latitude" in degrees.

namespace vellmora {
namespace {

constexpr int kCoordinateDecimals = 5;

std::string Coordinates(const PathLine& line) {
  std::string text;
  for (const GeographicPoint& point : line) {
    if (!text.empty()) text += ' ';
    text +=
        FormatFixed(point.LongitudeEast, kCoordinateDecimals) + ',' + FormatFixed(point.Latitude, kCoordinateDecimals);
  }
  return text;
}

// The time the shadow takes over the path, from its first to its last step.
std::string TimeSpan(const ExportedPath& path) {
  if (path.Steps.empty()) return "";
  return "    <TimeSpan><begin>" + IsoUtc(path.Steps.front().Instant) + "</begin><end>" +
         IsoUtc(path.Steps.back().Instant) + "</end></TimeSpan>\n";
}

std::string PlacemarkStart(const ExportedPath& path, std::string_view part, std::string_view style) {
  return "  <Placemark>\n    <name>" + XmlEscaped(PathPartTitle(path, part)) + "</name>\n" + TimeSpan(path) +
         "    <styleUrl>#" + std::string(style) + "</styleUrl>\n    <MultiGeometry>\n";
}

constexpr std::string_view kPlacemarkEnd = "    </MultiGeometry>\n  </Placemark>\n";

std::string LinePlacemark(const ExportedPath& path, PathLineKind kind, std::string_view part, std::string_view style) {
  std::string kml = PlacemarkStart(path, part, style);
  for (const PathLine& line : PathLines(path.Steps, kind)) {
    for (const PathLine& piece : SplitLineAtAntimeridian(line)) {
      kml += "      <LineString><tessellate>1</tessellate><coordinates>" + Coordinates(piece) +
             "</coordinates></LineString>\n";
    }
  }
  return kml + std::string(kPlacemarkEnd);
}

std::string ZonePlacemark(const ExportedPath& path) {
  std::string kml = PlacemarkStart(path, kZoneName, "zone");
  for (const PathLine& ring : ZoneRings(path.Steps)) {
    for (const PathLine& piece : SplitRingAtAntimeridian(ring)) {
      kml += "      <Polygon><tessellate>1</tessellate><outerBoundaryIs><LinearRing><coordinates>" +
             Coordinates(piece) + "</coordinates></LinearRing></outerBoundaryIs></Polygon>\n";
    }
  }
  return kml + std::string(kPlacemarkEnd);
}

// Colours aabbggrr: the yellow of the path on the globe, the zone translucent.
constexpr std::string_view kStyles =
    "  <Style id=\"central\"><LineStyle><color>ff00ffff</color><width>2</width></LineStyle></Style>\n"
    "  <Style id=\"limit\"><LineStyle><color>ff00ffff</color><width>1</width></LineStyle></Style>\n"
    "  <Style id=\"zone\"><LineStyle><width>0</width></LineStyle>"
    "<PolyStyle><color>5000ffff</color></PolyStyle></Style>\n";

}  // namespace

std::string WritePathKml(const ExportedPath& path) {
  std::string kml =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n<Document>\n  <name>" +
      XmlEscaped(PathTitle(path)) + "</name>\n" + std::string(kStyles);
  kml += LinePlacemark(path, PathLineKind::Central, kCentralLineName, "central");
  kml += LinePlacemark(path, PathLineKind::NorthernLimit, kNorthernLimitName, "limit");
  kml += LinePlacemark(path, PathLineKind::SouthernLimit, kSouthernLimitName, "limit");
  kml += ZonePlacemark(path);
  return kml + "</Document>\n</kml>\n";
}

}  // namespace vellmora
