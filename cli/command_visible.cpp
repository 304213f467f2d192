#include "cli/command_visible.h"

#include <charconv>
#include <functional>
#include <nlohmann/json.hpp>
#include <optional>
#include <thread>

#include "app/texts/eclipse_row.h"
#include "app/texts/local_details_text.h"
#include "app/texts/visible_eclipses_text.h"
#include "catalogue/moon.h"
#include "civil/civil_clock.h"
#include "civil/iso_time.h"
#include "cli/arguments.h"
#include "cli/eclipse_selection.h"
#include "cli/ephemeris_option.h"
#include "cli/json_values.h"
#include "ephem/timlib.h"
#include "sightings/on_every_core.h"
#include "text/windows1252.h"

namespace vellmora {
namespace {

constexpr const char* kUsage =
    "usage: vellmora-cli visible FIRST LAST (--place NAME | --lat LAT --lon LON) [--min-magnitude M] [--central] "
    "[--json | --csv]\n";

enum class OutputForm { Table, Json, Csv };

struct VisibleOptions {
  int First = 0;
  int Last = 0;
  SelectionOptions Where;  // the place options; no date
  SightingFilter Filter;
  OutputForm Form = OutputForm::Table;
};

std::optional<int> ListYear(std::string_view text) {
  int year = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), year);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (year < kFirstListYear || year > kLastListYear) return std::nullopt;
  return year;
}

// The options, or nullopt after a message on err.
std::optional<VisibleOptions> ReadOptions(std::span<const std::string> args, std::ostream& err) {
  if (args.size() < 2) {
    err << "visible needs the years FIRST and LAST\n";
    return std::nullopt;
  }
  VisibleOptions options;
  const std::optional<int> first = ListYear(args[0]);
  const std::optional<int> last = ListYear(args[1]);
  if (!first || !last) {
    err << "the years must be whole numbers from " << kFirstListYear << " to " << kLastListYear << ", got \""
        << args[!first ? 0 : 1] << "\"\n";
    return std::nullopt;
  }
  options.First = *first;
  options.Last = *last;
  for (std::size_t i = 2; i < args.size(); ++i) {
    const std::string& word = args[i];
    const bool hasValue = i + 1 < args.size();
    if (word == "--place" && hasValue) {
      options.Where.Place = args[++i];
    } else if ((word == "--lat" || word == "--lon" || word == "--min-magnitude") && hasValue) {
      const std::optional<double> value = ParseDecimal(args[++i]);
      const double limit = word == "--lat" ? 90 : word == "--lon" ? 180 : 2;
      const double lowest = word == "--min-magnitude" ? 0 : -limit;
      if (!value || *value < lowest || *value > limit) {
        err << word << " needs a number from " << lowest << " to " << limit << ", got \"" << args[i] << "\"\n";
        return std::nullopt;
      }
      if (word == "--min-magnitude") {
        options.Filter.MinimumMagnitude = *value;
      } else {
        (word == "--lat" ? options.Where.Latitude : options.Where.Longitude) = value;
      }
    } else if (word == "--central") {
      options.Filter.CentralOnly = true;
    } else if (word == "--json" || word == "--csv") {
      if (options.Form != OutputForm::Table) {
        err << "choose either --json or --csv\n";
        return std::nullopt;
      }
      options.Form = word == "--json" ? OutputForm::Json : OutputForm::Csv;
    } else {
      err << (hasValue || word.starts_with("--") ? "unexpected argument \"" + word + "\"" : word + " needs a value")
          << '\n';
      return std::nullopt;
    }
  }
  const SelectionOptions& where = options.Where;
  if (where.Latitude.has_value() != where.Longitude.has_value()) {
    err << "--lat and --lon go together\n";
    return std::nullopt;
  }
  if (where.Place.has_value() == where.Latitude.has_value()) {
    err << "visible needs the observing place: either --place NAME or --lat LAT --lon LON\n";
    return std::nullopt;
  }
  return options;
}

// An instant as the machines read it: `name`_ut in ISO 8601 (UTC), _civil_time
// with the zone's offset, _jd_ut, and before 1582-10-15 _ut_julian_calendar,
// the date of the list's calendar; all null where there is no such instant.
void AddInstant(nlohmann::ordered_json& json, const std::string& name, std::optional<double> t, std::string_view zone) {
  nlohmann::ordered_json ut, civil, jd, julian;
  if (t) {
    ut = IsoUtc(*t);
    civil = IsoWithOffset(*t, CivilClockAt(zone, *t).OffsetSeconds);
    jd = JulianDateFromCenturies(*t);
    if (jd.get<double>() < kGregorianSwitchJD) julian = IsoJulianCalendar(*t, 0);
  }
  json[name + "_ut"] = ut;
  json[name + "_civil_time"] = civil;
  json[name + "_jd_ut"] = jd;
  json[name + "_ut_julian_calendar"] = julian;
}

