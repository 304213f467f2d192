#include "app/texts/local_details_text.h"

#include <cmath>

#include "app/texts/civil_time_text.h"
#include "app/texts/local_circumstances_text.h"
#include "ephem/timlib.h"
#include "text/format_number.h"

// Letters outside ASCII are Windows-1252 escapes, octal where a letter a-f
// follows (a hex escape would take it in).

namespace vellmora {
namespace {

// Names the precise source and its measured accuracy; the standard one is
// the program's own and says nothing.
constexpr const char* kPreciseEphemerisLine = "Ephemeride: ELP/MPP02 und VSOP87 (Kontaktzeiten auf etwa 1 s genau)";

struct RoundedInstant {
  CalendarInstant Date;  // at 0 h of the day
  long SecondOfDay;
};

// The instant rounded to the whole second, with the carry into the next day.
RoundedInstant Rounded(double t, double offsetHours) {
  const double mjd = MJDFromCenturies(t) + offsetHours / 24;
  const double seconds = std::floor(mjd * kSecondsPerDay + 0.5);
  const double day = std::floor(seconds / kSecondsPerDay);
  return {CalendarFromMJD(day), static_cast<long>(seconds - day * kSecondsPerDay)};
}

std::string TwoDigits(long value) {
  std::string text = std::to_string(value);
  if (text.size() < 2) text.insert(0, 1, '0');
  return text;
}

std::string ClockOf(long secondOfDay) {
  return TwoDigits(secondOfDay / 3600) + ":" + TwoDigits(secondOfDay / 60 % 60) + ":" + TwoDigits(secondOfDay % 60);
}

std::string Degrees(double value) { return FormatNumber(value, 1, 1) + "\xB0"; }

// With a "+" before a positive value.
std::string Signed(double value, int decimals) {
  std::string text = FormatNumber(value, 1, decimals);
  if (text[0] != '-' && text != "0") text.insert(0, 1, '+');
  return text;
}

std::string EventName(LocalEventKind kind) {
  switch (kind) {
    case LocalEventKind::FirstContact:
      return "1. Kontakt";
    case LocalEventKind::SecondContact:
      return "2. Kontakt";
    case LocalEventKind::Maximum:
      return "Maximum";
    case LocalEventKind::ThirdContact:
      return "3. Kontakt";
    case LocalEventKind::FourthContact:
      return "4. Kontakt";
  }
  return {};
}

std::string Shift(const std::optional<double>& seconds) { return seconds ? Signed(*seconds, 1) + " s" : "-"; }

std::string Side(PathSide side) { return side == PathSide::North ? "n\xF6rdlich" : "s\374dlich"; }

std::string LimitName(PathSide side) { return side == PathSide::North ? "n\xF6rdlichen" : "s\374dlichen"; }

std::string CertaintyText(const LocalDetails& details) {
  switch (details.CentralPhaseCertainty) {
    case Certainty::Certain:
      return "sicher";
    case Certainty::Excluded:
      return "ausgeschlossen";
    case Certainty::Uncertain:
      break;
  }
  return "Wahrscheinlichkeit " + FormatNumber(100 * details.CentralPhaseProbability, 1, 1) + " %";
}

void AddHorizonFigures(const LocalDetails& details, const std::vector<PlaceClocks>& clocks,
                       std::vector<std::string>& figures) {
  for (std::size_t i = 0; i < details.HorizonEvents.size(); ++i) {
    const HorizonEvent& event = details.HorizonEvents[i];
    const bool sunrise = event.Kind == HorizonCrossing::Sunrise;
    figures.push_back(std::string(sunrise ? "Sonnenaufgang" : "Sonnenuntergang") + " w\xE4hrend der Finsternis um " +
                      FormatClockTime(event.Instant, 0) + " UT, " + FormatCivilTime(event.Instant, clocks[i].Civil) +
                      ", Gr\xF6\337e " + FormatNumber(event.Magnitude, 1, 3));
  }
  const bool neverUp =
      !details.Events.empty() && details.HorizonEvents.empty() && !details.Events.front().SunAboveHorizon;
  if (neverUp) figures.push_back("Die Sonne steht w\xE4hrend der ganzen Finsternis unter dem Horizont");
}

void AddPathFigures(const PathPosition& path, std::vector<std::string>& figures) {
  figures.push_back("Abstand von der Zentrallinie: " + FormatNumber(path.FromCentralLine.Kilometres, 1, 1) + " km " +
                    Side(path.FromCentralLine.Side));
  if (path.NearerLimit) {
    figures.push_back("Abstand von der " + LimitName(*path.NearerLimit) +
                      " Grenze: " + FormatNumber(path.FromNearerLimitKm, 1, 1) + " km " +
                      (path.InsidePath ? "innerhalb" : "au\337erhalb") + " der Zone der zentralen Phase");
  }
}

}  // namespace

std::string FormatDateAndTime(double t, double offsetHours) {
  const RoundedInstant instant = Rounded(t, offsetHours);
  return TwoDigits(instant.Date.Day) + "." + TwoDigits(instant.Date.Month) + "." + std::to_string(instant.Date.Year) +
         " " + ClockOf(instant.SecondOfDay);
}

std::string FormatDuration(double seconds) {
  const double tenths = std::nearbyint(seconds * 10);
  const double minutes = std::floor(tenths / 600);
  return FormatNumber(minutes, 1, 0) + " min " + FormatNumber((tenths - 600 * minutes) / 10, 1, 1) + " s";
}

std::string FormatClockTime(double t, double offsetHours) {
  const RoundedInstant zone = Rounded(t, offsetHours);
  const RoundedInstant ut = Rounded(t, 0);
  const double dayDifference = ModifiedJulianDate(zone.Date.Day, zone.Date.Month, zone.Date.Year, 0) -
                               ModifiedJulianDate(ut.Date.Day, ut.Date.Month, ut.Date.Year, 0);
  std::string text = ClockOf(zone.SecondOfDay);
  if (dayDifference > 0) text += " (+1 Tag)";
  if (dayDifference < 0) text += " (-1 Tag)";
  return text;
}

LocalDetailsText FormatLocalDetails(const Selection& selection) {
  const LocalDetails& details = selection.Details();
  const DetailsClocks& clocks = selection.Clocks();
  LocalDetailsText text;
  text.Header = {"Ereignis",
                 "UT",
                 "gesetzliche Zeit",
                 "Wahre Ortszeit",
                 "Mittlere Ortszeit",
                 "H\xF6he",
                 "scheinbare H\xF6he",
                 "Azimut",
                 "P",
                 "V",
                 "Sonne",
                 "Delta-T - Sigma",
                 "Delta-T + Sigma"};
  for (std::size_t i = 0; i < details.Events.size(); ++i) {
    const LocalEvent& event = details.Events[i];
    const PlaceClocks& clock = clocks.Events[i];
    text.Rows.push_back(
        {EventName(event.Kind), FormatClockTime(event.Instant, 0), FormatCivilTime(event.Instant, clock.Civil),
         FormatSolarTime(event.Instant, clock.ApparentSolarOffsetSeconds),
         FormatSolarTime(event.Instant, clock.MeanSolarOffsetSeconds), Degrees(event.Sun.Altitude),
         Degrees(event.Sun.ApparentAltitude), Degrees(event.Sun.Azimuth), Degrees(event.Angles.PositionAngle),
         Degrees(event.Angles.VertexAngle), event.SunAboveHorizon ? "\374ber dem Horizont" : "unter dem Horizont",
         Shift(event.ShiftForSmallerDeltaT), Shift(event.ShiftForLargerDeltaT)});
  }

  std::vector<std::string>& figures = text.Figures;
  figures.push_back(FormatKindLine(details.Kind, details.Magnitude, details.Obscuration));
  if (details.CentralDurationSeconds) {
    const bool total = details.Kind == LocalEclipseKind::Total;
    figures.push_back(std::string(total ? "Dauer der Totalit\xE4t: " : "Dauer der Ringf\xF6rmigkeit: ") +
                      FormatDuration(*details.CentralDurationSeconds));
  }
  AddHorizonFigures(details, clocks.HorizonEvents, figures);
  if (details.Path) AddPathFigures(*details.Path, figures);
  figures.push_back("Zeitzone: " + selection.Place().TimeZone);
  const DeltaTFigures& deltaT = details.DeltaT;
  figures.push_back("Delta-T: " + FormatNumber(deltaT.UsedSeconds(), 1, 2) + " s (Daten " +
                    FormatNumber(deltaT.DataSeconds, 1, 2) + " s, Korrektur der Ephemeride " +
                    FormatNumber(deltaT.EphemerisLagSeconds, 1, 2) + " s), Unsicherheit \xB1" +
                    FormatNumber(deltaT.UncertaintySeconds, 1, 2) + " s");
  figures.push_back("Zentrale Phase am Beobachtungsort: " + CertaintyText(details));
  if (details.Source == Ephemeris::Precise) figures.push_back(kPreciseEphemerisLine);
  return text;
}

}  // namespace vellmora
