#pragma once

#include <array>

#include "geometry/shadow_elements.h"

// A cheap test that keeps every eclipse whose penumbra can reach a place while
// the Sun is up there: the shadow from straight-line fits of the Sun and the
// Moon through two instants, sampled over the span in which the local
// circumstances look for the contacts, with margins for the straight lines
// and for the motion between the samples.

namespace vellmora {

// The shadow of one eclipse as the test takes it; made once, tried at many places.
class CoarseShadow {
 public:
  // Around the catalogue time (universal time, Julian centuries since J2000) with Delta-T in days.
  CoarseShadow(double catalogueTime, double deltaTDays);

  // False only when the place cannot be in the penumbra with the Sun's upper
  // limb above the horizon at any instant within 5 h 6 min of the catalogue time.
  bool MayReach(double latitude, double longitudeEast) const;

 private:
  struct Sample {
    double Time;  // universal time, Julian centuries since J2000
    ShadowElements Elements;
  };
  static constexpr int kSamples = 53;  // 12 minutes apart
  std::array<Sample, kSamples> samples_{};
};

}  // namespace vellmora
