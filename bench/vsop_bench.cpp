#include <benchmark/benchmark.h>

#include "catalogue/vsop.h"

namespace vellmora {
namespace {

constexpr double kSolsticeNoonChemnitz = 45464.465;  // 21.06.2024 11:10 UT

// One question of the window: the Sun's altitude at a place at an instant,
// i.e. all 2425 terms of the Earth series and the nutation series three times.
void BM_SunHorizontalPosition(benchmark::State& state) {
  double serial = kSolsticeNoonChemnitz;
  for (auto _ : state) {
    const HorizontalPosition sun = SunHorizontalPosition(serial, -12.92L, 50.83L);
    benchmark::DoNotOptimize(sun);
    serial += 1e-3;  // a new instant each time, as nothing is cached
  }
}
BENCHMARK(BM_SunHorizontalPosition)->Unit(benchmark::kMicrosecond);

// The VSOP87 part of it alone: the 2425 terms and the FK5 reduction.
void BM_EarthHeliocentricPosition(benchmark::State& state) {
  double serial = kSolsticeNoonChemnitz;
  for (auto _ : state) {
    const HeliocentricCoordinates earth = EarthHeliocentricPosition(serial);
    benchmark::DoNotOptimize(earth);
    serial += 1e-3;
  }
}
BENCHMARK(BM_EarthHeliocentricPosition)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vellmora
