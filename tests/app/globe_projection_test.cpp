#include "app/globe/globe_projection.h"

#include <gtest/gtest.h>

namespace vellmora {
namespace {

// The window's paint box is 711 x 682: R = 341, cx = (711 - 20) div 2 + 10 = 355, cy = 341.
constexpr int kWidth = 711;
constexpr int kHeight = 682;

// 341 * sin 10 deg = 341 * 0.173648 = 59.214, which rounds to 59 pixels.
constexpr int kTenDegreeOffset = 59;

TEST(GlobeProjection, StartupViewCentresGreenwichEquator) {
  const GlobeView view = MakeGlobeView(0, 180.0, kWidth, kHeight);
  EXPECT_EQ(view.CentreX, 355);
  EXPECT_EQ(view.CentreY, 341);
  EXPECT_DOUBLE_EQ(view.Radius, 341.0);

  const DiscPoint origin = ProjectToDisc(view, 0, 0);
  EXPECT_EQ(origin.X, 355);
  EXPECT_EQ(origin.Y, 341);
  EXPECT_DOUBLE_EQ(origin.CosC, 1.0);

  const DiscPoint east = ProjectToDisc(view, 0, 10);
  EXPECT_EQ(east.X, 355 + kTenDegreeOffset);
  EXPECT_EQ(east.Y, 341);

  const DiscPoint north = ProjectToDisc(view, 10, 0);
  EXPECT_EQ(north.X, 355);
  EXPECT_EQ(north.Y, 341 - kTenDegreeOffset);

  const DiscBox disc = GlobeDiscBox(view, kHeight);
  EXPECT_EQ(disc.Left, 14);
  EXPECT_EQ(disc.Top, 0);
  EXPECT_EQ(disc.Right, 696);
  EXPECT_EQ(disc.Bottom, 682);
}

TEST(GlobeProjection, SettingZeroOrFullTurnCentresTheDateLine) {
  for (const double setting : {0.0, 360.0}) {
    const GlobeView view = MakeGlobeView(0, setting, kWidth, kHeight);
    EXPECT_EQ(ProjectToDisc(view, 0, 180).X, 355) << setting;
    EXPECT_EQ(ProjectToDisc(view, 0, -180).X, 355) << setting;
    EXPECT_EQ(ProjectToDisc(view, 0, 170).X, 355 - kTenDegreeOffset) << "170 E left of centre, " << setting;
    EXPECT_EQ(ProjectToDisc(view, 0, -170).X, 355 + kTenDegreeOffset) << "170 W right of centre, " << setting;
    EXPECT_LT(ProjectToDisc(view, 0, 0).CosC, 0) << "Greenwich is on the far side, " << setting;
  }
}

TEST(GlobeProjection, PoleAtCentreAndFarSideMirrored) {
  const GlobeView polar = MakeGlobeView(90, 180.0, kWidth, kHeight);
  const DiscPoint pole = ProjectToDisc(polar, 90, 37);
  EXPECT_EQ(pole.X, 355);
  EXPECT_EQ(pole.Y, 341);
  EXPECT_NEAR(pole.CosC, 1.0, 1e-12);
  // 80 N on the central meridian lies cos 80 * 341 = 59.214 pixels below the pole.
  EXPECT_EQ(ProjectToDisc(polar, 80, 0).Y, 341 + kTenDegreeOffset);
  EXPECT_EQ(ProjectToDisc(polar, 80, 180).Y, 341 - kTenDegreeOffset);
  EXPECT_LT(ProjectToDisc(polar, -15, 0).CosC, 0);

  // The antipode of the view centre lands on the centre pixel but on the far side.
  const GlobeView startup = MakeGlobeView(0, 180.0, kWidth, kHeight);
  const DiscPoint antipode = ProjectToDisc(startup, 0, 180);
  EXPECT_EQ(antipode.X, 355);
  EXPECT_EQ(antipode.Y, 341);
  EXPECT_DOUBLE_EQ(antipode.CosC, -1.0);
  // 10 N 170 W is behind the globe and gets the pixel of its mirror image in the disc.
  const DiscPoint behind = ProjectToDisc(startup, 10, -170);
  EXPECT_LT(behind.CosC, 0);
  EXPECT_EQ(behind.X, 355 - 58);  // 341 * cos 10 * sin(-10) = -58.31
  EXPECT_EQ(behind.Y, 341 - kTenDegreeOffset);
}

TEST(GlobeProjection, HalvesRoundToEven) {
  EXPECT_EQ(RoundToPixel(2.5), 2);
  EXPECT_EQ(RoundToPixel(3.5), 4);
  EXPECT_EQ(RoundToPixel(-2.5), -2);
  EXPECT_EQ(RoundToPixel(2.6), 3);
  EXPECT_EQ(RoundToPixel(-2.6), -3);

  // A box of height 5 has R = 2.5; a point 90 deg east of the centre lies exactly
  // R to the right (sin 90 deg is exactly 1), the pole exactly R above.
  const GlobeView small = MakeGlobeView(0, 180.0, 30, 5);
  ASSERT_EQ(small.CentreX, 15);
  ASSERT_EQ(small.CentreY, 2);
  EXPECT_EQ(ProjectToDisc(small, 0, 90).X, 15 + 2);
  EXPECT_EQ(ProjectToDisc(small, 0, -90).X, 15 - 2);
  EXPECT_EQ(ProjectToDisc(small, 90, 0).Y, 2 - 2);
  // Height 7: R = 3.5 rounds up to 4.
  const GlobeView seven = MakeGlobeView(0, 180.0, 30, 7);
  EXPECT_EQ(ProjectToDisc(seven, 0, 90).X, 15 + 4);
  EXPECT_EQ(ProjectToDisc(seven, 0, -90).X, 15 - 4);
  // The disc box of height 5 around cx = 15: Round(12.5) = 12, Round(17.5) = 18.
  const DiscBox disc = GlobeDiscBox(small, 5);
  EXPECT_EQ(disc.Left, 12);
  EXPECT_EQ(disc.Right, 18);
}

}  // namespace
}  // namespace vellmora
