#include <benchmark/benchmark.h>

#include "app/resources/resources.h"

// The map inflates and splits the coastlines at every paint; the place
// resources are loaded once at start-up.

namespace vellmora {
namespace {

void BM_InflateCoastlines(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(InflateResource("erde2"));
}
BENCHMARK(BM_InflateCoastlines)->Unit(benchmark::kMillisecond);

void BM_LoadCoastlineLines(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(LoadResourceLines("erde2"));
}
BENCHMARK(BM_LoadCoastlineLines)->Unit(benchmark::kMillisecond);

void BM_LoadPlaceTable(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(LoadResourceLines("mort"));
    benchmark::DoNotOptimize(LoadResourceLines("mort1"));
  }
}
BENCHMARK(BM_LoadPlaceTable)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vellmora
