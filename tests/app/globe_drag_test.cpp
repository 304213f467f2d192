#include "app/globe/globe_drag.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace vellmora {
namespace {

constexpr int kWidth = 711;
constexpr int kHeight = 682;
// Whole degrees of the spin fields: the grabbed point may miss the cursor by
// half a degree in each, 341 * sin(0.5 deg) = 3 pixels, and as much again
// where the latitude rounding turns the longitude offset.
constexpr double kWholeDegreeSlack = 6.0;

GlobeView ViewOf(const GlobeCentre& centre) { return MakeGlobeView(centre.Latitude, centre.Setting, kWidth, kHeight); }

struct DragCase {
  GlobeCentre Start;
  double FromX, FromY;  // where the globe is grabbed
  GlobeCentre Target;   // the centre that brings the grabbed point under the cursor
};

TEST(GlobeDrag, TheGrabbedPointFollowsTheCursor) {
  const std::vector<DragCase> cases = {
      {{0, 180}, 355, 341, {0, 160}},     // the centre dragged east
      {{0, 180}, 355, 341, {-25, 180}},   // and north
      {{20, 90}, 300, 250, {-5, 120}},    // diagonally
      {{50, 190}, 355, 200, {62, 175}},   // near the pole
      {{-70, 10}, 500, 500, {-40, 340}},  // in the south, across T2's 360/0
      {{0, 180}, 600, 341, {0, 260}},     // from near the eastern limb to beyond the middle
      {{85, 0}, 355, 341, {60, 30}},      // from near the pole southward
      {{0, 359}, 340, 341, {0, 3}},       // across T2's 360/0
      {{-75, 100}, 400, 300, {-65, 97}},
  };
  for (const DragCase& drag : cases) {
    const GlobeView start = ViewOf(drag.Start);
    const std::optional<GeoPoint> grabbed = PointOnDisc(start, drag.FromX, drag.FromY);
    ASSERT_TRUE(grabbed.has_value());
    const DiscPoint cursor = ProjectToDisc(ViewOf(drag.Target), grabbed->Latitude, grabbed->Longitude);
    ASSERT_GT(cursor.CosC, 0);
    const GlobeCentre centre = CentreBringing(*grabbed, cursor.X, cursor.Y, start);
    EXPECT_EQ(centre, drag.Target) << drag.Start.Latitude << "/" << drag.Start.Setting << " -> " << centre.Latitude
                                   << "/" << centre.Setting;
  }
}

// With the north kept up, a point near a pole cannot go everywhere: it goes as near as it can.
TEST(GlobeDrag, APointThatCannotReachTheCursorComesAsNearAsItCan) {
  // 74 N sits at most 341 cos 74 = 94 pixels east or west of the central meridian.
  const GlobeView view = ViewOf({50, 190});
  const std::optional<GeoPoint> grabbed = PointOnDisc(view, 355, 200);
  ASSERT_TRUE(grabbed.has_value());
  const GlobeCentre centre = CentreBringing(*grabbed, 200, 260, view);
  const DiscPoint now = ProjectToDisc(ViewOf(centre), grabbed->Latitude, grabbed->Longitude);
  EXPECT_GT(now.CosC, 0);
  EXPECT_NEAR(now.X, 355 - 341 * std::cos(grabbed->Latitude * 3.14159265358979 / 180), kWholeDegreeSlack);
  EXPECT_NEAR(now.Y, 260, kWholeDegreeSlack);

  // 89 N cannot come far below the middle: the North Pole becomes the centre.
  const GlobeView nearPole = ViewOf({89, 0});
  const std::optional<GeoPoint> top = PointOnDisc(nearPole, 355, 341);
  ASSERT_TRUE(top.has_value());
  EXPECT_EQ(CentreBringing(*top, 355, 500, nearPole).Latitude, 90);

  // A cursor beyond the limb holds the point at the limb in its direction.
  const GlobeView startup = ViewOf({0, 180});
  const std::optional<GeoPoint> middle = PointOnDisc(startup, 355, 341);
  ASSERT_TRUE(middle.has_value());
  const GlobeCentre beyond = CentreBringing(*middle, 355 + 500, 341, startup);
  EXPECT_EQ(beyond.Latitude, 0);
  EXPECT_NEAR(beyond.Setting, 180 - 87, 1) << "0 N 0 E about 87 degrees east of the centre";
}

TEST(GlobeDrag, StandingStillKeepsTheCentreAndT2WrapsAtTheAntimeridian) {
  // The point under the cursor, not moved: the same centre.
  for (const GlobeCentre start : {GlobeCentre{0, 180}, GlobeCentre{-33, 7}, GlobeCentre{61, 300}}) {
    const GlobeView view = ViewOf(start);
    const std::optional<GeoPoint> grabbed = PointOnDisc(view, 400, 300);
    ASSERT_TRUE(grabbed.has_value());
    EXPECT_EQ(CentreBringing(*grabbed, 400, 300, view), start);
  }
  // T2 = 1 shows 179 W in the middle; dragging it 5 degrees east brings 176 E
  // there: T2 = 356, not -4, and 360 is shown as 0.
  const GlobeView view = ViewOf({0, 1});
  const std::optional<GeoPoint> middle = PointOnDisc(view, 355, 341);
  ASSERT_TRUE(middle.has_value());
  const double fiveDegrees = 341 * std::sin(5 * 3.14159265358979 / 180);
  EXPECT_EQ(CentreBringing(*middle, 355 + fiveDegrees, 341, view), (GlobeCentre{0, 356}));
  EXPECT_EQ(CentreBringing(*middle, 355 - fiveDegrees, 341, view), (GlobeCentre{0, 6}));
  const double oneDegree = 341 * std::sin(3.14159265358979 / 180);
  EXPECT_EQ(CentreBringing(*middle, 355 + oneDegree, 341, view), (GlobeCentre{0, 0}));
}

TEST(GlobeDrag, APressThatStaysWithinThreePixelsIsAClick) {
  const GlobeView view = ViewOf({0, 180});
  GlobeDrag drag;
  drag.Press(view, 355, 341);
  EXPECT_FALSE(drag.Move(view, 357, 343).has_value()) << "2.8 pixels: still a click";
  const std::optional<GeoPoint> clicked = drag.Release(357, 342);
  ASSERT_TRUE(clicked.has_value());
  EXPECT_NEAR(clicked->Latitude, 0, 1e-12) << "the point under the press";
  EXPECT_NEAR(clicked->Longitude, 0, 1e-12);

  // Beyond 3 pixels the press is a drag, also when it comes back.
  drag.Press(view, 355, 341);
  ASSERT_TRUE(drag.Move(view, 359, 341).has_value());
  EXPECT_TRUE(drag.Dragging());
  EXPECT_TRUE(drag.Move(view, 355, 341).has_value());
  EXPECT_FALSE(drag.Release(355, 341).has_value());
  EXPECT_FALSE(drag.Dragging());

  // A release more than 3 pixels away without a move in between is no click either.
  drag.Press(view, 355, 341);
  EXPECT_FALSE(drag.Release(355, 345).has_value());

  // A press beside the disc grabs nothing: no turn, no click.
  drag.Press(view, 5, 5);
  EXPECT_FALSE(drag.Move(view, 100, 100).has_value());
  EXPECT_FALSE(drag.Release(5, 5).has_value());
  // A move without a press does nothing.
  EXPECT_FALSE(drag.Move(view, 300, 300).has_value());
}

}  // namespace
}  // namespace vellmora
