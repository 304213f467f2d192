#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/globe/globe_painter.h"
#include "tests/support/recording_canvas.h"

// Inputs that the fuzz targets in fuzz/ found to break a parser, kept so that
// the normal build guards against the fault coming back.

namespace vellmora {
namespace {

// Found by coastline_fuzz: a coastline line "nan" converted to a NaN latitude,
// and projecting it turned NaN into a pixel (undefined; INT_MIN on x86).
TEST(FuzzFoundCoastlines, NonNumbersThatConvertToNanOrInfinityReadAsZero) {
  for (const char* line : {"nan", "nan 0 0", "inf -inf 1", "-nan infinity 1", "INF NAN 0"}) {
    SCOPED_TRACE(line);
    const CoastlinePoint point = ParseCoastlineLine(line);
    EXPECT_EQ(point.Latitude, 0.0);
    EXPECT_EQ(point.Longitude, 0.0);
  }
  EXPECT_EQ(ParseCoastlineLine("inf -inf 1").Flag, 1);
  // Finite values around them keep their values.
  EXPECT_DOUBLE_EQ(ParseCoastlineLine("12.5 nan 1").Latitude, 12.5);
  EXPECT_DOUBLE_EQ(ParseCoastlineLine("nan -9012.932 1").Longitude, -9012.932);

  // The reduced fuzz input: the "nan" line starts a polyline at 0 N 0 E.
  const std::vector<std::string> lines = {"12.528 125.24 1", "nan", "-9012.932 121.474 1", "0 0 0"};
  const CentralLineResults noPath;
  const FoundPlaceTable noPlaces{};
  const GlobeScene scene{0, 180.0, 711, 682, noPath, -1, 50.8, 12.9, false, noPlaces};
  RecordingCanvas canvas;
  PaintGlobe(scene, lines, canvas);
  const std::vector<CanvasCall> coast = canvas.StrokedWith(Rgb{0, 0, 255});
  ASSERT_EQ(coast.size(), 3U);  // one call for each line but the last
  const CanvasCall& start = coast[1];
  EXPECT_EQ(start.Op, CanvasOp::MoveTo);
  // The view's centre is 0 N 0 E (T2 = 180): the disc centre, (711 - 20) div 2 + 10 and 682 div 2.
  EXPECT_EQ(start.X(), 355);
  EXPECT_EQ(start.Y(), 341);
  for (const CanvasCall& call : canvas.Calls()) {
    if (call.Op != CanvasOp::MoveTo && call.Op != CanvasOp::LineTo) continue;
    EXPECT_GE(call.X(), 0);
    EXPECT_LT(call.X(), 711);
    EXPECT_GE(call.Y(), 0);
    EXPECT_LT(call.Y(), 682);
  }
}

}  // namespace
}  // namespace vellmora
