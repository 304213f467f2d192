#include "cli/command_export.h"

#include <fstream>
#include <optional>

#include "app/export/path_export.h"
#include "cli/arguments.h"
#include "cli/ephemeris_option.h"
#include "cli/listed_eclipse.h"

namespace vellmora {
namespace {

constexpr const char* kUsage = "usage: vellmora-cli export DD.MM.YYYY --format csv|kml|gpx [-o FILE]\n";

struct ExportOptions {
  std::string Date;
  std::optional<PathFormat> Format;
  std::optional<std::string> File;
};

std::optional<ExportOptions> ReadExportOptions(std::span<const std::string> args, std::ostream& err) {
  if (args.empty()) return std::nullopt;
  ExportOptions options{args[0], std::nullopt, std::nullopt};
  for (std::size_t i = 1; i < args.size(); ++i) {
    const bool hasValue = i + 1 < args.size();
    if (args[i] == "--format" && hasValue) {
      options.Format = PathFormatNamed(args[++i]);
      if (!options.Format) {
        err << "--format needs csv, kml or gpx, got \"" << args[i] << "\"\n";
        return std::nullopt;
      }
    } else if (args[i] == "-o" && hasValue) {
      options.File = args[++i];
    } else {
      err << "unexpected argument \"" << args[i] << "\"\n";
      return std::nullopt;
    }
  }
  if (!options.Format) return std::nullopt;
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
  ChosenEclipse eclipse;
  if (const int status = FindListedEclipse(options->Date, err, eclipse); status != 0) return status;
  eclipse.Source = *ephemeris;
  const std::string content = WritePath(ExportedPathOf(Selection(eclipse, {})), *options->Format);
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
