#include <benchmark/benchmark.h>

#include "catalogue/vsop.h"

namespace vellmora {
namespace {

// One question of the window: the Sun's altitude at a place at an instant,
// i.e. all 2425 terms of the Earth series and the nutation series three times.
void BM_SunHorizontalPosition(benchmark::State& state) {
  double serial = 45464.465;  // 21.06.2024 11:10 UT
  for (auto _ : state) {
    const HorizontalPosition sun = SunHorizontalPosition(serial, -12.92L, 50.83L);
    benchmark::DoNotOptimize(sun);
    serial += 1e-3;  // a new instant each time, as nothing is cached
  }
}
BENCHMARK(BM_SunHorizontalPosition)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vellmora
