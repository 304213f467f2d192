#include <nlohmann/json.hpp>

#include "app/export/path_export.h"
#include "app/export/path_lines.h"

// GeoJSON (RFC 7946): one FeatureCollection with a Feature per line of the
// path (MultiLineString), the zone (MultiPolygon, rings anticlockwise) and,
// when the path carries them, one per curve of the map of visibility and the
// point of greatest eclipse; positions [longitude, latitude] in degrees, the
// lines cut at the 180th meridian.

namespace vellmora {
namespace {

using Json = nlohmann::json;

Json Positions(const PathLine& line) {
  Json positions = Json::array();
  for (const GeographicPoint& point : line) positions.push_back({point.LongitudeEast, point.Latitude});
  return positions;
}

Json Feature(const std::string& name, const std::string& kind, Json geometry) {
  return {{"type", "Feature"}, {"properties", {{"name", name}, {"kind", kind}}}, {"geometry", std::move(geometry)}};
}

Json MultiLineString(const std::vector<PathLine>& lines) {
  Json coordinates = Json::array();
  for (const PathLine& line : lines) {
    for (const PathLine& piece : SplitLineAtAntimeridian(line)) coordinates.push_back(Positions(piece));
  }
  return {{"type", "MultiLineString"}, {"coordinates", std::move(coordinates)}};
}

// Twice the signed area in the plane of longitude and latitude: positive for
// an anticlockwise ring, as the format wants its outer rings.
double SignedArea(const PathLine& ring) {
  double area = 0;
  for (std::size_t n = 0; n + 1 < ring.size(); ++n) {
    area += ring[n].LongitudeEast * ring[n + 1].Latitude - ring[n + 1].LongitudeEast * ring[n].Latitude;
  }
  return area;
}

Json ZoneMultiPolygon(const std::vector<ZoneStep>& steps) {
  Json polygons = Json::array();
  for (const PathLine& ring : ZoneRings(steps)) {
    for (PathLine piece : SplitRingAtAntimeridian(ring)) {
      if (SignedArea(piece) < 0) std::reverse(piece.begin(), piece.end());
      polygons.push_back(Json::array({Positions(piece)}));
    }
  }
  return {{"type", "MultiPolygon"}, {"coordinates", std::move(polygons)}};
}

void AddVisibilityFeatures(const ExportedPath& path, Json& features) {
  for (const NamedVisibilityCurve& curve : VisibilityCurvesByName(*path.Visibility)) {
    features.push_back(Feature(PathPartTitle(path, curve.Name), std::string(VisibilityCurveKindName(curve.Kind)),
                               MultiLineString(curve.Lines)));
  }
  const GeographicPoint& greatest = path.Visibility->Greatest.Place;
  features.push_back(Feature(PathPartTitle(path, kGreatestEclipseName), "greatest_eclipse",
                             {{"type", "Point"}, {"coordinates", {greatest.LongitudeEast, greatest.Latitude}}}));
}

}  // namespace

std::string WritePathGeoJson(const ExportedPath& path) {
  Json features = Json::array();
  features.push_back(Feature(PathPartTitle(path, kCentralLineName), "central_line",
                             MultiLineString(PathLines(path.Steps, PathLineKind::Central))));
  features.push_back(Feature(PathPartTitle(path, kNorthernLimitName), "northern_limit",
                             MultiLineString(PathLines(path.Steps, PathLineKind::NorthernLimit))));
  features.push_back(Feature(PathPartTitle(path, kSouthernLimitName), "southern_limit",
                             MultiLineString(PathLines(path.Steps, PathLineKind::SouthernLimit))));
  features.push_back(Feature(PathPartTitle(path, kZoneName), "zone", ZoneMultiPolygon(path.Steps)));
  if (path.Visibility) AddVisibilityFeatures(path, features);
  const Json collection = {{"type", "FeatureCollection"}, {"name", PathTitle(path)}, {"features", std::move(features)}};
  return collection.dump(1) + "\n";
}

}  // namespace vellmora
