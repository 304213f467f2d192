#include "app/export/path_export.h"

#include "app/export/zone_table.h"
#include "app/texts/eclipse_row.h"
#include "text/windows1252.h"

namespace vellmora {

std::optional<PathFormat> PathFormatNamed(std::string_view name) {
  for (const PathFormat format : {PathFormat::Csv, PathFormat::Kml, PathFormat::Gpx}) {
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
  }
  return "";
}

ExportedPath ExportedPathOf(const Selection& selection) {
  const ChosenEclipse& eclipse = selection.Eclipse();
  std::string date;
  AppendListDate(date, eclipse.DynamicalTime.Day, eclipse.DynamicalTime.Month, eclipse.DynamicalTime.Year);
  return ExportedPath{EclipseKindName(eclipse.Kind), std::move(date), selection.ZoneLimits()};
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
  }
  return "";
}

std::string PathTitle(const ExportedPath& path) {
  return "Sonnenfinsternis " + path.Date + " (" + Windows1252ToUtf8(path.Kind) + ")";
}

std::string PathPartTitle(const ExportedPath& path, std::string_view partWindows1252) {
  return PathTitle(path) + ": " + Windows1252ToUtf8(partWindows1252);
}

std::string XmlEscaped(std::string_view text) {
  std::string escaped;
  for (const char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

}  // namespace vellmora
