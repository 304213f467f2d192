#include "ephem/deltat.h"

#include <algorithm>
#include <cmath>

#include "ephem/deltat_table.h"

namespace vellmora {
namespace {

double DecimalYear(const DeltaTMeasurement& measurement) { return measurement.Year + (measurement.Month - 1) / 12.0; }

// Cubic spline of the historical record, in force before the first measurement.
double SplineSeconds(double y) {
  auto segment = std::upper_bound(DeltaTSpline.begin(), DeltaTSpline.end(), y,
                                  [](double year, const DeltaTSplineSegment& s) { return year < s.FirstYear; });
  if (segment != DeltaTSpline.begin()) --segment;
  const double t = (y - segment->FirstYear) / (segment->LastYear - segment->FirstYear);
  return segment->A0 + t * (segment->A1 + t * (segment->A2 + t * segment->A3));
}

// Measured values, linear between neighbours.
double MeasuredSeconds(double y) {
  auto later = std::upper_bound(DeltaTMeasurements.begin(), DeltaTMeasurements.end(), y,
                                [](double year, const DeltaTMeasurement& m) { return year < DecimalYear(m); });
  if (later == DeltaTMeasurements.end()) return DeltaTMeasurements.back().Seconds;
  if (later == DeltaTMeasurements.begin()) return later->Seconds;
  const auto earlier = later - 1;
  const double fraction = (y - DecimalYear(*earlier)) / (DecimalYear(*later) - DecimalYear(*earlier));
  return earlier->Seconds + fraction * (later->Seconds - earlier->Seconds);
}

// The integral of the long-term excess of the length of day,
// 1.72 u - 3.5 sin(2 pi (u + 0.75) / 14) ms/day with u in centuries since 1825,
// without its constant of integration.
double LongTermVariation(double y) {
  const double u = (y - 1825) / 100;
  return 31.4115 * u * u + 284.8435805251424 * std::cos(0.4487989505128276 * (u + 0.75));
}

// The long-term model joined to the last measured value.
double LongTermSeconds(double y) {
  static const double lastMeasuredYear = DecimalYear(DeltaTMeasurements.back());
  static const double constant = DeltaTMeasurements.back().Seconds - LongTermVariation(lastMeasuredYear);
  return constant + LongTermVariation(y);
}

}  // namespace

double DeltaTSeconds(double decimalYear) {
  if (decimalYear < DecimalYear(DeltaTMeasurements.front())) return SplineSeconds(decimalYear);
  if (decimalYear <= DecimalYear(DeltaTMeasurements.back())) return MeasuredSeconds(decimalYear);
  return LongTermSeconds(decimalYear);
}

double EphemerisLagSeconds(double decimalYear) {
  // Fitted to the instants of greatest eclipse of 423 canon eclipses of 1000 to
  // 3000 computed from JPL-based Besselian elements; u in centuries since 2000.
  const double u = (decimalYear - 2000) / 100;
  return -2.053 + 1.614 * u - 4.772 * u * u;
}

double DeltaTUncertaintySeconds(double decimalYear) {
  // The tables step; beyond 2500 the uncertainty grows with the square of the
  // time since 1825, as the long-term model's does.
  if (decimalYear >= 2500) return 0.00022 * (decimalYear - 1825) * (decimalYear - 1825);
  auto next = std::upper_bound(DeltaTUncertaintySteps.begin(), DeltaTUncertaintySteps.end(), decimalYear,
                               [](double year, const DeltaTUncertaintyStep& s) { return year < s.FromYear; });
  if (next != DeltaTUncertaintySteps.begin()) --next;
  return next->Seconds;
}

DeltaTFigures DeltaTOfYear(int year) {
  const double middle = year + 0.5;
  return {DeltaTSeconds(middle), EphemerisLagSeconds(middle), DeltaTUncertaintySeconds(middle)};
}

}  // namespace vellmora
