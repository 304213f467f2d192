#include "app/coastline_cache.h"

#include <cmath>
#include <numbers>

#include "app/globe_painter.h"
#include "app/resources.h"

namespace vellmora {

std::vector<CoastlineVertex> ParseCoastline(std::span<const std::string> lines) {
  constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
  std::vector<CoastlineVertex> vertices;
  if (lines.empty()) return vertices;
  vertices.reserve(lines.size() - 1);
  for (const std::string& line : lines.first(lines.size() - 1)) {
    const CoastlinePoint point = ParseCoastlineLine(line);
    const double latitude = point.Latitude * kRadiansPerDegree;
    vertices.push_back(CoastlineVertex{std::sin(latitude), std::cos(latitude), point.Longitude, point.Flag == 0});
  }
  return vertices;
}

const std::vector<CoastlineVertex>& EmbeddedCoastline() {
  static const std::vector<CoastlineVertex> coastline = ParseCoastline(LoadResourceLines("erde2"));
  return coastline;
}

}  // namespace vellmora
