#include "app/export/path_export.h"

#include <algorithm>

#include "app/export/zone_table.h"
#include "app/texts/eclipse_row.h"
#include "text/format_number.h"
#include "text/windows1252.h"

namespace vellmora {

std::optional<PathFormat> PathFormatNamed(std::string_view name) {
  for (const PathFormat format : {PathFormat::Csv, PathFormat::Kml, PathFormat::Gpx, PathFormat::GeoJson}) {
    if (PathFormatName(format) == name) return format;
  }
  return std::nullopt;
}

std::string_view PathFormatName(PathFormat format) {
  switch (format) {
    case PathFormat::Csv:
      return "csv";
    case PathFormat::Kml:
      return "kml";
    case PathFormat::Gpx:
      return "gpx";
    case PathFormat::GeoJson:
      return "geojson";
  }
  return "";
}

ExportedPath ExportedPathOf(const Selection& selection, bool withVisibility) {
  const ChosenEclipse& eclipse = selection.Eclipse();
  std::string date;
  AppendListDate(date, eclipse.DynamicalTime.Day, eclipse.DynamicalTime.Month, eclipse.DynamicalTime.Year);
  ExportedPath path{EclipseKindName(eclipse.Kind), std::move(date), selection.ZoneLimits(), std::nullopt};
  if (withVisibility) path.Visibility = selection.Visibility();
  return path;
}

std::string VisibilityCurveName(const VisibilityCurve& curve) {
  switch (curve.Kind) {
    case VisibilityCurveKind::NorthernLimit:
      return std::string(kNorthernLimitName) + " der partiellen Finsternis";
    case VisibilityCurveKind::SouthernLimit:
      return std::string(kSouthernLimitName) + " der partiellen Finsternis";
    case VisibilityCurveKind::BeginsAtSunrise:
      return "Beginn bei Sonnenaufgang";
    case VisibilityCurveKind::BeginsAtSunset:
      return "Beginn bei Sonnenuntergang";
    case VisibilityCurveKind::EndsAtSunrise:
      return "Ende bei Sonnenaufgang";
    case VisibilityCurveKind::EndsAtSunset:
      return "Ende bei Sonnenuntergang";
    case VisibilityCurveKind::MaximumAtSunrise:
      return "Maximum bei Sonnenaufgang";
    case VisibilityCurveKind::MaximumAtSunset:
      return "Maximum bei Sonnenuntergang";
    case VisibilityCurveKind::EqualMagnitude:
      break;
  }
  return "Gr\xF6\xDFte Phase " + FormatNumber(curve.Magnitude, 1, 1);
}

std::string_view VisibilityCurveKindName(VisibilityCurveKind kind) {
  switch (kind) {
    case VisibilityCurveKind::NorthernLimit:
      return "northern_partial_limit";
    case VisibilityCurveKind::SouthernLimit:
      return "southern_partial_limit";
    case VisibilityCurveKind::BeginsAtSunrise:
      return "begins_at_sunrise";
    case VisibilityCurveKind::BeginsAtSunset:
      return "begins_at_sunset";
    case VisibilityCurveKind::EndsAtSunrise:
      return "ends_at_sunrise";
    case VisibilityCurveKind::EndsAtSunset:
      return "ends_at_sunset";
    case VisibilityCurveKind::MaximumAtSunrise:
      return "maximum_at_sunrise";
    case VisibilityCurveKind::MaximumAtSunset:
      return "maximum_at_sunset";
    case VisibilityCurveKind::EqualMagnitude:
      break;
  }
  return "equal_magnitude";
}

std::vector<NamedVisibilityCurve> VisibilityCurvesByName(const VisibilityMap& map) {
  std::vector<NamedVisibilityCurve> named;
  for (const VisibilityCurve& curve : map.Curves) {
    std::string name = VisibilityCurveName(curve);
    auto same = std::find_if(named.begin(), named.end(), [&](const auto& entry) { return entry.Name == name; });
    if (same == named.end()) same = named.insert(named.end(), {std::move(name), curve.Kind, {}});
    same->Lines.push_back(curve.Points);
  }
  return named;
}

std::string WritePathCsv(const ExportedPath& path) {
  std::string csv = ZoneTableHeader(',') + "\r\n";
  for (const ZoneStep& step : path.Steps) csv += ZoneTableRow(step, ',') + "\r\n";
  return csv;
}

std::string WritePath(const ExportedPath& path, PathFormat format) {
  switch (format) {
    case PathFormat::Csv:
      return WritePathCsv(path);
    case PathFormat::Kml:
      return WritePathKml(path);
    case PathFormat::Gpx:
      return WritePathGpx(path);
    case PathFormat::GeoJson:
      return WritePathGeoJson(path);
  }
  return "";
}

std::string PathTitle(const ExportedPath& path) {
  return "Sonnenfinsternis " + path.Date + " (" + Windows1252ToUtf8(path.Kind) + ")";
}

std::string PathPartTitle(const ExportedPath& path, std::string_view partWindows1252) {
  return PathTitle(path) + ": " + Windows1252ToUtf8(partWindows1252);
}

}  // namespace vellmora
