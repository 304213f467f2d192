#include "app/export/zone_table.h"

#include <cmath>
#include <optional>

#include "app/texts/eclipse_row.h"
#include "civil/iso_time.h"
#include "ephem/timlib.h"
#include "text/format_number.h"

namespace vellmora {
namespace {

constexpr int kDegreeDecimals = 4;
constexpr int kFigureDecimals = 1;
constexpr int kJulianDateDecimals = 6;

void AppendPlace(std::string& row, const std::optional<GeographicPoint>& place, char separator) {
  row += separator;
  if (place) row += FormatFixed(place->Latitude, kDegreeDecimals);
  row += separator;
  if (place) row += FormatFixed(place->LongitudeEast, kDegreeDecimals);
}

}  // namespace

std::string FormatStepInstant(double instant) {
  // Half a second later and then cut: the nearest second, carried into the date.
  const CalendarInstant calendar = CalendarFromMJD(MJDFromCenturies(instant) + 0.5 / kSecondsPerDay);
  const long seconds = std::min(86399L, static_cast<long>(std::floor(calendar.Hours * 3600)));
  std::string text;
  AppendListDateAndTime(text, calendar.Day, calendar.Month, calendar.Year, seconds);
  return text;
}

std::string ZoneTableHeader(char separator) {
  std::string header;
  for (const std::string_view column : ZoneTableColumns) {
    if (!header.empty()) header += separator;
    header += column;
  }
  return header;
}

std::string ZoneTableRow(const ZoneStep& step, char separator) {
  std::string row = FormatStepInstant(step.Instant);
  AppendPlace(row, step.NorthernLimit, separator);
  AppendPlace(row, step.Central, separator);
  AppendPlace(row, step.SouthernLimit, separator);
  row += separator;
  if (step.WidthKm) row += FormatFixed(*step.WidthKm, kFigureDecimals);
  row += separator;
  row += FormatFixed(step.CentralDurationSeconds, kFigureDecimals);
  row += separator;
  row += IsoUtc(step.Instant);
  row += separator;
  row += FormatFixed(JulianDateFromCenturies(step.Instant), kJulianDateDecimals);
  return row;
}

}  // namespace vellmora
