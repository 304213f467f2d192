#include "app/qt/qimage_canvas.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <string>
#include <vector>

#include "app/globe/globe_painter.h"

namespace vellmora {
namespace {

QRgb Pixel(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

constexpr QRgb kBlackPixel = 0x000000;
constexpr QRgb kWhitePixel = 0xFFFFFF;
constexpr QRgb kBluePixel = 0x0000FF;
constexpr QRgb kGreenPixel = 0x008000;
constexpr QRgb kYellowPixel = 0xFFFF00;

bool HasPixelOf(const QImage& image, QRgb colour, int left, int top, int right, int bottom) {
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      if (Pixel(image, x, y) == colour) return true;
    }
  }
  return false;
}

TEST(GlobeImage, PaintsDiscCoastlinePathAndPlacesIntoPixels) {
  CentralLineResults path;
  path.StepHours = {12, 12.25};
  path.CentralLatitudes = {-20, -20};
  path.CentralLongitudes = {10, -10};  // 10 W to 10 E
  path.UmbraDiameters = {0.05, 0.05};  // 9 pixels wide
  FoundPlaceTable places{};
  places[0] = FoundPlace{-30, 20, "Nowhere"};
  const GlobeScene scene{.CentreLatitude = 0,
                         .MapCentreLongitude = 180,
                         .Width = 711,
                         .Height = 682,
                         .CentralLine = path,
                         .SelectedRow = -1,
                         .ObserverLatitude = 40,
                         .ObserverLongitude = 20,
                         .ShowFoundPlaces = true,
                         .FoundPlaces = places};
  // A short coastline along 37 N: 341 sin 37 = 205.2 pixels above the centre, from x = 350 to 360.
  const std::vector<std::string> coastline = {"37 -1 0", "37 1 1", "0 0 0"};

  QImageOffscreen offscreen(711, 682);
  PaintGlobe(scene, coastline, offscreen.Surface());
  const QImage& image = offscreen.Image();
  ASSERT_EQ(image.width(), 711);
  ASSERT_EQ(image.height(), 682);

  // The disc box (14, 0)-(696, 682) with exclusive right and bottom bounds. Row 340
  // is free of graticule lines (the equator's limb point at x = 696 may show there).
  EXPECT_EQ(Pixel(image, 14, 340), kBlackPixel);
  EXPECT_EQ(Pixel(image, 13, 340), kWhitePixel);
  EXPECT_EQ(Pixel(image, 695, 340), kBlackPixel);
  EXPECT_EQ(Pixel(image, 696, 340), kWhitePixel);
  EXPECT_EQ(Pixel(image, 355, 0), kBlackPixel);
  EXPECT_EQ(Pixel(image, 355, 681), kBlackPixel);
  EXPECT_EQ(Pixel(image, 700, 5), kWhitePixel);

  EXPECT_EQ(Pixel(image, 355, 341 - 205), kBluePixel);
  // The path along 20 S lies 341 sin 20 = 116.6 pixels below the centre, 9 pixels wide.
  EXPECT_EQ(Pixel(image, 355, 341 + 117), kYellowPixel);
  EXPECT_EQ(Pixel(image, 355, 341 + 117 + 3), kYellowPixel);

  const DiscPoint observer = ProjectToDisc(MakeGlobeView(0, 180, 711, 682), 40, 20);
  EXPECT_EQ(Pixel(image, observer.X, observer.Y), kGreenPixel);

  // The legend row of place 1 starts at (1, 4) in black type.
  EXPECT_TRUE(HasPixelOf(image, kBlackPixel, 1, 4, 80, 20));
}

}  // namespace
}  // namespace vellmora
