#include "app/texts/local_circumstances_text.h"

#include <cmath>

#include "ephem/matlib.h"
#include "ephem/timlib.h"
#include "text/format_number.h"

namespace vellmora {
namespace {

struct ClockReading {
  CalendarInstant Date;
  int Hours;
  int Minutes;
  int Seconds;
};

// Calendar date and time of day with the seconds rounded; 60 seconds carry
// into the minutes and 60 minutes into the hours (which may then read 24).
ClockReading ReadClock(double t) {
  const CalendarInstant date = CalendarFromMJD(MJDFromCenturies(t));
  const DegreesMinutesSeconds hms = DegreesToDMS(date.Hours);
  ClockReading clock{date, hms.Degrees, hms.Minutes, static_cast<int>(std::trunc(hms.Seconds + 0.5))};
  if (clock.Seconds == 60) {
    clock.Seconds = 0;
    ++clock.Minutes;
  }
  if (clock.Minutes == 60) {
    clock.Minutes = 0;
    ++clock.Hours;
  }
  return clock;
}

std::string FormatClock(const ClockReading& clock, int width) {
  return FormatNumber(clock.Hours, width, 0) + ":" + FormatNumber(clock.Minutes, width, 0) + ":" +
         FormatNumber(clock.Seconds, width, 0) + " UT";
}

}  // namespace

std::string FormatKindLine(LocalEclipseKind kind, double magnitude, double obscuration) {
  const std::string magnitudeText = FormatNumber(magnitude, 5, 3);
  const std::string obscurationText = " (" + FormatNumber(obscuration, 4, 2) + ")";
  switch (kind) {
    case LocalEclipseKind::Partial:
      return "Partielle Finsternis mit M=" + magnitudeText + obscurationText;
    case LocalEclipseKind::Annular:
      return "Ringfoermige Finsternis mit M=" + magnitudeText + obscurationText;
    case LocalEclipseKind::Total:
      return "Totale Finsternis mit M=" + magnitudeText;
    case LocalEclipseKind::NotVisible:
      break;
  }
  return kNotVisibleText;
}

std::string FormatMaximumLine(double t) { return "Maximum um " + FormatClock(ReadClock(t), 2); }

std::string FormatContactLine(int number, double t) {
  const ClockReading clock = ReadClock(t);
  return FormatNumber(number, 1, 0) + ". Kontakt: " + FormatNumber(clock.Date.Day, 2, 0) + "." +
         FormatNumber(clock.Date.Month, 2, 0) + "." + FormatNumber(clock.Date.Year, 4, 0) + " " + FormatClock(clock, 3);
}

std::vector<std::string> LocalCircumstancesLines(const LocalCircumstancesResult& result) {
  if (result.Kind == LocalEclipseKind::NotVisible) return {kNotVisibleText};
  std::vector<std::string> lines{FormatKindLine(result.Kind, result.Magnitude, result.Obscuration),
                                 FormatMaximumLine(result.Maximum)};
  const bool central = result.Kind != LocalEclipseKind::Partial;
  for (int contact = 1; contact <= 4; ++contact) {
    if (central || contact == 1 || contact == 4) {
      lines.push_back(FormatContactLine(contact, result.Contacts[static_cast<std::size_t>(contact - 1)]));
    }
  }
  return lines;
}

}  // namespace vellmora
