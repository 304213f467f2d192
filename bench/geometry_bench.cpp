#include <benchmark/benchmark.h>

#include "geometry/central_line.h"
#include "geometry/local_circumstances.h"
#include "geometry/local_details.h"
#include "geometry/zone_limits.h"

namespace vellmora {
namespace {

// The total eclipse of 11 August 1999, catalogue time 11:04 UT: a scan of
// 2881 instants with about 740 central steps.
void BM_CentralLineScan(benchmark::State& state) {
  CentralLineResults results;
  for (auto _ : state) {
    CentralLineScan(InstantTD::FromCalendar(11, 8, 1999, 11 + 4.0 / 60), DeltaTOfYear(1999), results);
    benchmark::DoNotOptimize(results.StepHours.data());
  }
}
BENCHMARK(BM_CentralLineScan)->Unit(benchmark::kMillisecond);

// Stuttgart inside the path: outer search and two inner contacts.
void BM_LocalCircumstances(benchmark::State& state) {
  for (auto _ : state) {
    LocalCircumstancesResult result =
        LocalCircumstances(InstantTD::FromCalendar(11, 8, 1999, 11 + 4.0 / 60), 48.78, 9.18, DeltaTOfYear(1999));
    benchmark::DoNotOptimize(result.Contacts.data());
  }
}
BENCHMARK(BM_LocalCircumstances)->Unit(benchmark::kMicrosecond);

// The limits, central points, widths and durations of the same eclipse: what
// "Zonengrenzen zeigen" and the export compute once per eclipse.
void BM_ZoneLimits(benchmark::State& state) {
  for (auto _ : state) {
    std::vector<ZoneStep> steps = ZoneLimits(InstantTD::FromCalendar(11, 8, 1999, 11 + 4.0 / 60), DeltaTOfYear(1999));
    benchmark::DoNotOptimize(steps.data());
  }
}
BENCHMARK(BM_ZoneLimits)->Unit(benchmark::kMillisecond);
// Everything the dialog "Einzelheiten am Beobachtungsort" shows for Dallas
// in the total eclipse of 8 April 2024: three local circumstances (Delta-T and
// +-sigma), the Sun, P and V at five events, the distances from the path's
// lines and the probability of totality. The path's lines belong to the
// eclipse and are made once, like the central line.
void BM_LocalDetails(benchmark::State& state) {
  const double hours = 18 + 18 / 60.0 + 54 / 3600.0;
  const DeltaTFigures deltaT = DeltaTOfYear(2024);
  const PathLines path = PathLinesOfZone(ZoneLimits(InstantTD::FromCalendar(8, 4, 2024, hours), deltaT));
  for (auto _ : state) {
    LocalDetails details =
        ComputeLocalDetails(InstantTD::FromCalendar(8, 4, 2024, hours), {32.78, -96.81, -6}, deltaT, path);
    benchmark::DoNotOptimize(details.Events.data());
  }
}
BENCHMARK(BM_LocalDetails)->Unit(benchmark::kMillisecond);

// The same near a limit of the total eclipse of 2 August 1133, where Delta-T
// is uncertain by some seconds and the probability needs its root searches.
void BM_LocalDetailsNearALimit(benchmark::State& state) {
  const double hours = 12 + 21 / 60.0 + 44 / 3600.0;
  const DeltaTFigures deltaT = DeltaTOfYear(1133);
  const std::vector<ZoneStep> zone = ZoneLimits(InstantTD::FromCalendar(2, 8, 1133, hours), deltaT);
  const PathLines path = PathLinesOfZone(zone);
  const ZoneStep& middle = zone[zone.size() / 2];
  const GeographicPoint limit = middle.NorthernLimit.value_or(middle.Central);
  for (auto _ : state) {
    LocalDetails details = ComputeLocalDetails(InstantTD::FromCalendar(2, 8, 1133, hours),
                                               {limit.Latitude, limit.LongitudeEast, 1}, deltaT, path);
    benchmark::DoNotOptimize(details.Events.data());
  }
}
BENCHMARK(BM_LocalDetailsNearALimit)->Unit(benchmark::kMillisecond);

// The same eclipse with the precise ephemeris (Delta-T at the date, the
// published umbra): the fits cost most.
void BM_CentralLineScanPrecise(benchmark::State& state) {
  CentralLineResults results;
  const DeltaTFigures deltaT = EclipseDeltaT(Ephemeris::Precise, 11, 8, 1999);
  for (auto _ : state) {
    CentralLineScan(InstantTD::FromCalendar(11, 8, 1999, 11 + 4.0 / 60), deltaT, results, Ephemeris::Precise);
    benchmark::DoNotOptimize(results.StepHours.data());
  }
}
BENCHMARK(BM_CentralLineScanPrecise)->Unit(benchmark::kMillisecond);

void BM_LocalCircumstancesPrecise(benchmark::State& state) {
  const DeltaTFigures deltaT = EclipseDeltaT(Ephemeris::Precise, 11, 8, 1999);
  for (auto _ : state) {
    LocalCircumstancesResult result = LocalCircumstances(InstantTD::FromCalendar(11, 8, 1999, 11 + 4.0 / 60), 48.78,
                                                         9.18, deltaT, Ephemeris::Precise);
    benchmark::DoNotOptimize(result.Contacts.data());
  }
}
BENCHMARK(BM_LocalCircumstancesPrecise)->Unit(benchmark::kMicrosecond);

void BM_LocalDetailsPrecise(benchmark::State& state) {
  const double hours = 18 + 18 / 60.0 + 54 / 3600.0;
  const DeltaTFigures deltaT = EclipseDeltaT(Ephemeris::Precise, 8, 4, 2024);
  const PathLines path = PathLinesOfZone(ZoneLimits(InstantTD::FromCalendar(8, 4, 2024, hours), deltaT,
                                                    UmbralLunarRadiusOf(Ephemeris::Precise), Ephemeris::Precise));
  for (auto _ : state) {
    LocalDetails details = ComputeLocalDetails(InstantTD::FromCalendar(8, 4, 2024, hours), {32.78, -96.81, -6}, deltaT,
                                               path, Ephemeris::Precise);
    benchmark::DoNotOptimize(details.Events.data());
  }
}
BENCHMARK(BM_LocalDetailsPrecise)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vellmora
