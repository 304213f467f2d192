#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/selection/selection.h"
#include "geometry/zone_limits.h"

// The path of a central eclipse as a file for other programs: CSV (the
// columns of the zone table), KML 2.2 (the central line and both limits as
// LineStrings, the zone as Polygons, cut at the 180th meridian), GPX 1.1
// (the three lines as tracks) or GeoJSON (one FeatureCollection of the lines
// and the zone). KML and GeoJSON also carry, when asked, the curves of the
// map of visibility and the point of greatest eclipse. Files are UTF-8 text.

namespace vellmora {

enum class PathFormat { Csv, Kml, Gpx, GeoJson };

// The format of a name "csv", "kml", "gpx" or "geojson" (also the file suffix).
std::optional<PathFormat> PathFormatNamed(std::string_view name);
std::string_view PathFormatName(PathFormat format);

// An eclipse's path: the kind text and the date as the eclipse list shows
// them, and the steps of its zone.
struct ExportedPath {
  std::string Kind;  // Windows-1252, e.g. "total" or "ringf\xF6rmig"
  std::string Date;  // DD.MM.YYYY
  std::vector<ZoneStep> Steps;
  // The curves of the map of visibility, for the formats that carry them.
  std::optional<VisibilityMap> Visibility;
};

// The path of the selected eclipse, its zone as the selection keeps it, and
// with the map of visibility when asked.
ExportedPath ExportedPathOf(const Selection& selection, bool withVisibility = false);

std::string WritePathCsv(const ExportedPath& path);
std::string WritePathKml(const ExportedPath& path);
std::string WritePathGpx(const ExportedPath& path);
std::string WritePathGeoJson(const ExportedPath& path);
std::string WritePath(const ExportedPath& path, PathFormat format);

// Names of the eclipse and of its lines in KML and GPX, UTF-8:
// "Sonnenfinsternis 08.04.2024 (total)" and, with a part, "...: Zentrallinie".
std::string PathTitle(const ExportedPath& path);
std::string PathPartTitle(const ExportedPath& path, std::string_view partWindows1252);

// The parts' names, Windows-1252.
inline constexpr std::string_view kCentralLineName = "Zentrallinie";
inline constexpr std::string_view kNorthernLimitName = "N\xF6rdliche Grenze";
inline constexpr std::string_view kSouthernLimitName =
    "S\xFC"
    "dliche Grenze";
inline constexpr std::string_view kZoneName = "Zone der zentralen Finsternis";
inline constexpr std::string_view kGreatestEclipseName = "Punkt der gr\xF6\xDFten Finsternis";

// The name of a curve of the map of visibility, Windows-1252 ("Nördliche
// Grenze der partiellen Finsternis", ..., "Größte Phase 0.4").
std::string VisibilityCurveName(const VisibilityCurve& curve);

// The kind of a curve as the files name it: "northern_partial_limit",
// "begins_at_sunrise", ..., "equal_magnitude".
std::string_view VisibilityCurveKindName(VisibilityCurveKind kind);

// The curves of the map of visibility gathered by name, in the map's order:
// the pieces of one curve (broken at the antimeridian or at the horizon) go
// together.
struct NamedVisibilityCurve {
  std::string Name;  // Windows-1252, as VisibilityCurveName gives it
  VisibilityCurveKind Kind;
  std::vector<std::vector<GeographicPoint>> Lines;
};
std::vector<NamedVisibilityCurve> VisibilityCurvesByName(const VisibilityMap& map);

}  // namespace vellmora
