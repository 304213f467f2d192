#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "app/resources/resources.h"
#include "app/window/place_search.h"

// Place-table text: SplitLines against a line splitter of its own, then every
// line through ParsePlaceRecord and the place search's working list.

namespace {

using namespace vellmora;

void Require(bool condition) {
  if (!condition) std::abort();
}

// Byte by byte: CR, LF and CR LF end a line, a final end starts none, NUL ends the text.
std::vector<std::string> ReferenceLines(std::string_view text) {
  std::vector<std::string> lines;
  std::string current;
  bool open = false;
  bool afterCr = false;
  for (const char c : text) {
    if (c == '\0') break;
    if (c == '\n' && afterCr) {
      afterCr = false;
      continue;
    }
    afterCr = c == '\r';
    if (c == '\r' || c == '\n') {
      lines.push_back(current);
      current.clear();
      open = false;
    } else {
      current += c;
      open = true;
    }
  }
  if (open) lines.push_back(current);
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> lines = SplitLines(text);
  Require(lines == ReferenceLines(text));

  std::vector<std::string> wellFormed;
  for (const std::string& line : lines) {
    try {
      const PlaceRecord place = ParsePlaceRecord(line);
      Require(place.Name == line.substr(0, line.find('\t')));
      wellFormed.push_back(line);
    } catch (const std::invalid_argument&) {
      // A line that is no place record is refused with a message, never misread.
    }
  }
  const std::vector<SearchPlace> places = BuildSearchList(wellFormed);
  Require(places.size() == wellFormed.size());
  for (const SearchPlace& place : places) Require(place.Name.size() <= 50);
  return 0;
}
