#include "app/texts/visible_eclipses_text.h"

#include <cmath>

#include "app/texts/civil_time_text.h"
#include "app/texts/eclipse_row.h"
#include "app/texts/local_details_text.h"
#include "text/format_number.h"

// Letters outside ASCII are Windows-1252 escapes.

namespace vellmora {
namespace {

std::string ListDate(const CalendarInstant& instant) {
  std::string text;
  AppendListDate(text, instant.Day, instant.Month, instant.Year);
  return text;
}

std::string Clock(double t) { return FormatClockTime(t, 0); }

std::string HorizonText(const VisibleEclipse& eclipse) {
  std::string text;
  for (const HorizonEvent& event : eclipse.HorizonEvents) {
    if (!text.empty()) text += ", ";
    text += (event.Kind == HorizonCrossing::Sunrise ? "Sonnenaufgang " : "Sonnenuntergang ") + Clock(event.Instant);
  }
  return text;
}

std::string Probability(const VisibleEclipse& eclipse) {
  if (!eclipse.CentralPhaseProbability) return {};
  return FormatFixed(*eclipse.CentralPhaseProbability * 100, 1) + " %";
}

}  // namespace

const std::vector<std::string>& VisibleEclipsesHeader() {
  static const std::vector<std::string> header{"Datum",
                                               "Art",
                                               "Gr\xF6\xDF"
                                               "e",
                                               "Bedeckung",
                                               "Maximum (UT)",
                                               "H\xF6he",
                                               "Azimut",
                                               "1. Kontakt",
                                               "2. Kontakt",
                                               "3. Kontakt",
                                               "4. Kontakt",
                                               "Dauer",
                                               "Horizont",
                                               "Zentral",
                                               "Maximum (gesetzliche Zeit)"};
  return header;
}

std::string LocalKindName(LocalEclipseKind kind) {
  switch (kind) {
    case LocalEclipseKind::Partial:
      return "partiell";
    case LocalEclipseKind::Annular:
      return "ringf\xF6rmig";
    case LocalEclipseKind::Total:
      return "total";
    case LocalEclipseKind::NotVisible:
      break;
  }
  return {};
}

std::vector<std::string> VisibleEclipseRow(const VisibleEclipse& eclipse, std::string_view zone) {
  const bool central = eclipse.SeesCentralPhase();
  return {ListDate(eclipse.ListInstant),
          LocalKindName(eclipse.Kind),
          FormatFixed(eclipse.Magnitude, 3),
          FormatFixed(eclipse.Obscuration, 3),
          Clock(eclipse.Maximum),
          FormatFixed(eclipse.Sun.Altitude, 1) + "\xB0",
          FormatFixed(eclipse.Sun.Azimuth, 1) + "\xB0",
          Clock(eclipse.Contacts[0]),
          central ? Clock(eclipse.Contacts[1]) : "",
          central ? Clock(eclipse.Contacts[2]) : "",
          Clock(eclipse.Contacts[3]),
          central && eclipse.CentralDurationSeconds ? FormatDuration(*eclipse.CentralDurationSeconds) : "",
          HorizonText(eclipse),
          Probability(eclipse),
          FormatCivilTime(eclipse.Maximum, CivilClockAt(zone, eclipse.Maximum))};
}

std::string TabSeparatedLine(const std::vector<std::string>& cells) {
  std::string line;
  for (std::size_t i = 0; i < cells.size(); ++i) line += (i == 0 ? "" : "\t") + cells[i];
  return line + '\n';
}

}  // namespace vellmora
