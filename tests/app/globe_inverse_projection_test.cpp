#include <gtest/gtest.h>

#include <cmath>

#include "app/globe/globe_projection.h"

namespace vellmora {
namespace {

// Views of the 711 x 682 box: the start-up view, one over the Pacific, the poles.
const GlobeView kViews[] = {MakeGlobeView(0, 180.0, 711, 682), MakeGlobeView(35, 12.0, 711, 682),
                            MakeGlobeView(-60, 300.0, 711, 682), MakeGlobeView(90, 0.0, 711, 682),
                            MakeGlobeView(-90, 360.0, 711, 682)};

TEST(GlobeInverseProjection, APixelMapsBackToAPointProjectedOntoThatPixel) {
  for (const GlobeView& view : kViews) {
    int pixelsOnDisc = 0;
    for (int y = 0; y < 682; y += 7) {
      for (int x = 14; x < 697; x += 7) {
        const std::optional<GeoPoint> point = PointOnDisc(view, x, y);
        if (!point) continue;
        ++pixelsOnDisc;
        const DiscPoint back = ProjectToDisc(view, point->Latitude, point->Longitude);
        ASSERT_EQ(back.X, x) << view.CentreLatitude << " " << y;
        ASSERT_EQ(back.Y, y) << view.CentreLatitude << " " << x;
        ASSERT_GT(back.CosC, 0) << "a point of the near side";
        ASSERT_GE(point->Longitude, -180.0);
        ASSERT_LT(point->Longitude, 180.0);
      }
    }
    // The disc of radius 341 covers pi 341^2 / 49 of the sampled pixels.
    EXPECT_NEAR(pixelsOnDisc, 3.14159 * 341 * 341 / 49, 60);
  }
}

TEST(GlobeInverseProjection, NearSidePointsComeBackWhereTheyWere) {
  const GlobeView view = MakeGlobeView(35, 12.0, 711, 682);  // centre 35 N 168 W
  for (const GeoPoint& point : {GeoPoint{35, -168}, GeoPoint{60, 170}, GeoPoint{10, -120}, GeoPoint{-20, 179.5}}) {
    const DiscPoint disc = ProjectToDisc(view, point.Latitude, point.Longitude);
    ASSERT_GT(disc.CosC, 0);
    const std::optional<GeoPoint> found = PointOnDisc(view, disc.X, disc.Y);
    ASSERT_TRUE(found.has_value());
    // Within the half pixel of the rounding: 0.5 / 341 rad is 0.084 degrees at the centre.
    EXPECT_LT(std::hypot(found->Latitude - point.Latitude, NormalizedLongitude(found->Longitude - point.Longitude) *
                                                               std::cos(point.Latitude * 3.14159265 / 180)),
              0.5)
        << point.Latitude << " " << point.Longitude;
  }
}

TEST(GlobeInverseProjection, LimbAndBeyondAreNoPoint) {
  const GlobeView view = MakeGlobeView(0, 180.0, 711, 682);
  EXPECT_FALSE(PointOnDisc(view, 355 + 341, 341).has_value()) << "on the limb";
  EXPECT_FALSE(PointOnDisc(view, 355, 341 - 341).has_value()) << "on the limb";
  EXPECT_FALSE(PointOnDisc(view, 5, 5).has_value()) << "a corner of the box";
  EXPECT_TRUE(PointOnDisc(view, 355 + 340.9, 341).has_value());

  // A far-side point's pixel is its mirror image; the click there lands on the near side.
  const DiscPoint farSide = ProjectToDisc(view, 0, 170);
  ASSERT_LT(farSide.CosC, 0);
  const std::optional<GeoPoint> clicked = PointOnDisc(view, farSide.X, farSide.Y);
  ASSERT_TRUE(clicked.has_value());
  EXPECT_NEAR(clicked->Longitude, 10, 0.2);
  EXPECT_GT(ProjectToDisc(view, clicked->Latitude, clicked->Longitude).CosC, 0);

  // The centre of the box is the view centre.
  const std::optional<GeoPoint> centre = PointOnDisc(MakeGlobeView(-60, 300.0, 711, 682), 355, 341);
  ASSERT_TRUE(centre.has_value());
  EXPECT_NEAR(centre->Latitude, -60, 1e-12);
  EXPECT_NEAR(centre->Longitude, 120, 1e-12);
}

TEST(GlobeInverseProjection, LongitudesAreBroughtIntoOneTurn) {
  EXPECT_DOUBLE_EQ(NormalizedLongitude(190), -170);
  EXPECT_DOUBLE_EQ(NormalizedLongitude(-190), 170);
  EXPECT_DOUBLE_EQ(NormalizedLongitude(180), -180);
  EXPECT_DOUBLE_EQ(NormalizedLongitude(540), -180);
  EXPECT_DOUBLE_EQ(NormalizedLongitude(-180), -180);
  EXPECT_DOUBLE_EQ(NormalizedLongitude(9.18), 9.18);
}

}  // namespace
}  // namespace vellmora
