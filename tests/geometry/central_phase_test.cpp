#include "geometry/central_phase.h"

#include <gtest/gtest.h>

#include <vector>

namespace vellmora {
namespace {

// A ground point with the axis straight down onto it and an umbra of 0.02
// Earth radii (0.002 per 0.1 minute): the duration in minutes is 0.002 / v
// for a shift v across the axis in 6 s.
ShadowAxis Central(Vector3 point, Vector3 axis, double fundamentalUmbra) {
  ShadowAxis shadow;
  shadow.Class = ShadowClass::CentralTotal;
  shadow.SurfacePoint = point;
  shadow.Axis = axis;
  shadow.SurfaceUmbra = -0.02;
  shadow.Umbra = fundamentalUmbra;
  return shadow;
}

ShadowAxis Missing(double fundamentalUmbra) {
  ShadowAxis shadow;
  shadow.Class = ShadowClass::NonCentralTotal;
  shadow.Umbra = fundamentalUmbra;
  return shadow;
}

TEST(CentralPhase, DurationFromTheShiftOverTheTurningGround) {
  const ShadowAxis here = Central({1, 0, 0}, {-1, 0, 0}, -0.01);
  // 6 s later the point moved 0.01 east and 0.002 north, while the ground
  // under it turned 0.00043755 east: v = hypot(0.00956245, 0.002).
  const CentralPhase later = DurationOfCentralPhase(here, [](int direction) {
    return direction > 0 ? Central({1, 0.01, 0.002}, {-1, 0, 0}, -0.011) : Missing(0);
  });
  EXPECT_NEAR(later.DurationMinutes, 0.204722, 1e-6);
  EXPECT_EQ(later.Umbra, -0.011);

  // A point on the y axis: the turn shows in x, with the opposite sign.
  const CentralPhase turned = DurationOfCentralPhase(Central({0, 1, 0}, {0, -1, 0}, -0.01), [](int) {
    return Central({0.01, 1, 0}, {0, -1, 0}, -0.01);
  });
  EXPECT_NEAR(turned.DurationMinutes, 0.002 / 0.01043755, 1e-9);

  // Motion along the axis does not count.
  const CentralPhase along = DurationOfCentralPhase(here, [](int) { return Central({0.9, 0.01, 0}, {-1, 0, 0}, 0); });
  EXPECT_NEAR(along.DurationMinutes, 0.002 / 0.00956245, 1e-9);
}

TEST(CentralPhase, EarlierNeighbourWhenTheLaterMissesAndZeroWhenBothMiss) {
  const ShadowAxis here = Central({1, 0, 0}, {-1, 0, 0}, -0.01);
  // 6 s earlier the point was 0.01 west; the ground then lay 0.00043755 west.
  std::vector<int> asked;
  const CentralPhase earlier = DurationOfCentralPhase(here, [&asked](int direction) {
    asked.push_back(direction);
    return direction > 0 ? Missing(-0.013) : Central({1, -0.01, 0}, {-1, 0, 0}, -0.012);
  });
  EXPECT_EQ(asked, (std::vector<int>{+1, -1}));
  EXPECT_NEAR(earlier.DurationMinutes, 0.002 / 0.00956245, 1e-9);
  EXPECT_EQ(earlier.Umbra, -0.012);

  const CentralPhase alone =
      DurationOfCentralPhase(here, [](int direction) { return Missing(direction > 0 ? -0.013 : -0.014); });
  EXPECT_EQ(alone.DurationMinutes, 0);
  EXPECT_EQ(alone.Umbra, -0.014);
}

}  // namespace
}  // namespace vellmora
