#include "app/export/path_export.h"
#include "app/export/path_lines.h"
#include "app/export/xml_writer.h"
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

// Colours aabbggrr: the yellow of the path on the globe, the zone translucent.
void WriteStyles(XmlWriter& kml) {
  for (const auto& [id, width] : {std::pair{"central", "2"}, std::pair{"limit", "1"}}) {
    kml.NewLine(2);
    kml.Open("Style");
    kml.Attribute("id", id);
    kml.Open("LineStyle");
    kml.Element("color", "ff00ffff");
    kml.Element("width", width);
    kml.Close();
    kml.Close();
  }
  kml.NewLine(2);
  kml.Open("Style");
  kml.Attribute("id", "zone");
  kml.Open("LineStyle");
  kml.Element("width", "0");
  kml.Close();
  kml.Open("PolyStyle");
  kml.Element("color", "5000ffff");
  kml.Close();
  kml.Close();
}

// A Placemark with its name, the time the shadow takes over the path (from
// its first to its last step), its style and an open MultiGeometry.
void OpenPlacemark(XmlWriter& kml, const ExportedPath& path, std::string_view part, std::string_view style) {
  kml.NewLine(2);
  kml.Open("Placemark");
  kml.NewLine(4);
  kml.Element("name", PathPartTitle(path, part));
  if (!path.Steps.empty()) {
    kml.NewLine(4);
    kml.Open("TimeSpan");
    kml.Element("begin", IsoUtc(path.Steps.front().Instant));
    kml.Element("end", IsoUtc(path.Steps.back().Instant));
    kml.Close();
  }
  kml.NewLine(4);
  kml.Element("styleUrl", std::string("#").append(style));
  kml.NewLine(4);
  kml.Open("MultiGeometry");
}

void ClosePlacemark(XmlWriter& kml) {
  kml.NewLine(4);
  kml.Close();
  kml.NewLine(2);
  kml.Close();
}

void WriteLineString(XmlWriter& kml, const PathLine& line) {
  kml.NewLine(6);
  kml.Open("LineString");
  kml.Element("tessellate", "1");
  kml.Element("coordinates", Coordinates(line));
  kml.Close();
}

void WriteLinePlacemark(XmlWriter& kml, const ExportedPath& path, PathLineKind kind, std::string_view part,
                        std::string_view style) {
  OpenPlacemark(kml, path, part, style);
  for (const PathLine& line : PathLines(path.Steps, kind)) {
    for (const PathLine& piece : SplitLineAtAntimeridian(line)) WriteLineString(kml, piece);
  }
  ClosePlacemark(kml);
}

void WriteZonePlacemark(XmlWriter& kml, const ExportedPath& path) {
  OpenPlacemark(kml, path, kZoneName, "zone");
  for (const PathLine& ring : ZoneRings(path.Steps)) {
    for (const PathLine& piece : SplitRingAtAntimeridian(ring)) {
      kml.NewLine(6);
      kml.Open("Polygon");
      kml.Element("tessellate", "1");
      kml.Open("outerBoundaryIs");
      kml.Open("LinearRing");
      kml.Element("coordinates", Coordinates(piece));
      kml.Close();
      kml.Close();
      kml.Close();
    }
  }
  ClosePlacemark(kml);
}

}  // namespace

std::string WritePathKml(const ExportedPath& path) {
  XmlWriter kml;
  kml.Open("kml");
  kml.Attribute("xmlns", "http://www.opengis.net/kml/2.2");
  kml.NewLine(0);
  kml.Open("Document");
  kml.NewLine(2);
  kml.Element("name", PathTitle(path));
  WriteStyles(kml);
  WriteLinePlacemark(kml, path, PathLineKind::Central, kCentralLineName, "central");
  WriteLinePlacemark(kml, path, PathLineKind::NorthernLimit, kNorthernLimitName, "limit");
  WriteLinePlacemark(kml, path, PathLineKind::SouthernLimit, kSouthernLimitName, "limit");
  WriteZonePlacemark(kml, path);
  kml.NewLine(0);
  kml.Close();
  kml.NewLine(0);
  kml.Close();
  return kml.Finish();
}

}  // namespace vellmora
