#include "app/globe/globe_painter.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/map_pixels.h"
#include "tests/support/recording_canvas.h"

namespace vellmora {
namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kGrey{216, 216, 216};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kYellow{255, 255, 0};
constexpr Rgb kGreen{0, 128, 0};
constexpr Rgb kLime{0, 255, 0};

// Pixels in the 711 x 682 box with the start-up view (centre 0 N 0 E at 355, 341).
// 341 sin 10 deg = 59.21 -> 59; 341 sin 80 deg = 335.82 -> 336.
constexpr int kCx = 355;
constexpr int kCy = 341;
constexpr int kTen = 59;
constexpr int kEighty = 336;

// Everything a paint reads, with the start-up values; tests change what they need.
struct SceneInputs {
  int CentreLatitude = 0;
  double Setting = 180.0;
  int Width = 711;
  int Height = 682;
  CentralLineResults Path;
  int SelectedRow = -1;
  double ObserverLatitude = 0;
  double ObserverLongitude = 10;
  bool ShowFoundPlaces = false;
  FoundPlaceTable Places{};
  std::vector<std::string> Coastline;

  // Appends a central-line point; longitudes in the arrays count west positive.
  void AddPathPoint(double latitude, double westLongitude, double umbraDiameter) {
    Path.StepHours.push_back(12);
    Path.CentralLatitudes.push_back(latitude);
    Path.CentralLongitudes.push_back(westLongitude);
    Path.UmbraDiameters.push_back(umbraDiameter);
  }

