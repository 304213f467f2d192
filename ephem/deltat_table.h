#pragma once

#include <span>

// The Delta-T data of data/deltat/, compiled in at build time
// (cmake/DeltaTTable.cmake); data/deltat/README.md names the sources.

namespace vellmora {

// Delta-T = A0 + A1 t + A2 t^2 + A3 t^3 seconds, t = (y - FirstYear) / (LastYear - FirstYear).
struct DeltaTSplineSegment {
  double FirstYear;
  double LastYear;
  double A0;
  double A1;
  double A2;
  double A3;
};

// Delta-T measured on the first day of a month.
struct DeltaTMeasurement {
  int Year;
  int Month;
  int Day;
  double Seconds;
};

// Standard uncertainty from a year on, up to the next step.
struct DeltaTUncertaintyStep {
  double FromYear;
  double Seconds;
};

extern const std::span<const DeltaTSplineSegment> DeltaTSpline;
extern const std::span<const DeltaTMeasurement> DeltaTMeasurements;
extern const std::span<const DeltaTUncertaintyStep> DeltaTUncertaintySteps;

}  // namespace vellmora
