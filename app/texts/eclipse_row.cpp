#include "app/texts/eclipse_row.h"

#include <cmath>

namespace vellmora {
namespace {

// Appends a whole number as printf's "%0*d" writes it: zero-padded to at least width characters, the
// sign included. By hand, because the list writes some 3,000 rows at a time.
void AppendZeroPadded(std::string& text, long value, int width) {
  char digits[24];
  int count = 0;
  unsigned long magnitude = value < 0 ? 0UL - static_cast<unsigned long>(value) : static_cast<unsigned long>(value);
  do {
    digits[count++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (value < 0) {
    text += '-';
    --width;
  }
  for (int i = count; i < width; ++i) text += '0';
  while (count > 0) text += digits[--count];
}

}  // namespace

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
  std::string text = EclipseKindName(kind);
  text.reserve(text.size() + 20);
  text += '\t';
  AppendListDateAndTime(text, day, month, year, seconds);
  return text;
}

void AppendListDateAndTime(std::string& text, int day, int month, int year, long secondOfDay) {
  AppendZeroPadded(text, day, 2);
  text += '.';
  AppendZeroPadded(text, month, 2);
  text += '.';
  AppendZeroPadded(text, year, 4);
  text += ' ';
  AppendZeroPadded(text, secondOfDay / 3600, 2);
  text += ':';
  AppendZeroPadded(text, secondOfDay / 60 % 60, 2);
  text += ':';
  AppendZeroPadded(text, secondOfDay % 60, 2);
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
