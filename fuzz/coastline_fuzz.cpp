#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "app/controls/blank_canvas.h"
#include "app/globe/globe_painter.h"
#include "app/resources/resources.h"

// Coastline text painted as the map's coastlines onto a surface that only
// checks that the pixels it is given lie near the paint box.

namespace {

using namespace vellmora;

void Require(bool condition) {
  if (!condition) std::abort();
}

// Every point of the globe lies inside the disc, so no coordinate may stray
// far from the box, whatever the coastline text says.
class BoundsCheckingCanvas : public BlankCanvas {
 public:
  void MoveTo(int x, int y) override { Check(x, y); }
  void LineTo(int x, int y) override { Check(x, y); }
  void Ellipse(int left, int top, int right, int bottom) override {
    Check(left, top);
    Check(right, bottom);
  }
  void TextOut(int x, int y, const std::string&) override { Check(x, y); }

 private:
  static void Check(int x, int y) {
    Require(x > -kMapWidth && x < 2 * kMapWidth && y > -kMapHeight && y < 2 * kMapHeight);
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  // The first two bytes turn the globe: T1 and T2 as the spin fields allow them.
  const int centreLatitude = data[0] % 181 - 90;
  const int centreSetting = data[1] * 360 / 255;
  const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);

  // The painter reads every line but the last with ParseCoastlineLine.
  const std::vector<std::string> lines = SplitLines(text);

  const CentralLineResults noPath;
  const FoundPlaceTable noPlaces{};
  const GlobeScene scene{
      centreLatitude, static_cast<double>(centreSetting), kMapWidth, kMapHeight, noPath, -1, 50.8, 12.9, false,
      noPlaces};
  BoundsCheckingCanvas canvas;
  PaintGlobe(scene, lines, canvas);
  return 0;
}
