#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

// The coastlines parsed once for all paints: each point keeps the sine and
// cosine of its latitude, which every view needs and no view changes, so a
// paint only turns the longitudes and projects. The points are the ones the
// map draws: every line of the coastline text but the final one.

namespace vellmora {

// One line of the coastline text: latitude, east longitude and polyline flag
// (0 starts a new polyline).
struct CoastlinePoint {
  double Latitude;
  double Longitude;
  int Flag;
};

// Splits the line at its first and second blank; numbers use "." whatever the
// locale, and a field that does not convert reads as 0.
CoastlinePoint ParseCoastlineLine(std::string_view line);

struct CoastlineVertex {
  double SinLatitude;
  double CosLatitude;
  double Longitude;     // degrees, east positive
  bool StartsPolyline;  // flag 0 of the text: a move wherever the point lies
};

// Lines 1 to L - 1 of the coastline text, parsed as the map reads them.
std::vector<CoastlineVertex> ParseCoastline(std::span<const std::string> lines);

// The embedded coastlines ("erde2"), inflated and parsed at the first call.
// A damaged resource throws then, and again at the next call.
const std::vector<CoastlineVertex>& EmbeddedCoastline();

}  // namespace vellmora
