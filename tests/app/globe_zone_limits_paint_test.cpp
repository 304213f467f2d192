#include <gtest/gtest.h>

#include <vector>

#include "app/globe/globe_painter.h"
#include "tests/support/recording_canvas.h"

namespace vellmora {
namespace {

constexpr Rgb kYellow{255, 255, 0};
// The start-up view: 0 N 0 E at (355, 341); 341 sin 10 deg = 59 pixels.
constexpr int kCx = 355;
constexpr int kCy = 341;
constexpr int kTen = 59;

ZoneStep Step(std::optional<GeographicPoint> north, GeographicPoint central, std::optional<GeographicPoint> south) {
  ZoneStep step;
  step.NorthernLimit = north;
  step.Central = central;
  step.SouthernLimit = south;
  return step;
}

// The calls after each SetPen of the path's colour, up to the next pen of another colour.
std::vector<std::vector<CanvasCall>> YellowStrokes(const RecordingCanvas& canvas) {
  std::vector<std::vector<CanvasCall>> strokes;
  bool inYellow = false;
  for (const CanvasCall& call : canvas.Calls()) {
    if (call.Op == CanvasOp::SetPen) {
      inYellow = call.Colour == kYellow;
      if (inYellow) strokes.emplace_back(1, call);
      continue;
    }
    if (inYellow) strokes.back().push_back(call);
  }
  return strokes;
}

struct LimitScene {
  CentralLineResults Path;
  FoundPlaceTable NoPlaces{};
  std::vector<ZoneStep> Steps;

  RecordingCanvas Paint(bool showLimits) const {
    const GlobeScene scene{0, 180.0, 711, 682, Path, -1, 0, 0, false, NoPlaces, showLimits ? &Steps : nullptr};
    RecordingCanvas canvas;
    PaintGlobe(scene, std::vector<std::string>{}, canvas);
    return canvas;
  }
};

TEST(GlobeZoneLimits, DrawnAsOnePixelLinesInThePathsColourUnderItsRules) {
  LimitScene scene;
  for (int i = 0; i < 4; ++i) {
    scene.Path.StepHours.push_back(i);
    scene.Path.CentralPhaseMinutes.push_back(1);
    scene.Path.CentralLatitudes.push_back(0);
    scene.Path.CentralLongitudes.push_back(-10.0 * i);
    scene.Path.UmbraDiameters.push_back(-0.05);
  }
  scene.Steps = {
      Step(GeographicPoint{10, 0}, {0, 0}, GeographicPoint{-10, 0}),
      Step(GeographicPoint{10, 10}, {0, 10}, std::nullopt),               // the southern edge misses the Earth: a break
      Step(GeographicPoint{10, 170}, {0, 20}, GeographicPoint{-10, 20}),  // the northern point behind the globe
      Step(GeographicPoint{10, 30}, {0, 30}, GeographicPoint{-10, 30}),
  };
  const std::vector<std::vector<CanvasCall>> strokes = YellowStrokes(scene.Paint(true));
  ASSERT_EQ(strokes.size(), 3u) << "the path, the northern and the southern limit";
  for (const std::size_t limit : {1u, 2u}) {
    EXPECT_EQ(strokes[limit].front().Ints, std::vector<int>{1}) << "1 pixel";
    for (std::size_t i = 1; i < strokes[limit].size(); ++i) {
      EXPECT_TRUE(strokes[limit][i].Op == CanvasOp::MoveTo || strokes[limit][i].Op == CanvasOp::LineTo);
    }
  }
  const std::vector<CanvasCall>& north = strokes[1];
  ASSERT_EQ(north.size(), 4u);
  EXPECT_EQ(north[1].Op, CanvasOp::MoveTo);
  EXPECT_EQ(north[2].Op, CanvasOp::LineTo);
  EXPECT_EQ(north[2].X(), kCx + 58);  // 341 cos 10 sin 10 = 58.3
  EXPECT_EQ(north[3].Op, CanvasOp::MoveTo) << "after the hidden point the stroke starts anew";
  const std::vector<CanvasCall>& south = strokes[2];
  ASSERT_EQ(south.size(), 4u);
  EXPECT_EQ(south[1].Op, CanvasOp::MoveTo);
  EXPECT_EQ(south[1].Y(), kCy + kTen);
  EXPECT_EQ(south[2].Op, CanvasOp::MoveTo) << "after the missing point the stroke starts anew";
  EXPECT_EQ(south[3].Op, CanvasOp::LineTo);

  // Off, or with no path in LB5: nothing but the path.
  EXPECT_EQ(YellowStrokes(scene.Paint(false)).size(), 1u);
  LimitScene noPath;
  noPath.Steps = scene.Steps;
  EXPECT_TRUE(YellowStrokes(noPath.Paint(true)).empty());
}

}  // namespace
}  // namespace vellmora
