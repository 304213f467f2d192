#include <QGuiApplication>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"

// vellmora-cli with arbitrary argument vectors: the input split at NUL bytes
// is the argument list. Whatever the arguments, the run ends with status 0, 1
// or 2, and a failed run explains itself on err and prints nothing on out.
// PNGs of the map command go into one file of a temporary folder.

namespace {

constexpr std::size_t kMaxArguments = 8;

void Require(bool condition) {
  if (!condition) std::abort();
}

std::string PngPath() {
  static const std::string path = [] {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "vellmora-cli-fuzz";
    std::filesystem::create_directories(folder);
    return (folder / "map.png").string();
  }();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  // The map command paints with Qt's raster engine, which needs an application and its fonts.
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static QGuiApplication application(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> args;
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  while (!rest.empty() && args.size() < kMaxArguments) {
    const std::size_t nul = rest.find('\0');
    args.emplace_back(rest.substr(0, nul));
    rest = nul == std::string_view::npos ? std::string_view() : rest.substr(nul + 1);
  }
  // Whatever file the map command is asked to write goes to the temporary folder.
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i - 1] == "--png") args[i] = PngPath();
  }

  std::ostringstream out;
  std::ostringstream err;
  const int status = vellmora::RunCli(args, out, err);
  Require(status == 0 || status == 1 || status == 2);
  if (status != 0) Require(!err.str().empty() && out.str().empty());
  return 0;
}