  RecordingCanvas Paint() const {
    const GlobeScene scene{CentreLatitude,   Setting,           Width,           Height, Path, SelectedRow,
                           ObserverLatitude, ObserverLongitude, ShowFoundPlaces, Places};
    RecordingCanvas canvas;
    PaintGlobe(scene, Coastline, canvas);
    return canvas;
  }
};

bool Is(const CanvasCall& call, CanvasOp op, std::vector<int> ints) { return call.Op == op && call.Ints == ints; }

// The ellipse drawn right after the fill of `colour` was chosen, if any.
std::optional<CanvasCall> EllipseAfterFill(const RecordingCanvas& canvas, Rgb colour) {
  const std::vector<CanvasCall>& calls = canvas.Calls();
  for (std::size_t i = 0; i + 1 < calls.size(); ++i) {
    if (calls[i].Op == CanvasOp::SetFill && calls[i].Colour == colour && calls[i + 1].Op == CanvasOp::Ellipse) {
      return calls[i + 1];
    }
  }
  return std::nullopt;
}

std::vector<CanvasCall> Strokes(const std::vector<CanvasCall>& calls) {
  std::vector<CanvasCall> strokes;
  for (const CanvasCall& call : calls) {
    if (call.Op == CanvasOp::MoveTo || call.Op == CanvasOp::LineTo) strokes.push_back(call);
  }
  return strokes;
}

int CountOf(const std::vector<CanvasCall>& calls, CanvasOp op) {
  int count = 0;
  for (const CanvasCall& call : calls) count += call.Op == op ? 1 : 0;
  return count;
}

// Whether the colour is painted at (x, y) or one pixel beside it.
bool PaintedNear(MapPicture& picture, int x, int y, Rgb colour) {
  for (int i = 0; i < 9; ++i) {
    if (picture.PixelAt(x + i % 3 - 1, y + i / 3 - 1) == colour) return true;
  }
  return false;
}

TEST(GlobePaint, EachLayerShowsItsColourWhereItLies) {
  SceneInputs inputs;
  inputs.AddPathPoint(0, 0, -0.3);
  inputs.Places[0] = FoundPlace{-20, 30, "Alpha"};
  inputs.Coastline = {"0 0 0", "0 10 1", "0 20 1"};
  // Central-line point 0 selected, the observing place at 0 N 10 E, the found places shown.
  const GlobeScene scene{0, 180.0, 711, 682, inputs.Path, 0, 0, 10, true, inputs.Places};
  const std::unique_ptr<MapPicture> picture = TestMapRenderer().MakePicture(711, 682);
  PaintGlobe(scene, inputs.Coastline, picture->Surface());
  struct Expected {
    const char* What;
    int X, Y;
    Rgb Colour;
  };
  // 341 sin 10 deg = 59; 20 W 30 N lies at 355 - 341 cos 30 sin 20 = 254, 341 - 341 sin 30 = 170.
  const Expected table[] = {{"outside the disc", 705, 676, kWhite},
                            {"disc outline, left", 14, kCy, kBlack},
                            {"Greenwich meridian, 26 N", kCx, kCy - 150, kGrey},
                            {"coastline from 0 E to 10 E, not on to 20 E", kCx + 30, kCy, kBlue},
                            {"the last coast line is not drawn: the equator at 15 E", kCx + 88, kCy, kGrey},
                            {"selected central-line point", kCx, kCy, kBlue},
                            {"observing place at 10 E", kCx + kTen, kCy, kGreen},
                            {"found place at 20 W 30 N", 254, 170, kLime}};
  for (const Expected& expected : table) {
    EXPECT_TRUE(PaintedNear(*picture, expected.X, expected.Y, expected.Colour)) << expected.What;
  }
}

TEST(GlobePaint, GraticuleHasTwentyFiveMeridiansAndElevenParallels) {
  SceneInputs startup;
  const std::vector<CanvasCall> lines = Strokes(startup.Paint().StrokedWith(kGrey));
  ASSERT_EQ(lines.size(), 25u * 33u + 11u * 25u);
  for (int m = 0; m < 25; ++m) EXPECT_EQ(lines[m * 33].Op, CanvasOp::MoveTo) << "meridian " << m;
  for (int p = 0; p < 11; ++p) EXPECT_EQ(lines[25 * 33 + p * 25].Op, CanvasOp::MoveTo) << "parallel " << p;

  // Meridian k = 12 is Greenwich: a straight vertical from 80 N to 80 S through the centre.
  for (int i = 0; i < 33; ++i) {
    const CanvasCall& point = lines[12 * 33 + i];
    EXPECT_EQ(point.X(), kCx);
    if (i > 0) {
      EXPECT_EQ(point.Op, CanvasOp::LineTo);
    }
  }
  EXPECT_EQ(lines[12 * 33].Y(), kCy - kEighty);
  EXPECT_EQ(lines[12 * 33 + 32].Y(), kCy + kEighty);

  // The equator (sixth parallel) runs from 180 E westward: 165 E..105 E are hidden and
  // move; 90 E lies on the limb and is joined from the image of 105 E; 90 W is the last
  // drawn point and 75 W..180 W move again. That leaves 13 drawn segments.
  const std::size_t equator = 25 * 33 + 5 * 25;
  EXPECT_TRUE(Is(lines[equator + 5], CanvasOp::MoveTo, {kCx + 329, kCy}));  // 341 sin 105 = 329.4
  EXPECT_TRUE(Is(lines[equator + 6], CanvasOp::LineTo, {kCx + 341, kCy}));
  EXPECT_TRUE(Is(lines[equator + 12], CanvasOp::LineTo, {kCx, kCy}));
  EXPECT_TRUE(Is(lines[equator + 18], CanvasOp::LineTo, {kCx - 341, kCy}));
  EXPECT_EQ(lines[equator + 19].Op, CanvasOp::MoveTo);
  const std::vector<CanvasCall> equatorPoints(lines.begin() + equator, lines.begin() + equator + 25);
  EXPECT_EQ(CountOf(equatorPoints, CanvasOp::LineTo), 13);
}

TEST(GlobePaint, PolarViewDrawsNoSouthernParallel) {
  SceneInputs polar;
  polar.CentreLatitude = 90;
  const std::vector<CanvasCall> lines = Strokes(polar.Paint().StrokedWith(kGrey));
  ASSERT_EQ(lines.size(), 25u * 33u + 11u * 25u);
  for (int p = 0; p < 11; ++p) {
    const std::vector<CanvasCall> parallel(lines.begin() + 25 * 33 + p * 25, lines.begin() + 25 * 33 + (p + 1) * 25);
    const int drawn = CountOf(parallel, CanvasOp::LineTo);
    if (p < 5) {
      EXPECT_EQ(drawn, 24) << "northern parallel " << p;
    } else if (p > 5) {
      EXPECT_EQ(drawn, 0) << "southern parallel " << p;
    }
  }
  // 75 N is a circle of radius 341 cos 75 = 88.3 around the pole at the centre.
  for (int k = 0; k < 25; ++k) {
    const CanvasCall& point = lines[25 * 33 + k];
    const double dx = point.X() - kCx;
    const double dy = point.Y() - kCy;
    EXPECT_NEAR(dx * dx + dy * dy, 88.26 * 88.26, 2 * 88.26);
  }
  // Each meridian runs from 80 N out to the limb; from 5 S on it only moves.
  for (int m = 0; m < 25; ++m) {
    for (int i = 1; i <= 15; ++i) EXPECT_EQ(lines[m * 33 + i].Op, CanvasOp::LineTo);
    for (int i = 17; i < 33; ++i) EXPECT_EQ(lines[m * 33 + i].Op, CanvasOp::MoveTo);
  }
}

TEST(GlobePaint, CoastlinesJoinOnlySegmentsEndingOnTheNearSide) {
  SceneInputs inputs;
  inputs.Coastline = {
      "0 0 0",    // starts a polyline at the centre
      "0 10 1",   // near: drawn
      "0 100 1",  // far: the segment onto the far side is not drawn
      "0 170 1",  // far
      "0 80 1",   // near again: joined from the image of 170 E
      "10 0 0",   // a new polyline
      "0 -10 1",  // near: drawn
      "-10 0 1",  // the final line is never drawn
  };
  const std::vector<CanvasCall> coast = Strokes(inputs.Paint().StrokedWith(kBlue));
  ASSERT_EQ(coast.size(), 7u);
  EXPECT_TRUE(Is(coast[0], CanvasOp::MoveTo, {kCx, kCy}));
  EXPECT_TRUE(Is(coast[1], CanvasOp::LineTo, {kCx + kTen, kCy}));
  EXPECT_TRUE(Is(coast[2], CanvasOp::MoveTo, {kCx + kEighty, kCy}));  // sin 100 = sin 80
  EXPECT_TRUE(Is(coast[3], CanvasOp::MoveTo, {kCx + kTen, kCy}));     // sin 170 = sin 10
  EXPECT_TRUE(Is(coast[4], CanvasOp::LineTo, {kCx + kEighty, kCy}));
  EXPECT_TRUE(Is(coast[5], CanvasOp::MoveTo, {kCx, kCy - kTen}));
  EXPECT_TRUE(Is(coast[6], CanvasOp::LineTo, {kCx - kTen, kCy}));

  // A polyline start on the far side is still a move.
  inputs.Coastline = {"0 170 0", "0 10 1", "0 0 1"};
  const std::vector<CanvasCall> fromBehind = Strokes(inputs.Paint().StrokedWith(kBlue));
  ASSERT_EQ(fromBehind.size(), 2u);
  EXPECT_TRUE(Is(fromBehind[0], CanvasOp::MoveTo, {kCx + kTen, kCy}));
  EXPECT_TRUE(Is(fromBehind[1], CanvasOp::LineTo, {kCx + kTen, kCy}));
}

TEST(GlobePaint, FinalCoastlineLineIsNeverDrawn) {
  SceneInputs inputs;
  for (const auto& [lines, expected] : std::vector<std::pair<std::vector<std::string>, std::size_t>>{
           {{}, 0}, {{"0 0 0"}, 0}, {{"0 0 0", "0 10 1"}, 1}, {{"0 0 0", "0 10 1", "0 20 0"}, 2}}) {
    inputs.Coastline = lines;
    EXPECT_EQ(Strokes(inputs.Paint().StrokedWith(kBlue)).size(), expected) << lines.size() << " lines";
  }
}

TEST(GlobePaint, PathBreaksAtHiddenPointsWhichSetNoWidth) {
  SceneInputs inputs;
  inputs.AddPathPoint(0, 0, 0.05);     // centre, 9 pixels
  inputs.AddPathPoint(0, -10, -0.03);  // 10 E, total: 682 * 0.03 / 4 = 5.115, 5 pixels
  inputs.AddPathPoint(0, -170, 0.05);  // 170 E, behind the globe
  inputs.AddPathPoint(0, 10, 0.02);    // 10 W, 682 * 0.02 / 4 = 3.41: 3 pixels
  inputs.AddPathPoint(10, 0, 0.01);    // 10 N, 1.7 pixels raised to 2
  const std::vector<CanvasCall> path = inputs.Paint().StrokedWith(kYellow);
  ASSERT_EQ(path.size(), 8u);
  EXPECT_TRUE(Is(path[0], CanvasOp::SetPenWidth, {9}));
  EXPECT_TRUE(Is(path[1], CanvasOp::MoveTo, {kCx, kCy}));
  EXPECT_TRUE(Is(path[2], CanvasOp::SetPenWidth, {5}));
  EXPECT_TRUE(Is(path[3], CanvasOp::LineTo, {kCx + kTen, kCy}));
  EXPECT_TRUE(Is(path[4], CanvasOp::SetPenWidth, {3}));
  EXPECT_TRUE(Is(path[5], CanvasOp::MoveTo, {kCx - kTen, kCy}));
  EXPECT_TRUE(Is(path[6], CanvasOp::SetPenWidth, {2}));
  EXPECT_TRUE(Is(path[7], CanvasOp::LineTo, {kCx, kCy - kTen}));

  // A path that begins behind the globe starts its stroke at the first visible point.
  SceneInputs late;
  late.AddPathPoint(0, -170, 0.05);
  late.AddPathPoint(0, -100, 0.05);
  late.AddPathPoint(0, -10, -0.01);
  const std::vector<CanvasCall> latePath = late.Paint().StrokedWith(kYellow);
  ASSERT_EQ(latePath.size(), 2u);
  EXPECT_TRUE(Is(latePath[0], CanvasOp::SetPenWidth, {2}));
  EXPECT_TRUE(Is(latePath[1], CanvasOp::MoveTo, {kCx + kTen, kCy}));

  // No rows: no path pen at all.
  EXPECT_TRUE(SceneInputs().Paint().StrokedWith(kYellow).empty());
}

// The width of the one visible point of a path in a box of the given height.
int PathWidthAt(int height, double umbraDiameter) {
  SceneInputs inputs;
  inputs.Width = height + 20;
  inputs.Height = height;
  inputs.AddPathPoint(0, 0, umbraDiameter);
  const std::vector<CanvasCall> widths = inputs.Paint().StrokedWith(kYellow);
  return widths.empty() ? -1 : widths.front().Ints.at(0);
}

TEST(GlobePaint, PathWidthIsHalfTheUmbraAtGlobeScaleButAtLeastTwo) {
  EXPECT_EQ(PathWidthAt(682, 0.05), 9);  // 8.525
  EXPECT_EQ(PathWidthAt(682, 0.1), 17);  // 17.05
  EXPECT_EQ(PathWidthAt(682, 0.01), 2);  // 1.705
  // A total eclipse's umbra diameter is negative: its path is as wide as an
  // annular one of the same shadow size.
  for (const double size : {0.01, 0.02, 0.05, 0.1}) {
    EXPECT_EQ(PathWidthAt(682, -size), PathWidthAt(682, size)) << size;
  }
  EXPECT_EQ(PathWidthAt(682, -0.02), 3);  // 3.41
  EXPECT_EQ(PathWidthAt(682, -0.05), 9);
  // 144 * 0.125 / 4 = 4.5 and 176 * 0.125 / 4 = 5.5, exact in binary: halves go to even.
  EXPECT_EQ(PathWidthAt(144, 0.125), 4);
  EXPECT_EQ(PathWidthAt(176, 0.125), 6);
}

TEST(GlobePaint, MarkersFollowTheirVisibilityRules) {
  SceneInputs inputs;
  inputs.AddPathPoint(0, 0, -0.1);
  inputs.AddPathPoint(0, -10, -0.1);   // 10 E
  inputs.AddPathPoint(0, -170, -0.1);  // 170 E, hidden
  inputs.SelectedRow = 1;
  std::optional<CanvasCall> marker = EllipseAfterFill(inputs.Paint(), kBlue);
  ASSERT_TRUE(marker.has_value());
  EXPECT_EQ(marker->Ints, (std::vector<int>{kCx + kTen - 2, kCy - 2, kCx + kTen + 3, kCy + 3}));

  inputs.SelectedRow = 2;
  EXPECT_FALSE(EllipseAfterFill(inputs.Paint(), kBlue).has_value()) << "selected point behind the globe";
  inputs.SelectedRow = -1;
  EXPECT_FALSE(EllipseAfterFill(inputs.Paint(), kBlue).has_value()) << "no selection";
  SceneInputs noPath;
  noPath.SelectedRow = 0;
  EXPECT_FALSE(EllipseAfterFill(noPath.Paint(), kBlue).has_value()) << "empty central-line list";

  // The observing place: a 6 x 6 green dot centred on its pixel, only on the near side.
  SceneInputs observer;
  observer.ObserverLatitude = 10;
  observer.ObserverLongitude = 0;
  std::optional<CanvasCall> place = EllipseAfterFill(observer.Paint(), kGreen);
  ASSERT_TRUE(place.has_value());
  EXPECT_EQ(place->Ints, (std::vector<int>{kCx - 3, kCy - kTen - 3, kCx + 3, kCy - kTen + 3}));
  observer.ObserverLongitude = 170;
  EXPECT_FALSE(EllipseAfterFill(observer.Paint(), kGreen).has_value());
  observer.ObserverLongitude = -100;
  EXPECT_FALSE(EllipseAfterFill(observer.Paint(), kGreen).has_value());
}

// Seen from 75 S 0 E, the point 15 N 0 E lies exactly 90 degrees away: in double
// arithmetic sin 75 = cos 15 and cos 75 = sin 15, so cos c cancels to exactly 0 and
// the point sits on the limb at the top of the disc.
TEST(GlobePaint, LimbPointsFollowEachRule) {
  ASSERT_EQ(ProjectToDisc(MakeGlobeView(-75, 180.0, 711, 682), 15, 0).CosC, 0.0);
  const std::vector<int> limbTop = {kCx, 0};

  SceneInputs inputs;
  inputs.CentreLatitude = -75;
  // Joined lines draw onto the limb.
  inputs.Coastline = {"-75 0 0", "15 0 1", "-60 0 1"};
  const std::vector<CanvasCall> coast = Strokes(inputs.Paint().StrokedWith(kBlue));
  ASSERT_EQ(coast.size(), 2u);
  EXPECT_TRUE(Is(coast[1], CanvasOp::LineTo, limbTop));

  // The path skips the limb point and breaks there.
  inputs.AddPathPoint(-75, 0, -0.1);
  inputs.AddPathPoint(15, 0, -0.1);
  inputs.AddPathPoint(-60, 0, -0.1);
  const std::vector<CanvasCall> path = Strokes(inputs.Paint().StrokedWith(kYellow));
  ASSERT_EQ(path.size(), 2u);
  EXPECT_EQ(path[0].Op, CanvasOp::MoveTo);
  EXPECT_EQ(path[1].Op, CanvasOp::MoveTo);

  // The selected point and a found place on the limb are drawn, the observing place is not.
  inputs.SelectedRow = 1;
  inputs.ObserverLatitude = 15;
  inputs.ObserverLongitude = 0;
  inputs.ShowFoundPlaces = true;
  inputs.Places[0] = FoundPlace{0, 15, "Limb"};
  const RecordingCanvas canvas = inputs.Paint();
  const std::optional<CanvasCall> marker = EllipseAfterFill(canvas, kBlue);
  ASSERT_TRUE(marker.has_value());
  EXPECT_EQ(marker->Ints, (std::vector<int>{kCx - 2, -2, kCx + 3, 3}));
  EXPECT_TRUE(EllipseAfterFill(canvas, kLime).has_value());
  EXPECT_FALSE(EllipseAfterFill(canvas, kGreen).has_value());
}

TEST(GlobePaint, FoundPlacesShowDotNumberAndLegendRowKeptWhenAPlaceIsHidden) {
  SceneInputs inputs;
  inputs.ShowFoundPlaces = true;
  inputs.Places[0] = FoundPlace{10, 0, "Alpha"};
  inputs.Places[1] = FoundPlace{170, 0, "Beta"};  // behind the globe
  inputs.Places[2] = FoundPlace{0, 10, "G\xE4vle"};
  const RecordingCanvas canvas = inputs.Paint();

  const std::vector<CanvasCall> fonts = canvas.OfKind(CanvasOp::SetFont);
  ASSERT_EQ(fonts.size(), 1u);
  EXPECT_EQ(fonts[0].Text, "Verdana");
  EXPECT_EQ(fonts[0].Ints.at(0), 8);
  EXPECT_EQ(fonts[0].Colour, kBlack);

  const std::vector<CanvasCall> texts = canvas.OfKind(CanvasOp::TextOut);
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_TRUE(Is(texts[0], CanvasOp::TextOut, {kCx + kTen + 4, kCy + 4}) && texts[0].Text == "1");
  EXPECT_TRUE(Is(texts[1], CanvasOp::TextOut, {1, 4}) && texts[1].Text == "1 Alpha");
  EXPECT_TRUE(Is(texts[2], CanvasOp::TextOut, {kCx + 4, kCy - kTen + 4}) && texts[2].Text == "3");
  EXPECT_TRUE(Is(texts[3], CanvasOp::TextOut, {1, 28}) && texts[3].Text == "3 G\xE4vle");

  std::vector<std::vector<int>> dots;
  const std::vector<CanvasCall>& calls = canvas.Calls();
  for (std::size_t i = 0; i + 1 < calls.size(); ++i) {
    if (calls[i].Op == CanvasOp::SetFill && calls[i].Colour == kLime) {
      EXPECT_EQ(calls[i + 1].Op, CanvasOp::Ellipse);
      dots.push_back(calls[i + 1].Ints);
      EXPECT_EQ(calls[i + 2].Op, CanvasOp::SetNoFill) << "the number has no background";
    }
  }
  EXPECT_EQ(dots, (std::vector<std::vector<int>>{{kCx + kTen - 2, kCy - 2, kCx + kTen + 3, kCy + 3},
                                                 {kCx - 2, kCy - kTen - 2, kCx + 3, kCy - kTen + 3}}));

  inputs.ShowFoundPlaces = false;
  const RecordingCanvas hidden = inputs.Paint();
  EXPECT_TRUE(hidden.OfKind(CanvasOp::TextOut).empty());
  EXPECT_TRUE(hidden.OfKind(CanvasOp::SetFont).empty());
}

TEST(GlobePaint, FoundPlaceListEndsAfterFortyOrAtTheFirstEmptyName) {
  SceneInputs full;
  full.ShowFoundPlaces = true;
  for (int n = 1; n <= 40; ++n) {
    std::string name = "P";
    name += std::to_string(n);
    full.Places[n - 1] = FoundPlace{0, 0, name};
  }
  const std::vector<CanvasCall> texts = full.Paint().OfKind(CanvasOp::TextOut);
  ASSERT_EQ(texts.size(), 80u);
  EXPECT_TRUE(Is(texts[78], CanvasOp::TextOut, {kCx + 4, kCy + 4}) && texts[78].Text == "40");
  EXPECT_TRUE(Is(texts[79], CanvasOp::TextOut, {1, 472}) && texts[79].Text == "40 P40");

  SceneInputs gap;
  gap.ShowFoundPlaces = true;
  gap.Places[0] = FoundPlace{0, 0, "One"};
  gap.Places[1] = FoundPlace{0, 0, "Two"};
  gap.Places[3] = FoundPlace{0, 0, "Four"};  // after the empty third name: not drawn
  const std::vector<CanvasCall> gapTexts = gap.Paint().OfKind(CanvasOp::TextOut);
  ASSERT_EQ(gapTexts.size(), 4u);
  EXPECT_EQ(gapTexts[3].Text, "2 Two");
}

TEST(GlobePaint, DrawFoundPlaceReportsWhetherThePlaceWasVisible) {
  const GlobeView view = MakeGlobeView(0, 180.0, 711, 682);
  RecordingCanvas canvas;
  EXPECT_TRUE(DrawFoundPlace(canvas, view, 45, 0, -10, "Far West of the Legend"));
  const std::vector<CanvasCall> texts = canvas.OfKind(CanvasOp::TextOut);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_TRUE(Is(texts[1], CanvasOp::TextOut, {1, 12 * 45 - 8}));
  EXPECT_EQ(texts[1].Text, "45 Far West of the Legend");

  RecordingCanvas behind;
  EXPECT_FALSE(DrawFoundPlace(behind, view, 1, 0, 170, "Behind"));
  EXPECT_TRUE(behind.Calls().empty());
}

TEST(CoastlineLine, FieldsSplitAtTheFirstTwoBlanks) {
  const CoastlinePoint first = ParseCoastlineLine("5.67 0.192 0");
  EXPECT_DOUBLE_EQ(first.Latitude, 5.67);
  EXPECT_DOUBLE_EQ(first.Longitude, 0.192);
  EXPECT_EQ(first.Flag, 0);

  const CoastlinePoint second = ParseCoastlineLine("-78.574 -180 1");
  EXPECT_DOUBLE_EQ(second.Latitude, -78.574);
  EXPECT_DOUBLE_EQ(second.Longitude, -180.0);
  EXPECT_EQ(second.Flag, 1);

  // A field that does not convert reads as 0; the others keep their values.
  const CoastlinePoint bad = ParseCoastlineLine("5,67 x12 1");
  EXPECT_EQ(bad.Latitude, 0.0);
  EXPECT_EQ(bad.Longitude, 0.0);
  EXPECT_EQ(bad.Flag, 1);
  const CoastlinePoint shortLine = ParseCoastlineLine("12.5");
  EXPECT_DOUBLE_EQ(shortLine.Latitude, 12.5);
  EXPECT_EQ(shortLine.Longitude, 0.0);
  EXPECT_EQ(shortLine.Flag, 0);
  // Everything after the second blank is the flag.
  EXPECT_EQ(ParseCoastlineLine("1 2 1 9").Flag, 0);
  EXPECT_EQ(ParseCoastlineLine("1  2").Longitude, 0.0);
  EXPECT_EQ(ParseCoastlineLine("1  2").Flag, 2);
}

}  // namespace
}  // namespace vellmora
