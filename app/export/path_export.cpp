#include "app/export/path_export.h"

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
