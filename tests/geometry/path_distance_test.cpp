#include "geometry/path_distance.h"

#include <gtest/gtest.h>

namespace vellmora {
namespace {

// One degree of latitude at the equator on the Earth's ellipsoid.
constexpr double kDegreeAtEquatorKm = 110.57;

TEST(PathDistance, AcrossTheLineAndBeyondItsEnds) {
  const std::vector<GeographicPoint> equator{{0, 0}, {0, 2}, {0, 4}, {0, 6}, {0, 8}, {0, 10}};
  const std::optional<DistanceToLine> north = DistanceFromLine({1, 5}, equator);
  ASSERT_TRUE(north);
  EXPECT_NEAR(north->Kilometres, kDegreeAtEquatorKm, 0.5);
  EXPECT_EQ(north->Side, PathSide::North);

  const std::optional<DistanceToLine> south = DistanceFromLine({-0.25, 3}, equator);
  ASSERT_TRUE(south);
  EXPECT_NEAR(south->Kilometres, kDegreeAtEquatorKm / 4, 0.2);
  EXPECT_EQ(south->Side, PathSide::South);

  // Past the eastern end the nearest point is the end itself.
  const std::optional<DistanceToLine> beyond = DistanceFromLine({0, 11}, equator);
  ASSERT_TRUE(beyond);
  EXPECT_NEAR(beyond->Kilometres, 111.3, 0.5);

  EXPECT_FALSE(DistanceFromLine({0, 0}, std::vector<GeographicPoint>{}));
}

TEST(PathDistance, AcrossTheDateLine) {
  const std::vector<GeographicPoint> line{{10, 178}, {10, 179.5}, {10, -179}, {10, -177}};
  const std::optional<DistanceToLine> distance = DistanceFromLine({9.5, 180}, line);
  ASSERT_TRUE(distance);
  EXPECT_NEAR(distance->Kilometres, kDegreeAtEquatorKm / 2, 1);
  EXPECT_EQ(distance->Side, PathSide::South);
}

TEST(PathDistance, TheNearestOfSeveralPieces) {
  const std::vector<std::vector<GeographicPoint>> pieces{{{20, 0}, {20, 1}}, {{21, 5}, {21, 6}}, {}};
  const std::optional<DistanceToLine> nearest = DistanceFromLines({21.1, 5.5}, pieces);
  ASSERT_TRUE(nearest);
  EXPECT_NEAR(nearest->Kilometres, 0.1 * kDegreeAtEquatorKm, 0.5);
  EXPECT_EQ(nearest->Side, PathSide::North);
  EXPECT_FALSE(DistanceFromLines({0, 0}, {}));
}

}  // namespace
}  // namespace vellmora
