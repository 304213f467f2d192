#include <benchmark/benchmark.h>

#include "geometry/besselian_elements.h"
#include "geometry/elements_local.h"
#include "geometry/shadow_on_earth.h"
#include "geometry/visibility_map.h"

namespace vellmora {
namespace {

// The total eclipse of 8 April 2024 (catalogue 18:17 UT): fits, samples over
// the hours the penumbra is on the Earth, and the least-squares polynomials.
void BM_BesselianElements(benchmark::State& state) {
  for (auto _ : state) {
    BesselianElements elements = ComputeBesselianElements(8, 4, 2024, 18 + 17.0 / 60);
    benchmark::DoNotOptimize(elements.X.data());
  }
}
BENCHMARK(BM_BesselianElements)->Unit(benchmark::kMicrosecond);

// Dallas inside the path: the maximum and all four contacts from the elements.
void BM_LocalCircumstancesFromElements(benchmark::State& state) {
  const BesselianElements elements = ComputeBesselianElements(8, 4, 2024, 18 + 17.0 / 60);
  for (auto _ : state) {
    LocalCircumstancesResult result = LocalCircumstancesFromElements(elements, 32.78, -96.8);
    benchmark::DoNotOptimize(result.Contacts.data());
  }
}
BENCHMARK(BM_LocalCircumstancesFromElements)->Unit(benchmark::kMicrosecond);

// Every curve of the map of visibility of the same eclipse.
void BM_VisibilityMap(benchmark::State& state) {
  const BesselianElements elements = ComputeBesselianElements(8, 4, 2024, 18 + 17.0 / 60);
  for (auto _ : state) {
    VisibilityMap map = ComputeVisibilityMap(elements);
    benchmark::DoNotOptimize(map.Curves.data());
  }
}
BENCHMARK(BM_VisibilityMap)->Unit(benchmark::kMillisecond);

// One frame of "Schattenverlauf": the penumbra's and the umbra's edges on the
// Earth and the sub-solar point at one instant.
void BM_ShadowFrame(benchmark::State& state) {
  const BesselianElements elements = ComputeBesselianElements(8, 4, 2024, 18 + 17.0 / 60);
  double t = -1;
  for (auto _ : state) {
    ShadowOnEarth shadow = ShadowAt(elements, t);
    benchmark::DoNotOptimize(shadow.Umbra.data());
    t = t > 1 ? -1 : t + 1.0 / 60;
  }
}
BENCHMARK(BM_ShadowFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vellmora
