#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Finding the places of the place table near a central line, walking the
// central-line rows in order.

namespace vellmora {

// A place of the search's working list: name (cut to 50 characters), latitude
// and east longitude in degrees.
struct SearchPlace {
  std::string Name;
  double Latitude;
  double Longitude;
};

std::vector<SearchPlace> BuildSearchList(const std::vector<std::string>& placeTableLines);

// Latitude and east longitude of a central-line row, read back from its
// "degrees°minutes" fields; the sign sits on the degrees, or on the minutes
// when the degrees are 0.
struct RowPosition {
  double Latitude;
  double Longitude;
};

RowPosition ReadRowPosition(std::string_view row);

// The first place in table order whose |dlat| + |dlon| is below 5 degrees (no
// wrap-around at 180 degrees), not the nearest one.
const SearchPlace* FirstPlaceNear(const std::vector<SearchPlace>& places, RowPosition position);

}  // namespace vellmora
