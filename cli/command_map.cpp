#include "cli/command_map.h"

#include <algorithm>
#include <charconv>
#include <exception>
#include <optional>
#include <string_view>

#include "app/globe_painter.h"
#include "app/qt/qimage_canvas.h"
#include "app/resources.h"
#include "cli/arguments.h"
#include "geometry/central_line.h"

namespace vellmora {
namespace {

constexpr int kMapWidth = 711;
constexpr int kMapHeight = 682;

// The observing place selected at start-up, "Chemnitz, D".
constexpr double kStartupObserverLatitude = 50.836667;
constexpr double kStartupObserverLongitude = 12.854444;

constexpr std::string_view kUsage = "usage: vellmora-cli map --png FILE [--centre LAT,SETTING]\n";

struct MapRequest {
  std::string PngPath;
  int CentreLatitude = 0;   // T1
  int CentreSetting = 180;  // T2
};

std::optional<int> ParseWholeNumber(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

// "LAT,SETTING", each a whole number, clamped into the spin fields' ranges.
bool ReadCentre(std::string_view text, MapRequest& request) {
  const std::size_t comma = text.find(',');
  if (comma == std::string_view::npos) return false;
  const auto latitude = ParseWholeNumber(text.substr(0, comma));
  const auto setting = ParseWholeNumber(text.substr(comma + 1));
  if (!latitude || !setting) return false;
  request.CentreLatitude = std::clamp(*latitude, -90, 90);
  request.CentreSetting = std::clamp(*setting, 0, 360);
  return true;
}

std::optional<MapRequest> ReadMapRequest(std::span<const std::string> args, std::ostream& err) {
  MapRequest request;
  for (std::size_t i = 0; i < args.size(); i += 2) {
    if (i + 1 >= args.size()) {
      err << "missing value after " << args[i] << '\n';
      return std::nullopt;
    }
    const std::string& value = args[i + 1];
    if (args[i] == "--png") {
      request.PngPath = value;
    } else if (args[i] == "--centre") {
      if (!ReadCentre(value, request)) {
        err << "--centre wants two whole numbers LAT,SETTING, not \"" << value << "\"\n";
        return std::nullopt;
      }
    } else {
      err << "unknown option " << args[i] << '\n';
      return std::nullopt;
    }
  }
  if (request.PngPath.empty()) {
    err << "--png FILE is required\n";
    return std::nullopt;
  }
  return request;
}

}  // namespace

QImage PaintStartupMap(int centreLatitude, int centreSetting) {
  const CentralLineResults noPath;
  const FoundPlaceTable noPlaces{};
  const GlobeScene scene{
      .CentreLatitude = centreLatitude,
      .MapCentreLongitude = static_cast<double>(centreSetting),
      .Width = kMapWidth,
      .Height = kMapHeight,
      .CentralLine = noPath,
      .SelectedRow = -1,
      .ObserverLatitude = kStartupObserverLatitude,
      .ObserverLongitude = kStartupObserverLongitude,
      .ShowFoundPlaces = false,
      .FoundPlaces = noPlaces,
  };
  QImageOffscreen image(kMapWidth, kMapHeight);
  PaintGlobe(scene, LoadResourceLines("erde2"), image.Surface());
  return image.Image();
}

int RunMapCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  const std::optional<MapRequest> request = ReadMapRequest(args, err);
  if (!request) {
    err << kUsage;
    return kExitUsage;
  }
  try {
    const QImage image = PaintStartupMap(request->CentreLatitude, request->CentreSetting);
    if (!image.save(QString::fromStdString(request->PngPath), "PNG")) {
      err << "cannot write " << request->PngPath << '\n';
      return kExitFailure;
    }
  } catch (const std::exception& error) {
    err << error.what() << '\n';
    return kExitFailure;
  }
  out << request->PngPath << '\n';
  return 0;
}

}  // namespace vellmora