// The fields of one eclipse with English names, units in the names; the CSV
// has them as its columns.
nlohmann::ordered_json EclipseAsJson(const VisibleEclipse& eclipse, std::string_view zone) {
  const bool central = eclipse.SeesCentralPhase();
  std::string date;
  AppendListDate(date, eclipse.ListInstant.Day, eclipse.ListInstant.Month, eclipse.ListInstant.Year);
  const auto centralOnly = [central](double t) { return central ? std::optional<double>(t) : std::nullopt; };
  nlohmann::ordered_json json;
  json["date"] = date;
  json["kind"] = LocalKindJsonName(eclipse.Kind);
  json["magnitude"] = eclipse.Magnitude;
  json["obscuration"] = eclipse.Obscuration;
  json["time_zone"] = zone;
  AddInstant(json, "maximum", eclipse.Maximum, zone);
  AddInstant(json, "greatest_seen", eclipse.GreatestSeen, zone);
  json["sun_alt_deg"] = eclipse.Sun.Altitude;
  json["sun_az_deg"] = eclipse.Sun.Azimuth;
  AddInstant(json, "first_contact", eclipse.Contacts[0], zone);
  AddInstant(json, "second_contact", centralOnly(eclipse.Contacts[1]), zone);
  AddInstant(json, "third_contact", centralOnly(eclipse.Contacts[2]), zone);
  AddInstant(json, "fourth_contact", eclipse.Contacts[3], zone);
  json["begins_before_sunrise"] = eclipse.BeginsBeforeSunrise;
  json["ends_after_sunset"] = eclipse.EndsAfterSunset;
  json["central_duration_s"] = central ? NumberOrNull<nlohmann::ordered_json>(eclipse.CentralDurationSeconds) : nullptr;
  json["central_phase_probability"] = NumberOrNull<nlohmann::ordered_json>(eclipse.CentralPhaseProbability);
  return json;
}

std::string CsvCell(const nlohmann::ordered_json& value) {
  if (value.is_null()) return {};
  if (value.is_string()) return value.get<std::string>();
  return value.dump();
}

// One line of cells, separated by commas (no cell holds one).
void PrintCsvLine(const nlohmann::ordered_json& fields, bool names, std::ostream& out) {
  const char* separator = "";
  for (const auto& [name, value] : fields.items()) {
    out << separator << (names ? name : CsvCell(value));
    separator = ",";
  }
  out << '\n';
}

void PrintCsv(const std::vector<VisibleEclipse>& eclipses, std::string_view zone, std::ostream& out) {
  PrintCsvLine(EclipseAsJson(VisibleEclipse{}, zone), true, out);
  for (const VisibleEclipse& eclipse : eclipses) PrintCsvLine(EclipseAsJson(eclipse, zone), false, out);
}

}  // namespace

int RunVisibleCommand(std::span<const std::string> allArgs, std::ostream& out, std::ostream& err) {
  std::vector<std::string> args;
  const std::optional<Ephemeris> ephemeris = TakeEphemerisOption(allArgs, args, err);
  if (!ephemeris) return kExitUsage;
  const std::optional<VisibleOptions> options = ReadOptions(args, err);
  if (!options) {
    err << kUsage;
    return kExitUsage;
  }
  const std::optional<ChosenPlace> chosen = ChosenPlaceOf(options->Where, err);
  if (!chosen) return kExitUsage;
  // The zone's clock is read in while the search runs.
  const std::jthread zoneClock([zone = chosen->TimeZone] { PrepareCivilClock(zone); });
  const ObservingPlace place{chosen->Latitude, chosen->LongitudeEast, chosen->ZoneOffsetHours};
  std::vector<VisibleEclipse> eclipses = FindVisibleEclipses(options->First, options->Last, place, *ephemeris);
  std::erase_if(eclipses, [&](const VisibleEclipse& eclipse) { return !options->Filter.Keeps(eclipse); });
  switch (options->Form) {
    case OutputForm::Json: {
      nlohmann::ordered_json json = nlohmann::ordered_json::array();
      for (const VisibleEclipse& eclipse : eclipses) json.push_back(EclipseAsJson(eclipse, chosen->TimeZone));
      out << json.dump(2) << '\n';
      break;
    }
    case OutputForm::Csv:
      PrintCsv(eclipses, chosen->TimeZone, out);
      break;
    case OutputForm::Table: {
      // Each line reads the zone's clock at its maximum: the cores share them.
      std::vector<std::string> lines(eclipses.size());
      OnEveryCore(lines.size(), [&](std::size_t i) {
        lines[i] = Windows1252ToUtf8(TabSeparatedLine(VisibleEclipseRow(eclipses[i], chosen->TimeZone)));
      });
      out << Windows1252ToUtf8(TabSeparatedLine(VisibleEclipsesHeader()));
      for (const std::string& line : lines) out << line;
      break;
    }
  }
  return 0;
}

}  // namespace vellmora
