#include <cmath>
#include <cstdio>

#include "app/export/path_export.h"
#include "app/export/path_lines.h"
#include "app/export/zone_table.h"
#include "catalogue/moon.h"
#include "ephem/timlib.h"
#include "text/format_number.h"

// GPX 1.1: the central line and the two limits as three tracks, one track
// segment for each unbroken run, each point with the step's instant.

namespace vellmora {
namespace {

constexpr int kCoordinateDecimals = 5;

// xsd:dateTime of an instant (Julian centuries since J2000, UT) to the
// second, in the proleptic Gregorian calendar that the format prescribes.
std::string IsoInstant(double instant) {
  const double mjd = std::round(MJDFromCenturies(instant) * kSecondsPerDay) / kSecondsPerDay;
  std::int16_t year = 0;
  std::int16_t month = 0;
  std::int16_t day = 0;
  JDToGregorianCalendar(static_cast<long double>(mjd) + 2400000.5L, year, month, day);
  const auto seconds = static_cast<long>(std::round((mjd - std::floor(mjd)) * kSecondsPerDay)) % 86400;
  char text[64];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02ld:%02ld:%02ldZ", year, month, day, seconds / 3600,
                seconds / 60 % 60, seconds % 60);
  return text;
}

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
           FormatFixed(point->LongitudeEast, kCoordinateDecimals) + "\"><time>" + IsoInstant(step.Instant) +
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
