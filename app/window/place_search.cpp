#include "app/window/place_search.h"

#include <charconv>
#include <cmath>

#include "app/resources/resources.h"

namespace vellmora {
namespace {

constexpr std::size_t kSearchNameLength = 50;
constexpr double kNearDegrees = 5;

std::string_view Field(std::string_view row, int index) {
  for (int i = 0; i < index; ++i) {
    const auto tab = row.find('\t');
    if (tab == std::string_view::npos) return {};
    row.remove_prefix(tab + 1);
  }
  return row.substr(0, row.find('\t'));
}

int ReadWhole(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  int value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

// "D°M": D - M/60 when D is negative, D + M/60 otherwise.
double ReadAngle(std::string_view field) {
  const auto degreeSign = field.find('\xB0');
  const int degrees = ReadWhole(field.substr(0, degreeSign));
  const int minutes = degreeSign == std::string_view::npos ? 0 : ReadWhole(field.substr(degreeSign + 1));
  return degrees < 0 ? degrees - minutes / 60.0 : degrees + minutes / 60.0;
}

}  // namespace

std::vector<SearchPlace> BuildSearchList(const std::vector<std::string>& placeTableLines) {
  std::vector<SearchPlace> places;
  places.reserve(placeTableLines.size());
  for (const std::string& line : placeTableLines) {
    const PlaceRecord record = ParsePlaceRecord(line);
    places.push_back({record.Name.substr(0, kSearchNameLength), static_cast<double>(record.Latitude),
                      static_cast<double>(record.Longitude)});
  }
  return places;
}

RowPosition ReadRowPosition(std::string_view row) { return {ReadAngle(Field(row, 1)), ReadAngle(Field(row, 2))}; }

const SearchPlace* FirstPlaceNear(const std::vector<SearchPlace>& places, RowPosition position) {
  for (const SearchPlace& place : places) {
    if (std::fabs(position.Latitude - place.Latitude) + std::fabs(place.Longitude - position.Longitude) <
        kNearDegrees) {
      return &place;
    }
  }
  return nullptr;
}

}  // namespace vellmora
