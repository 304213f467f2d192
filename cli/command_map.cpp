#include "cli/command_map.h"

#include <charconv>
#include <optional>
#include <string_view>
#include <vector>

#include "app/controls/system_clock.h"
#include "cli/arguments.h"
#include "cli/eclipse_selection.h"
#include "cli/map_renderer_loader.h"
#include "cli/output_file.h"
#include "ephem/timlib.h"
#include "text/windows1252.h"

namespace vellmora {
namespace {

constexpr std::string_view kUsage =
    "usage: vellmora-cli map [DD.MM.YYYY [--place NAME | --lat LAT --lon LON]] --png FILE "
    "[--centre LAT,SETTING] [--search] [--visibility] [--at HH:MM:SS]\n";

struct GlobeCentre {
  int Latitude;  // value for T1
  int Setting;   // value for T2
};

struct MapRequest {
  std::optional<SelectionOptions> Selection;
  std::string PngPath;
  std::optional<GlobeCentre> Centre;
  bool Search = false;
  bool Visibility = false;
  std::optional<double> At;  // universal time on the eclipse's date, hours
};

std::optional<int> ParseWholeNumber(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

// "LAT,SETTING", two whole numbers, within the spin fields' ranges.
std::optional<GlobeCentre> ReadCentre(std::string_view text) {
  const std::size_t comma = text.find(',');
  if (comma == std::string_view::npos) return std::nullopt;
  const auto latitude = ParseWholeNumber(text.substr(0, comma));
  const auto setting = ParseWholeNumber(text.substr(comma + 1));
  if (!latitude || !setting) return std::nullopt;
  return GlobeCentre{*latitude, *setting};
}

// The map's own options, after the date and place options have been taken out.
bool ReadMapOptions(const std::vector<std::string>& words, MapRequest& request, std::ostream& err) {
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (word == "--search") {
      request.Search = true;
      continue;
    }
    if (word == "--visibility") {
      request.Visibility = true;
      continue;
    }
    if (word != "--png" && word != "--centre" && word != "--at") {
      err << "unknown argument \"" << word << "\"\n";
      return false;
    }
    if (i + 1 >= words.size()) {
      err << word << " needs a value\n";
      return false;
    }
    const std::string& value = words[++i];
    if (word == "--png") {
      request.PngPath = value;
    } else if (word == "--at") {
      if (!(request.At = ParseTimeOfDay(value))) {
        err << "--at wants a time HH:MM:SS, not \"" << value << "\"\n";
        return false;
      }
    } else if (!(request.Centre = ReadCentre(value))) {
      err << "--centre wants two whole numbers LAT,SETTING, not \"" << value << "\"\n";
      return false;
    }
  }
  if (request.PngPath.empty()) {
    err << "--png FILE is required\n";
    return false;
  }
  return true;
}

std::optional<MapRequest> ReadMapRequest(std::span<const std::string> args, std::ostream& err) {
  MapRequest request;
  std::vector<std::string> mapWords;
  if (!args.empty() && !args.front().starts_with("--")) {
    request.Selection = ReadSelectionOptions(args, mapWords, err);
    if (!request.Selection) return std::nullopt;
  } else {
    mapWords.assign(args.begin(), args.end());
  }
  if (!ReadMapOptions(mapWords, request, err)) return std::nullopt;
  return request;
}

// Brings the in-memory window to the picture asked for; the exit status, 0 when it shows it.
bool InRange(const SpinField& field, int value) { return value >= field.Minimum() && value <= field.Maximum(); }

int DriveWindow(MemoryWindow& window, const MapRequest& request, std::ostream& err) {
  if (request.Centre &&
      !(InRange(window.T1, request.Centre->Latitude) && InRange(window.T2, request.Centre->Setting))) {
    err << "--centre wants LAT from " << window.T1.Minimum() << " to " << window.T1.Maximum() << " and SETTING from "
        << window.T2.Minimum() << " to " << window.T2.Maximum() << ", as the spin fields take them, not "
        << request.Centre->Latitude << "," << request.Centre->Setting << "\n"
        << kUsage;
    return kExitUsage;
  }
  if (request.Selection) {
    if (const int status = SelectEclipse(window, *request.Selection, err); status != 0) return status;
  } else {
    // The first paint that the window system asks of the map at start-up.
    window.Form.Dispatch([&window] { window.Form.PB3P(); });
  }
  if (request.Centre) {
    window.T1.SetValue(request.Centre->Latitude);
    window.T2.SetValue(request.Centre->Setting);
  }
  if (request.Search) window.D3.Click();
  if (request.Visibility) window.Form.Dispatch([&window] { window.Form.SetShowVisibility(true); });
  if (request.At && request.Selection && window.Form.Selected) {
    const std::optional<CivilDate> day = ParseCalendarDay(request.Selection->Date);
    const double instant = CenturiesFromMJD(ModifiedJulianDate(day->Day, day->Month, day->Year, *request.At));
    const double t = HoursFromT0(window.Form.Selected->Elements(), instant);
    window.Form.Dispatch([&window, t] { window.Form.ShowShadowAt(t); });
  }
  if (!window.Errors.Messages().empty()) {
    err << Windows1252ToUtf8(window.Errors.Messages().front()) << '\n';
    return kExitFailure;
  }
  return 0;
}

}  // namespace

int RunMapCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  const std::optional<MapRequest> request = ReadMapRequest(args, err);
  if (!request) {
    err << kUsage;
    return kExitUsage;
  }
  std::string loadError;
  MapRenderer* renderer = LoadMapRenderer(loadError);
  if (renderer == nullptr) {
    err << "map: cannot load the map renderer: " << loadError << '\n';
    return kExitFailure;
  }
  MemoryWindow window(SystemClock().Today(), renderer);
  if (const int status = DriveWindow(window, *request, err); status != 0) return status;
  if (const int status = WriteOutput(request->PngPath, window.PB3.Shown().PngBytes(), out, err); status != 0) {
    return status;
  }
  // The name of the file written; "-" writes the picture itself to standard output instead.
  if (request->PngPath != kStandardOutput) out << request->PngPath << '\n';
  return 0;
}

}  // namespace vellmora
