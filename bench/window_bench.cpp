#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/memory/memory_window.h"
#include "cli/map_renderer_loader.h"

// What the user waits for after a click, through the window's own handlers:
// "Berechnung" over the whole range 1000 to 3000, and the choice of an eclipse
// (central line, one map paint, the Sun's altitude and the local circumstances).

namespace vellmora {
namespace {

// The map paint of a choice draws real pixels, as in the window.
MapRenderer* QtRenderer() {
  std::string error;
  MapRenderer* renderer = LoadMapRenderer(error);
  if (renderer == nullptr) {
    std::fprintf(stderr, "%s\n", error.c_str());
    std::abort();
  }
  return renderer;
}

void BM_EclipseList1000To3000(benchmark::State& state) {
  MemoryWindow window(CivilDate{2026, 12, 8});
  window.E1.SetText("1000");
  window.E2.SetText("3000");
  for (auto _ : state) {
    window.D1.Click();
    benchmark::DoNotOptimize(window.LB1.Count());
  }
}
BENCHMARK(BM_EclipseList1000To3000)->Unit(benchmark::kMillisecond);

void BM_ChooseEclipse(benchmark::State& state) {
  MemoryWindow window(CivilDate{2026, 12, 8}, QtRenderer());
  window.E1.SetText("1999");
  window.E2.SetText("2000");
  window.D1.Click();
  for (auto _ : state) {
    window.LB1.Click(1);  // the total eclipse of 11.08.1999, seen from Chemnitz
    benchmark::DoNotOptimize(window.LB6.Count());
  }
}
BENCHMARK(BM_ChooseEclipse)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vellmora
