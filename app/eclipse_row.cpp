#include "app/eclipse_row.h"

#include <cmath>
#include <cstdio>

namespace vellmora {

const char* EclipseKindName(EclipseKind kind) {
  switch (kind) {
    case EclipseKind::Partial:
      return "partiell";
    case EclipseKind::NonCentral:
      return "nicht zentral";
    case EclipseKind::Annular:
      return "ringf\xF6rmig";
    case EclipseKind::AnnularTotal:
      return "total-ringf\xF6rmig";
    case EclipseKind::Total:
      return "total";
    case EclipseKind::Penumbral:
      return "Halbschatten";
    case EclipseKind::NoEclipse:
      break;
  }
  return "";
}

std::string FormatEclipseRow(EclipseKind kind, double serial) {
  int year = 0;
  int month = 0;
  int day = 0;
  const long double jd = DateSerialToJD(serial);
  if (jd >= kGregorianSwitchJD) {
    const CivilDate date = DecodeDate(serial);
    year = date.Year;
    month = date.Month;
    day = date.Day;
  } else {
    std::int16_t y = 0;
    std::int16_t m = 0;
    std::int16_t d = 0;
    JDToCalendar(jd, y, m, d);
    year = y;
    month = m;
    day = d;
  }
  // Seconds are cut from the exact time of day, never rounded.
  const auto seconds = static_cast<long>(std::floor(TimeOfDay(serial) * 86400.0));
  char text[64];
  std::snprintf(text, sizeof text, "%s\t%02d.%02d.%04d %02ld:%02ld:%02ld", EclipseKindName(kind), day, month, year,
                seconds / 3600, seconds / 60 % 60, seconds % 60);
  return text;
}

bool ReadEclipseRow(const std::string& row, CalendarInstant& instant) {
  const auto tab = row.find('\t');
  if (tab == std::string::npos) return false;
  int hours = 0;
  int minutes = 0;
  int seconds = 0;
  if (std::sscanf(row.c_str() + tab + 1, "%2d.%2d.%4d %2d:%2d:%2d", &instant.Day, &instant.Month, &instant.Year, &hours,
                  &minutes, &seconds) != 6) {
    return false;
  }
  instant.Hours = hours + minutes / 60.0 + seconds / 3600.0;
  return true;
}

}  // namespace vellmora
