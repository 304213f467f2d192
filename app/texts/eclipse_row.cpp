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

std::string FormatEclipseRow(const ChosenEclipse& eclipse) {
  std::string text = EclipseKindName(eclipse.Kind);
  text.reserve(text.size() + 20);
  text += '\t';
  const CalendarInstant& instant = eclipse.DynamicalTime;
  AppendListDateAndTime(text, instant.Day, instant.Month, instant.Year, std::lround(instant.Hours * 3600.0));
  return text;
}

void AppendListDate(std::string& text, int day, int month, int year) {
  AppendZeroPadded(text, day, 2);
  text += '.';
  AppendZeroPadded(text, month, 2);
  text += '.';
  AppendZeroPadded(text, year, 4);
}

void AppendListDateAndTime(std::string& text, int day, int month, int year, long secondOfDay) {
  AppendListDate(text, day, month, year);
  text += ' ';
  AppendZeroPadded(text, secondOfDay / 3600, 2);
  text += ':';
  AppendZeroPadded(text, secondOfDay / 60 % 60, 2);
  text += ':';
  AppendZeroPadded(text, secondOfDay % 60, 2);
}

}  // namespace vellmora
