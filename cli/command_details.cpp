#include "cli/command_details.h"

#include <nlohmann/json.hpp>

#include "app/selection/selection.h"
#include "app/texts/local_details_text.h"
#include "catalogue/moon.h"
#include "civil/iso_time.h"
#include "cli/arguments.h"
#include "cli/eclipse_selection.h"
#include "cli/json_values.h"
#include "cli/listed_eclipse.h"
#include "ephem/timlib.h"
#include "text/windows1252.h"

namespace vellmora {
namespace {

constexpr const char* kUsage =
    "usage: vellmora-cli details DD.MM.YYYY (--place NAME | --lat LAT --lon LON) [--tz ZONE] [--json]\n";

std::string Joined(const std::vector<std::string>& cells) {
  std::string line;
  for (const std::string& cell : cells) line += (line.empty() ? "" : "\t") + cell;
  return Windows1252ToUtf8(line);
}

void PrintText(const Selection& selection, std::ostream& out) {
  const LocalDetailsText text = FormatLocalDetails(selection);
  if (!text.Rows.empty()) {
    out << Joined(text.Header) << '\n';
    for (const std::vector<std::string>& row : text.Rows) out << Joined(row) << '\n';
    out << '\n';
  }
  for (const std::string& line : text.Figures) out << Windows1252ToUtf8(line) << '\n';
}

const char* EventName(LocalEventKind kind) {
  switch (kind) {
    case LocalEventKind::FirstContact:
      return "first_contact";
    case LocalEventKind::SecondContact:
      return "second_contact";
    case LocalEventKind::Maximum:
      return "maximum";
    case LocalEventKind::ThirdContact:
      return "third_contact";
    case LocalEventKind::FourthContact:
      return "fourth_contact";
  }
  return "";
}

const char* CertaintyName(Certainty certainty) {
  switch (certainty) {
    case Certainty::Certain:
      return "certain";
    case Certainty::Excluded:
      return "excluded";
    case Certainty::Uncertain:
      break;
  }
  return "uncertain";
}

const char* SideName(PathSide side) { return side == PathSide::North ? "north" : "south"; }

// The instant in UT, in the place's civil time and its local solar times
// (ISO 8601, proleptic Gregorian), as a Julian Date (UT), and before
// 1582-10-15 as the eclipse list's Julian-calendar date (UT).
void AddInstant(nlohmann::json& object, double t, const PlaceClocks& clocks) {
  const CivilClock& civil = clocks.Civil;
  object["ut"] = IsoUtc(t);
  object["civil_time"] = IsoWithOffset(t, civil.OffsetSeconds);
  object["summer_time"] = civil.SummerTime;
  object["local_mean_time_of_zone"] = civil.LocalMeanTime;
  object["local_apparent_solar_time"] = IsoLocalTime(t, clocks.ApparentSolarOffsetSeconds);
  object["local_mean_solar_time"] = IsoLocalTime(t, clocks.MeanSolarOffsetSeconds);
  const double jd = JulianDateFromCenturies(t);
  object["jd_ut"] = jd;
  if (jd < kGregorianSwitchJD) object["ut_julian_calendar"] = IsoJulianCalendar(t, 0);
}

nlohmann::json DetailsAsJson(const SelectionOptions& options, const Selection& selection) {
  const ChosenPlace& place = selection.Place();
  const LocalDetails& details = selection.Details();
  const DetailsClocks& clocks = selection.Clocks();
  nlohmann::json json;
  json["date"] = options.Date;
  json["place"] = options.Place ? nlohmann::json(*options.Place) : nullptr;
  json["lat_deg"] = place.Latitude;
  json["lon_deg"] = place.LongitudeEast;
  json["kind"] = LocalKindJsonName(details.Kind);
  json["magnitude"] = details.Magnitude;
  json["obscuration"] = details.Obscuration;
  json["zone_offset_h"] = details.ZoneOffsetHours;
  json["time_zone"] = place.TimeZone;
  json["events"] = nlohmann::json::array();
  for (std::size_t i = 0; i < details.Events.size(); ++i) {
    const LocalEvent& event = details.Events[i];
    nlohmann::json entry{{"event", EventName(event.Kind)}};
    AddInstant(entry, event.Instant, clocks.Events[i]);
    entry["alt_deg"] = event.Sun.Altitude;
    entry["apparent_alt_deg"] = event.Sun.ApparentAltitude;
    entry["az_deg"] = event.Sun.Azimuth;
    entry["sun_above_horizon"] = event.SunAboveHorizon;
    entry["p_deg"] = event.Angles.PositionAngle;
    entry["v_deg"] = event.Angles.VertexAngle;
    entry["shift_for_delta_t_minus_sigma_s"] = NumberOrNull<nlohmann::json>(event.ShiftForSmallerDeltaT);
    entry["shift_for_delta_t_plus_sigma_s"] = NumberOrNull<nlohmann::json>(event.ShiftForLargerDeltaT);
    json["events"].push_back(entry);
  }
  json["horizon_events"] = nlohmann::json::array();
  for (std::size_t i = 0; i < details.HorizonEvents.size(); ++i) {
    const HorizonEvent& event = details.HorizonEvents[i];
    nlohmann::json entry{{"event", event.Kind == HorizonCrossing::Sunrise ? "sunrise" : "sunset"}};
    AddInstant(entry, event.Instant, clocks.HorizonEvents[i]);
    entry["magnitude"] = event.Magnitude;
    json["horizon_events"].push_back(entry);
  }
  json["central_duration_s"] = NumberOrNull<nlohmann::json>(details.CentralDurationSeconds);
  if (details.Path) {
    const PathPosition& path = *details.Path;
    json["path"] = {{"central_line_km", path.FromCentralLine.Kilometres},
                    {"side_of_central_line", SideName(path.FromCentralLine.Side)},
                    {"inside_path", path.InsidePath}};
    json["path"]["nearer_limit"] = path.NearerLimit ? nlohmann::json(SideName(*path.NearerLimit)) : nullptr;
    json["path"]["nearer_limit_km"] = path.NearerLimit ? nlohmann::json(path.FromNearerLimitKm) : nullptr;
  } else {
    json["path"] = nullptr;
  }
  json["delta_t"] = {{"used_s", details.DeltaT.UsedSeconds()},
                     {"data_s", details.DeltaT.DataSeconds},
                     {"ephemeris_lag_s", details.DeltaT.EphemerisLagSeconds},
                     {"sigma_s", details.DeltaT.UncertaintySeconds}};
  json["central_phase"] = {{"probability", details.CentralPhaseProbability},
                           {"certainty", CertaintyName(details.CentralPhaseCertainty)}};
  return json;
}

}  // namespace

int RunDetailsCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  std::vector<std::string> rest;
  std::optional<SelectionOptions> options = ReadSelectionOptions(args, rest, err);
  const bool json = !rest.empty() && rest.back() == "--json";
  if (json) rest.pop_back();
  if (options && rest.size() == 2 && rest.front() == "--tz") {
    if (!IsKnownTimeZone(rest.back())) {
      err << "no time zone is called \"" << rest.back() << "\" (an IANA name such as Europe/Berlin)\n";
      return kExitUsage;
    }
    options->TimeZone = rest.back();
    rest.clear();
  }
  if (!options || !rest.empty() || !(options->Place || options->Latitude)) {
    if (options && !rest.empty()) err << "unexpected argument \"" << rest.front() << "\"\n";
    err << kUsage;
    return kExitUsage;
  }
  const std::optional<ChosenPlace> place = ChosenPlaceOf(*options, err);
  if (!place) return kExitUsage;
  ChosenEclipse eclipse;
  if (const int status = FindListedEclipse(options->Date, err, eclipse); status != 0) return status;
  eclipse.Source = options->Source;
  const Selection selection(eclipse, *place);
  if (selection.CentralLine().Size() == 0) err << NoCentralLineNotice(options->Date) << '\n';
  if (json) {
    out << DetailsAsJson(*options, selection).dump(2) << '\n';
  } else {
    PrintText(selection, out);
  }
  return 0;
}

}  // namespace vellmora
