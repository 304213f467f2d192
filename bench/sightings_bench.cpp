#include <benchmark/benchmark.h>

#include "ephem/timlib.h"
#include "sightings/eclipse_table.h"
#include "sightings/night_filter.h"
#include "sightings/penumbra_filter.h"
#include "sightings/visible_eclipses.h"

namespace vellmora {
namespace {

constexpr ObservingPlace kChemnitz{50.836667, 12.854444, 1};

// Every eclipse of 1000-3000 seen from Chemnitz, with the walk; the counters
// tell how many eclipses each stage of the search leaves.
void BM_VisibleEclipses1000To3000(benchmark::State& state) {
  std::size_t seen = 0;
  for (auto _ : state) seen = FindVisibleEclipses(kFirstListYear, kLastListYear, kChemnitz).size();
  const std::vector<EclipseListRow> walk = ListSolarEclipses(kFirstListYear, kLastListYear);
  std::size_t daytime = 0;
  std::size_t reached = 0;
  for (const EclipseListRow& eclipse : walk) {
    const ListDateTime shown = ListDateTimeOf(eclipse.Time);
    const InstantTD listed = InstantTD::FromCalendar(shown.Day, shown.Month, shown.Year, shown.Hours());
    if (SunStaysDownAround(listed, kChemnitz.Latitude, kChemnitz.LongitudeEast)) continue;
    ++daytime;
    const CoarseShadow shadow(listed, DeltaTOfYear(shown.Year), *TabulatedFits(listed, Ephemeris::Standard));
    if (shadow.MayReach(kChemnitz.Latitude, kChemnitz.LongitudeEast)) ++reached;
  }
  state.counters["eclipses"] = static_cast<double>(walk.size());
  state.counters["daytime"] = static_cast<double>(daytime);
  state.counters["penumbra_may_reach"] = static_cast<double>(reached);
  state.counters["seen"] = static_cast<double>(seen);
}
BENCHMARK(BM_VisibleEclipses1000To3000)->Unit(benchmark::kMillisecond);

// The dialog after a change of place, 1000-3000: from Chemnitz to a place
// 300 km away and back, both seen once before.
void BM_SightingSearchChangeOfPlace(benchmark::State& state) {
  SightingSearch search(ListSolarEclipses(kFirstListYear, kLastListYear));
  const ObservingPlace other{48.78, 9.18, 1};
  search.SeenFrom(kChemnitz);
  search.SeenFrom(other);
  bool here = false;
  for (auto _ : state) {
    benchmark::DoNotOptimize(search.SeenFrom(here ? kChemnitz : other).size());
    here = !here;
  }
}
BENCHMARK(BM_SightingSearchChangeOfPlace)->Unit(benchmark::kMillisecond);

// The listed instant of the eclipse of 12.08.2026, the second of the year.
InstantTD ListedInstantOf2026August() {
  const ListDateTime shown = ListDateTimeOf(ListSolarEclipses(2026, 2027).at(1).Time);
  return InstantTD::FromCalendar(shown.Day, shown.Month, shown.Year, shown.Hours());
}

// The stages for one eclipse (12.08.2026): the test of the coarse shadow, made
// from the tabulated fits or from the series, and the whole computation of
// what Chemnitz sees.
void BM_CoarseShadow(benchmark::State& state) {
  const InstantTD listed = ListedInstantOf2026August();
  for (auto _ : state) {
    const CoarseShadow shadow(listed, DeltaTOfYear(2026), *TabulatedFits(listed, Ephemeris::Standard));
    benchmark::DoNotOptimize(shadow.MayReach(kChemnitz.Latitude, kChemnitz.LongitudeEast));
  }
}
BENCHMARK(BM_CoarseShadow)->Unit(benchmark::kMicrosecond);

void BM_CoarseShadowFromStraightLines(benchmark::State& state) {
  const InstantTD listed = ListedInstantOf2026August();
  for (auto _ : state) {
    const CoarseShadow shadow = CoarseShadow::FromStraightLines(listed, DeltaTOfYear(2026));
    benchmark::DoNotOptimize(shadow.MayReach(kChemnitz.Latitude, kChemnitz.LongitudeEast));
  }
}
BENCHMARK(BM_CoarseShadowFromStraightLines)->Unit(benchmark::kMicrosecond);

void BM_SightingOfOneEclipse(benchmark::State& state) {
  const std::vector<EclipseListRow> walk = ListSolarEclipses(2026, 2026);
  for (auto _ : state) benchmark::DoNotOptimize(SightingOf(walk.front(), kChemnitz));
}
BENCHMARK(BM_SightingOfOneEclipse)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vellmora
