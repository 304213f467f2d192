#include "cli/command_export.h"

#include <fstream>
#include <optional>

#include "app/export/path_export.h"
#include "cli/arguments.h"
#include "cli/listed_eclipse.h"

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
  if (options.Visibility && *options.Format != PathFormat::GeoJson) {
    err << "--visibility goes with --format geojson\n";
    return std::nullopt;
  }
  return options;
}

}  // namespace

int RunExportCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  const std::optional<ExportOptions> options = ReadExportOptions(args, err);
  if (!options) {
    err << kUsage;
    return kExitUsage;
  }
  ChosenEclipse eclipse;
  if (const int status = FindListedEclipse(options->Date, err, eclipse); status != 0) return status;
  const std::string content = WritePath(ExportedPathOf(Selection(eclipse, {}), options->Visibility), *options->Format);
  if (!options->File) {
    out << content;
    return 0;
  }
  std::ofstream file(*options->File, std::ios::binary);
  file << content;
  file.close();
  if (!file) {
    err << "cannot write \"" << *options->File << "\"\n";
    return kExitFailure;
  }
  return 0;
}

}  // namespace vellmora
