#include "cli/eclipse_selection.h"

#include <stdexcept>
#include <string>

#include "app/globe/nearest_place.h"
#include "app/memory/memory_controls.h"
#include "app/resources/resources.h"
#include "cli/arguments.h"
#include "cli/ephemeris_option.h"
#include "cli/listed_eclipse.h"
#include "text/windows1252.h"

namespace vellmora {
namespace {

// The name as it was looked up: bytes that are not UTF-8 show as "?", not raw on the terminal.
std::string NoPlaceNotice(const std::string& name) {
  return "no place is called \"" + Windows1252ToUtf8(Utf8ToWindows1252(name)) + "\" (see vellmora-cli places TEXT)";
}

bool ReportedError(const MemoryWindow& window, std::ostream& err) {
  if (window.Errors.Messages().empty()) return false;
  err << Windows1252ToUtf8(window.Errors.Messages().front()) << '\n';
  return true;
}

// Computes the eclipse list for the year of the date (DD.MM.YYYY) and the
// next and finds the row of that date; a message on err and nullopt when the
// list fails or has no central eclipse on the date.
std::optional<int> ListEclipseOfDate(MemoryWindow& window, const std::string& date, std::ostream& err) {
  const CivilDate day = *ParseCalendarDay(date);
  window.E1.SetText(std::to_string(day.Year));
  window.E2.SetText(std::to_string(day.Year + 1));
  window.D1.Click();
  if (ReportedError(window, err)) return std::nullopt;
  const std::vector<ChosenEclipse>& listed = window.Form.ListedEclipses;
  for (std::size_t row = 0; row < listed.size(); ++row) {
    if (IsOnDay(listed[row], day)) return static_cast<int>(row);
  }
  err << NoEclipseOnDateNotice(date) << '\n';
  return std::nullopt;
}

}  // namespace

std::optional<ChosenPlace> ChosenPlaceOf(const SelectionOptions& options, std::ostream& err) {
  // The zone given, or that of the place with that index in the place table.
  const auto zoneOf = [&](std::size_t index) {
    if (options.TimeZone) return *options.TimeZone;
    std::optional<std::string> zone = ResourceLine("zones", index);
    if (!zone) throw std::out_of_range("no time zone for place " + std::to_string(index));
    return std::move(*zone);
  };
  if (!options.Place) {
    // The zone of the nearest place, as the window takes it for a point.
    MemoryTextList placeTable;
    for (const std::string& line : LoadResourceLines("mort")) placeTable.Add(line);
    const GeoPoint point{options.Latitude.value_or(0), options.Longitude.value_or(0)};
    const auto nearest = static_cast<std::size_t>(NearestPlaceIndex(placeTable, point));
    return ChosenPlace{point.Latitude, point.Longitude, 0, std::nullopt, zoneOf(nearest)};
  }
  const std::string name = Utf8ToWindows1252(*options.Place);
  const std::optional<std::size_t> index = ResourceLineIndex("mort1", name);
  const std::optional<std::string> line = index ? ResourceLine("mort", *index) : std::nullopt;
  if (!line) {
    err << NoPlaceNotice(*options.Place) << '\n';
    return std::nullopt;
  }
  const PlaceRecord place = ParsePlaceRecord(*line);
  return ChosenPlace{static_cast<double>(place.Latitude), static_cast<double>(place.Longitude),
                     static_cast<double>(place.ZoneOffset), name, zoneOf(*index)};
}

std::optional<SelectionOptions> ReadSelectionOptions(std::span<const std::string> args, std::vector<std::string>& rest,
                                                     std::ostream& err) {
  if (args.empty()) {
    err << "expected a date DD.MM.YYYY\n";
    return std::nullopt;
  }
  if (const ArgumentReading<CivilDate> date = ReadCalendarDay(args[0]); !date.Read) {
    err << date.Problem << ": \"" << args[0] << "\"\n";
    return std::nullopt;
  }
  SelectionOptions options{args[0], std::nullopt, std::nullopt, std::nullopt, std::nullopt, Ephemeris::Standard};
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& word = args[i];
    const bool hasValue = i + 1 < args.size();
    if (word == "--place" && hasValue) {
      options.Place = args[++i];
    } else if ((word == "--lat" || word == "--lon") && hasValue) {
      const std::optional<double> value = ParseDecimal(args[++i]);
      const double limit = word == "--lat" ? 90 : 180;
      if (!value || *value < -limit || *value > limit) {
        err << word << " needs a number from " << -limit << " to " << limit << ", got \"" << args[i] << "\"\n";
        return std::nullopt;
      }
      (word == "--lat" ? options.Latitude : options.Longitude) = value;
    } else if (word == kEphemerisOption && hasValue) {
      const std::optional<Ephemeris> named = ParseEphemerisName(args[++i], err);
      if (!named) return std::nullopt;
      options.Source = *named;
    } else if (word == "--place" || word == "--lat" || word == "--lon" || word == kEphemerisOption) {
      err << word << " needs a value\n";
      return std::nullopt;
    } else {
      rest.push_back(word);
    }
  }
  if (options.Latitude.has_value() != options.Longitude.has_value()) {
    err << "--lat and --lon go together\n";
    return std::nullopt;
  }
  if (options.Place && options.Latitude) {
    err << "choose either --place or --lat/--lon\n";
    return std::nullopt;
  }
  return options;
}

int SelectEclipse(MemoryWindow& window, const SelectionOptions& options, std::ostream& err) {
  if (options.Place) {
    const int index = window.CB6.IndexOf(Utf8ToWindows1252(*options.Place));
    if (index < 0) {
      err << NoPlaceNotice(*options.Place) << '\n';
      return kExitUsage;
    }
    window.CB6.Choose(index);
  } else if (options.Latitude) {
    window.Form.ObserveFrom(*options.Latitude, *options.Longitude, 0);
  }
  window.Form.EphemerisChoice = options.Source;
  const std::optional<int> row = ListEclipseOfDate(window, options.Date, err);
  if (!row) return kExitFailure;
  window.LB1.Click(*row);
  if (ReportedError(window, err)) return kExitFailure;
  if (window.LB5.Count() == 0) err << NoCentralLineNotice(options.Date) << '\n';
  return 0;
}

}  // namespace vellmora
