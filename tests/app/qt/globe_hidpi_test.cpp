#include <gtest/gtest.h>

#include <QImage>
#include <string>
#include <vector>

#include "app/globe/globe_painter.h"
#include "app/qt/qimage_canvas.h"

namespace vellmora {
namespace {

QRgb Pixel(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

QImage PaintAt(double pixelRatio) {
  const CentralLineResults noPath;
  const FoundPlaceTable noPlaces{};
  const GlobeScene scene{0, 180.0, 711, 682, noPath, -1, 40, 20, false, noPlaces};
  // A coastline along the equator from 1 W to 1 E: 12 pixels long, 1 pixel wide.
  const std::vector<std::string> coastline = {"0 -1 0", "0 1 1", "0 0 0"};
  QImageOffscreen image(711, 682, pixelRatio);
  PaintGlobe(scene, coastline, image.Surface());
  return image.Image();
}

// At 200 % the picture has twice the pixels each way, drawn from the same
// logical geometry: every logical pixel becomes a crisp 2 x 2 block, lines are
// not blurred, and nothing thinner than a logical pixel appears.
TEST(GlobeHiDpi, PaintsAtThePixelRatioWithTheGeometryInLogicalPixels) {
  const QImage normal = PaintAt(1.0);
  const QImage doubled = PaintAt(2.0);
  ASSERT_EQ(doubled.size(), QSize(1422, 1364));
  EXPECT_DOUBLE_EQ(doubled.devicePixelRatio(), 2.0);

  // The disc's outline at the left: logical x = 14 is device x = 28 and 29.
  EXPECT_EQ(Pixel(normal, 14, 340), 0x000000u);
  EXPECT_EQ(Pixel(doubled, 28, 681), 0x000000u);
  EXPECT_EQ(Pixel(doubled, 27, 681), 0xFFFFFFu);
  EXPECT_EQ(Pixel(doubled, 31, 681), 0xFFFFFFu);

  // The coastline on the equator, logical y = 341, is two device rows of pure blue.
  for (const int x : {700, 704, 716, 720}) {  // beside the meridian at device x 710 and 711
    EXPECT_EQ(Pixel(doubled, x, 682), 0x0000FFu) << x;
    EXPECT_EQ(Pixel(doubled, x, 683), 0x0000FFu) << x;
    EXPECT_EQ(Pixel(doubled, x, 681), 0xFFFFFFu) << x;
    EXPECT_EQ(Pixel(doubled, x, 684), 0xFFFFFFu) << x;
  }

  // Only the map's own colours: no blurred in-between shades from scaling.
  const QList<QRgb> palette = {0x000000, 0xFFFFFF, 0xD8D8D8, 0x0000FF, 0x008000};
  for (int y = 0; y < doubled.height(); y += 3) {
    for (int x = 0; x < doubled.width(); x += 3) {
      ASSERT_TRUE(palette.contains(Pixel(doubled, x, y))) << x << "," << y << ": " << std::hex << Pixel(doubled, x, y);
    }
  }
}

}  // namespace
}  // namespace vellmora
