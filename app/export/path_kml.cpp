#include <algorithm>
#include <cstdio>

#include "app/export/path_export.h"
#include "app/export/path_lines.h"
#include "app/export/xml_writer.h"
#include "app/export/zone_table.h"
#include "app/globe/visibility_painter.h"
#include "civil/iso_time.h"
#include "text/format_number.h"

// KML 2.2: one Placemark per line with a MultiGeometry of LineStrings, and one
// for the zone with its Polygons, each with the TimeSpan of the path; with the
// map of visibility also one Placemark per curve, in the globe's colours, and
// the point of greatest eclipse. Coordinates "longitude,latitude" in degrees.

namespace vellmora {
namespace {

std::string Coordinates(const PathLine& line) {
  std::string text;
  for (const GeographicPoint& point : line) {
    if (!text.empty()) text += ' ';
    text +=
        FormatFixed(point.LongitudeEast, kCoordinateDecimals) + ',' + FormatFixed(point.Latitude, kCoordinateDecimals);
  }
  return text;
}

// An opaque colour as KML writes it, aabbggrr.
std::string KmlColour(Rgb colour) {
  char text[9];
  std::snprintf(text, sizeof text, "ff%02x%02x%02x", colour.Blue, colour.Green, colour.Red);
  return text;
}

void WriteLineStyle(XmlWriter& kml, std::string_view id, std::string_view colour, std::string_view width) {
  kml.NewLine(2);
  kml.Open("Style");
  kml.Attribute("id", id);
  kml.Open("LineStyle");
  kml.Element("color", colour);
  kml.Element("width", width);
  kml.Close();
  kml.Close();
}

// The yellow of the path on the globe, the zone translucent.
void WritePathStyles(XmlWriter& kml) {
  WriteLineStyle(kml, "central", "ff00ffff", "2");
  WriteLineStyle(kml, "limit", "ff00ffff", "1");
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

// A style for each kind of curve on the map, named as the kind.
void WriteVisibilityStyles(XmlWriter& kml, const std::vector<NamedVisibilityCurve>& curves) {
  std::vector<VisibilityCurveKind> written;
  for (const NamedVisibilityCurve& curve : curves) {
    if (std::find(written.begin(), written.end(), curve.Kind) != written.end()) continue;
    written.push_back(curve.Kind);
    WriteLineStyle(kml, VisibilityCurveKindName(curve.Kind), KmlColour(VisibilityCurveColour(curve.Kind)),
                   std::to_string(VisibilityCurveWidth(curve.Kind)));
  }
}

// A Placemark with its name (UTF-8), the time the shadow takes over the path
// (from its first to its last step, none without steps) and its style.
void OpenPlacemark(XmlWriter& kml, std::string_view name, const std::vector<ZoneStep>& steps, std::string_view style) {
  kml.NewLine(2);
  kml.Open("Placemark");
  kml.NewLine(4);
  kml.Element("name", name);
  if (!steps.empty()) {
    kml.NewLine(4);
    kml.Open("TimeSpan");
    kml.Element("begin", IsoUtc(steps.front().Instant));
    kml.Element("end", IsoUtc(steps.back().Instant));
    kml.Close();
  }
  if (!style.empty()) {
    kml.NewLine(4);
    kml.Element("styleUrl", std::string("#").append(style));
  }
}

// Closes the Placemark's geometry and the Placemark.
void ClosePlacemark(XmlWriter& kml) {
  kml.NewLine(4);
  kml.Close();
  kml.NewLine(2);
  kml.Close();
}

// The lines as LineStrings of one MultiGeometry, cut at the 180th meridian.
void WriteLinesPlacemark(XmlWriter& kml, std::string_view name, const std::vector<ZoneStep>& steps,
                         std::string_view style, const std::vector<PathLine>& lines) {
  OpenPlacemark(kml, name, steps, style);
  kml.NewLine(4);
  kml.Open("MultiGeometry");
  for (const PathLine& line : lines) {
    for (const PathLine& piece : SplitLineAtAntimeridian(line)) {
      kml.NewLine(6);
      kml.Open("LineString");
      kml.Element("tessellate", "1");
      kml.Element("coordinates", Coordinates(piece));
      kml.Close();
    }
  }
  ClosePlacemark(kml);
}

void WritePathLinePlacemark(XmlWriter& kml, const ExportedPath& path, PathLineKind kind, std::string_view part,
                            std::string_view style) {
  WriteLinesPlacemark(kml, PathPartTitle(path, part), path.Steps, style, PathLines(path.Steps, kind));
}

void WriteZonePlacemark(XmlWriter& kml, const ExportedPath& path) {
  OpenPlacemark(kml, PathPartTitle(path, kZoneName), path.Steps, "zone");
  kml.NewLine(4);
  kml.Open("MultiGeometry");
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

void WriteVisibilityPlacemarks(XmlWriter& kml, const ExportedPath& path,
                               const std::vector<NamedVisibilityCurve>& curves) {
  for (const NamedVisibilityCurve& curve : curves) {
    WriteLinesPlacemark(kml, PathPartTitle(path, curve.Name), {}, VisibilityCurveKindName(curve.Kind), curve.Lines);
  }
  OpenPlacemark(kml, PathPartTitle(path, kGreatestEclipseName), {}, "");
  kml.NewLine(4);
  kml.Open("Point");
  kml.Element("coordinates", Coordinates({path.Visibility->Greatest.Place}));
  kml.Close();
  kml.NewLine(2);
  kml.Close();
}

}  // namespace

std::string WritePathKml(const ExportedPath& path) {
  const std::vector<NamedVisibilityCurve> curves =
      path.Visibility ? VisibilityCurvesByName(*path.Visibility) : std::vector<NamedVisibilityCurve>{};
  XmlWriter kml;
  kml.Open("kml");
  kml.Attribute("xmlns", "http://www.opengis.net/kml/2.2");
  kml.NewLine(0);
  kml.Open("Document");
  kml.NewLine(2);
  kml.Element("name", PathTitle(path));
  WritePathStyles(kml);
  WriteVisibilityStyles(kml, curves);
  WritePathLinePlacemark(kml, path, PathLineKind::Central, kCentralLineName, "central");
  WritePathLinePlacemark(kml, path, PathLineKind::NorthernLimit, kNorthernLimitName, "limit");
  WritePathLinePlacemark(kml, path, PathLineKind::SouthernLimit, kSouthernLimitName, "limit");
  WriteZonePlacemark(kml, path);
  if (path.Visibility) WriteVisibilityPlacemarks(kml, path, curves);
  kml.NewLine(0);
  kml.Close();
  kml.NewLine(0);
  kml.Close();
  return kml.Finish();
}

}  // namespace vellmora
