#include <benchmark/benchmark.h>

#include "geometry/central_line.h"
#include "geometry/local_circumstances.h"
#include "geometry/zone_limits.h"

namespace vellmora {
namespace {

// The total eclipse of 11 August 1999, catalogue time 11:04 UT: a scan of
// 2881 instants with about 740 central steps.
void BM_CentralLineScan(benchmark::State& state) {
  CentralLineResults results;
  for (auto _ : state) {
    CentralLineScan(11, 8, 1999, 11 + 4.0 / 60, results);
    benchmark::DoNotOptimize(results.StepHours.data());
  }
}
BENCHMARK(BM_CentralLineScan)->Unit(benchmark::kMillisecond);

// Stuttgart inside the path: outer search and two inner contacts.
void BM_LocalCircumstances(benchmark::State& state) {
  for (auto _ : state) {
    LocalCircumstancesResult result = LocalCircumstances(11, 8, 1999, 11 + 4.0 / 60, 48.78, 9.18);
    benchmark::DoNotOptimize(result.Contacts.data());
  }
}
BENCHMARK(BM_LocalCircumstances)->Unit(benchmark::kMicrosecond);

// The limits, central points, widths and durations of the same eclipse: what
// "Zonengrenzen zeigen" and the export compute once per eclipse.
void BM_ZoneLimits(benchmark::State& state) {
  for (auto _ : state) {
    std::vector<ZoneStep> steps = ZoneLimits(11, 8, 1999, 11 + 4.0 / 60);
    benchmark::DoNotOptimize(steps.data());
  }
}
BENCHMARK(BM_ZoneLimits)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vellmora
