#include <benchmark/benchmark.h>

#include "ephem/matlib.h"
#include "ephem/moolib.h"
#include "ephem/sunlib.h"

namespace vellmora {
namespace {

// An eclipse day in 2026 (T in Julian centuries since J2000).
constexpr double kEclipseDay = 0.2661;
// The central line fits over twelve hours plus about an hour of margin each side.
constexpr double kHalfInterval = 7.0 / 24 / 36525;

void BM_SunEquatorialCoordinates(benchmark::State& state) {
  double T = kEclipseDay;
  for (auto _ : state) {
    benchmark::DoNotOptimize(SunEquatorialCoordinates(T));
    T += 1e-7;
  }
}
BENCHMARK(BM_SunEquatorialCoordinates);

void BM_MoonEquatorialCoordinates(benchmark::State& state) {
  double T = kEclipseDay;
  for (auto _ : state) {
    benchmark::DoNotOptimize(MoonEquatorialCoordinates(T));
    T += 1e-7;
  }
}
BENCHMARK(BM_MoonEquatorialCoordinates);

void BM_FitMoonChebyshevDegree8(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(FitMoonChebyshev(kEclipseDay - kHalfInterval, kEclipseDay + kHalfInterval, 8));
  }
}
BENCHMARK(BM_FitMoonChebyshevDegree8)->Unit(benchmark::kMicrosecond);

void BM_FitSunChebyshevDegree3(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(FitSunChebyshev(kEclipseDay - kHalfInterval, kEclipseDay + kHalfInterval, 3));
  }
}
BENCHMARK(BM_FitSunChebyshevDegree3)->Unit(benchmark::kMicrosecond);

// The pair the central line makes once per eclipse; the target is under 50 microseconds.
void BM_FitMoonDegree8AndSunDegree3(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(FitMoonChebyshev(kEclipseDay - kHalfInterval, kEclipseDay + kHalfInterval, 8));
    benchmark::DoNotOptimize(FitSunChebyshev(kEclipseDay - kHalfInterval, kEclipseDay + kHalfInterval, 3));
  }
}
BENCHMARK(BM_FitMoonDegree8AndSunDegree3)->Unit(benchmark::kMicrosecond);

// One evaluation of a degree-8 record; the target is under 20 nanoseconds.
void BM_EvaluateChebyshevDegree8(benchmark::State& state) {
  const ChebyshevFit fit = FitMoonChebyshev(kEclipseDay - kHalfInterval, kEclipseDay + kHalfInterval, 8).RightAscension;
  const double step = kHalfInterval / 4096;
  double t = kEclipseDay - kHalfInterval;
  for (auto _ : state) {
    benchmark::DoNotOptimize(EvaluateChebyshev(fit, t));
    t += step;
    if (t > fit.IntervalEnd) t = fit.IntervalStart;
  }
}
BENCHMARK(BM_EvaluateChebyshevDegree8);

}  // namespace
}  // namespace vellmora
