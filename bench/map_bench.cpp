#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "app/globe_painter.h"
#include "app/qt/qimage_canvas.h"
#include "app/resources.h"
#include "geometry/central_line.h"

// One paint of the globe map as the window does it at start-up: a new
// 711 x 682 image, the coastline text inflated and split anew, every line
// parsed, projected and drawn; and the same paint with the coastline text
// loaded beforehand (the loading alone is measured in resources_bench.cpp).

namespace vellmora {
namespace {

struct StartupScene {
  CentralLineResults NoPath;
  FoundPlaceTable NoPlaces{};
  GlobeScene Scene{0, 180.0, kMapWidth, kMapHeight, NoPath, -1, 50.836667, 12.854444, false, NoPlaces};
};

void BM_FullMapPaint(benchmark::State& state) {
  const StartupScene startup;
  for (auto _ : state) {
    QImageOffscreen image(kMapWidth, kMapHeight);
    PaintGlobe(startup.Scene, LoadResourceLines("erde2"), image.Surface());
    benchmark::DoNotOptimize(image.Image().constBits());
  }
}
BENCHMARK(BM_FullMapPaint)->Unit(benchmark::kMillisecond);

void BM_PaintWithLoadedCoastlines(benchmark::State& state) {
  const StartupScene startup;
  const std::vector<std::string> lines = LoadResourceLines("erde2");
  for (auto _ : state) {
    QImageOffscreen image(kMapWidth, kMapHeight);
    PaintGlobe(startup.Scene, lines, image.Surface());
    benchmark::DoNotOptimize(image.Image().constBits());
  }
}
BENCHMARK(BM_PaintWithLoadedCoastlines)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vellmora
