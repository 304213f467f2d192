#include "cli/command_places.h"

#include <algorithm>
#include <string_view>

#include "app/resources/resources.h"
#include "cli/arguments.h"
#include "text/windows1252.h"

namespace vellmora {
namespace {

// Upper-case Windows-1252 letters to lower case: A-Z, À-Þ (but not ×), Š, Œ, Ž and Ÿ.
char LowerWindows1252(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7)) {
    return static_cast<char>(byte + 0x20);
  }
  if (byte == 0x8A || byte == 0x8C || byte == 0x8E) return static_cast<char>(byte + 0x10);
  if (byte == 0x9F) return static_cast<char>(0xFF);
  return c;
}

std::string Lower(std::string_view text) {
  std::string lower(text);
  std::ranges::transform(lower, lower.begin(), LowerWindows1252);
  return lower;
}

}  // namespace

int RunPlacesCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  if (args.size() > 1) {
    err << "usage: vellmora-cli places [TEXT]\n";
    return kExitUsage;
  }
  const std::string wanted = args.empty() ? std::string() : Lower(Utf8ToWindows1252(args.front()));
  for (const std::string& line : LoadResourceLines("mort")) {
    const PlaceRecord place = ParsePlaceRecord(line);
    if (Lower(place.Name).find(wanted) != std::string::npos) out << Windows1252ToUtf8(line) << '\n';
  }
  return 0;
}

}  // namespace vellmora
