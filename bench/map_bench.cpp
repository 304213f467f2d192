#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "app/globe/coastline_cache.h"
#include "app/globe/globe_painter.h"
#include "app/qt/qimage_canvas.h"
#include "app/resources/resources.h"
#include "geometry/central_line.h"

// One paint of the globe map from the coastline text: a new 711 x 682 image,
// the text inflated and split anew, every line parsed, projected and drawn;
// the same paint with the text loaded beforehand (the loading alone is
// measured in resources_bench.cpp); and the paint the window makes at every
// step of a drag, from the coastlines parsed once, with the path of the total
// eclipse of 8 April 2024, at 100 % and 200 % screen scale.

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

struct DragScene {
  DragScene() {
    CentralLineScan(InstantTD::FromCalendar(8, 4, 2024, 18 + 18 / 60.0 + 54 / 3600.0), DeltaTOfYear(2024), Path);
  }
  CentralLineResults Path;
  FoundPlaceTable NoPlaces{};
  GlobeScene Scene{25, 260.0, kMapWidth, kMapHeight, Path, 300, 50.836667, 12.854444, false, NoPlaces};
};

void BM_DragStepPaint(benchmark::State& state) {
  const DragScene drag;
  const std::vector<CoastlineVertex>& coastline = EmbeddedCoastline();
  const auto pixelRatio = static_cast<double>(state.range(0));
  for (auto _ : state) {
    QImageOffscreen image(kMapWidth, kMapHeight, pixelRatio);
    PaintGlobe(drag.Scene, coastline, image.Surface());
    benchmark::DoNotOptimize(image.Image().constBits());
  }
}
BENCHMARK(BM_DragStepPaint)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vellmora
