#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// The data sets carried inside the program as zlib-compressed Windows-1252
// text: "erde2" (coastlines), "mort" (place table), "mort1" (place names,
// same order as "mort") and "zones" (the IANA time zone of each place, same order).

namespace vellmora {

// A damaged compressed resource; its message is "error".
class EDecompressionError : public std::runtime_error {
 public:
  EDecompressionError() : std::runtime_error("error") {}
};

// The inflated text of the named resource; names match regardless of case.
// Throws EDecompressionError for a damaged stream, std::out_of_range for an unknown name.
std::string InflateResource(std::string_view name);

// Inflates one zlib stream (used by InflateResource; exposed for tests of damaged streams).
std::string InflateBytes(std::string_view compressed);

// Splits text into lines: a line ends at CR, LF or CR LF; a final line end
// starts no empty line; text after a NUL byte is ignored.
std::vector<std::string> SplitLines(std::string_view text);

// The lines of the named resource.
std::vector<std::string> LoadResourceLines(std::string_view name);

// One line of the named resource by its index, none past the last, and the
// index of the first line equal to `line`, without keeping the others.
std::optional<std::string> ResourceLine(std::string_view name, std::size_t index);
std::optional<std::size_t> ResourceLineIndex(std::string_view name, std::string_view line);

// One line of the place table: name TAB latitude TAB longitude TAB offset.
struct PlaceRecord {
  std::string Name;
  long double Latitude;    // degrees, north positive
  long double Longitude;   // degrees, east positive
  long double ZoneOffset;  // hours
};

PlaceRecord ParsePlaceRecord(std::string_view line);

}  // namespace vellmora
