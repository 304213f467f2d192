#include "app/globe/coastline_cache.h"

#include <charconv>
#include <cmath>
#include <numbers>
#include <type_traits>

#include "app/resources/resources.h"

namespace vellmora {
namespace {

template <typename Number>
Number ParseField(std::string_view field) {
  if (!field.empty() && field.front() == '+') field.remove_prefix(1);
  Number value{};
  const char* end = field.data() + field.size();
  const auto [stop, error] = std::from_chars(field.data(), end, value);
  if (error != std::errc() || stop != end) return Number{};
  // "nan" and "inf" convert, but they are no coordinates: they read as 0 like any other non-number.
  if constexpr (std::is_floating_point_v<Number>) {
    if (!std::isfinite(value)) return Number{};
  }
  return value;
}

}  // namespace

CoastlinePoint ParseCoastlineLine(std::string_view line) {
  const std::size_t firstBlank = line.find(' ');
  const std::string_view latitude = line.substr(0, firstBlank);
  std::string_view longitude;
  std::string_view flag;
  if (firstBlank != std::string_view::npos) {
    const std::string_view rest = line.substr(firstBlank + 1);
    const std::size_t secondBlank = rest.find(' ');
    longitude = rest.substr(0, secondBlank);
    if (secondBlank != std::string_view::npos) flag = rest.substr(secondBlank + 1);
  }
  return CoastlinePoint{ParseField<double>(latitude), ParseField<double>(longitude), ParseField<int>(flag)};
}

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
