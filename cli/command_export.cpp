#include "cli/command_export.h"

#include <optional>

#include "app/export/path_export.h"
#include "cli/arguments.h"
#include "cli/ephemeris_option.h"
#include "cli/listed_eclipse.h"
#include "cli/output_file.h"
#include "cli/solar_eclipse_of_date.h"

namespace vellmora {
namespace {

constexpr const char* kUsage =
    "usage: vellmora-cli export DD.MM.YYYY --format csv|kml|gpx|geojson [--visibility] [-o FILE]\n";

struct ExportOptions {
  std::string Date;
  std::optional<PathFormat> Format;
  std::optional<std::string> File;
  bool Visibility = false;
};

std::optional<ExportOptions> ReadExportOptions(std::span<const std::string> args, std::ostream& err) {
  if (args.empty()) return std::nullopt;
  ExportOptions options{args[0], std::nullopt, std::nullopt, false};
  for (std::size_t i = 1; i < args.size(); ++i) {
    const bool hasValue = i + 1 < args.size();
    if (args[i] == "--format" && hasValue) {
      options.Format = PathFormatNamed(args[++i]);
      if (!options.Format) {
        err << "--format needs csv, kml, gpx or geojson, got \"" << args[i] << "\"\n";
        return std::nullopt;
      }
    } else if (args[i] == "--visibility") {
      options.Visibility = true;
    } else if (args[i] == "-o" && hasValue) {
      options.File = args[++i];
    } else {
      err << "unexpected argument \"" << args[i] << "\"\n";
      return std::nullopt;
    }
  }
  if (!options.Format) return std::nullopt;
  if (options.Visibility && *options.Format != PathFormat::GeoJson && *options.Format != PathFormat::Kml) {
    err << "--visibility goes with --format geojson or kml\n";
    return std::nullopt;
  }
  return options;
}

}  // namespace

int RunExportCommand(std::span<const std::string> allArgs, std::ostream& out, std::ostream& err) {
  std::vector<std::string> words;
  const std::optional<Ephemeris> ephemeris = TakeEphemerisOption(allArgs, words, err);
  if (!ephemeris) return kExitUsage;
  const std::span<const std::string> args = words;
  const std::optional<ExportOptions> options = ReadExportOptions(args, err);
  if (!options) {
    err << kUsage;
    return kExitUsage;
  }
  // The map of visibility is there for partial eclipses too, the path only for central ones.
  ChosenEclipse eclipse;
  const int status = options->Visibility ? FindSolarEclipseOnDate(options->Date, err, eclipse)
                                         : FindListedEclipse(options->Date, err, eclipse);
  if (status != 0) return status;
  eclipse.Source = *ephemeris;
  const ExportedPath path = ExportedPathOf(Selection(eclipse, {}), options->Visibility);
  // Said as show, map and details say it; the file then holds no step.
  if (path.Steps.empty()) err << NoCentralLineNotice(options->Date) << '\n';
  return WriteOutput(options->File.value_or(std::string(kStandardOutput)), WritePath(path, *options->Format), out, err);
}

}  // namespace vellmora
