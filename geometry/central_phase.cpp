#include "geometry/central_phase.h"

#include <cmath>

namespace vellmora {
namespace {

constexpr double kEarthTurnInSixSeconds = 0.00043755;  // radians

}  // namespace

CentralPhase DurationOfCentralPhase(const ShadowAxis& here, const std::function<ShadowAxis(int)>& neighbour) {
  int direction = +1;
  ShadowAxis there = neighbour(direction);
  if (!IsCentral(there.Class)) {
    direction = -1;
    there = neighbour(direction);
  }
  if (!IsCentral(there.Class)) return {0, there.Umbra};
  // The ground under the earlier or later point has turned with the Earth.
  const double earthTurn = direction * kEarthTurnInSixSeconds;
  const Vector3& p = here.SurfacePoint;
  const Vector3& q = there.SurfacePoint;
  const Vector3 shift{q.x - p.x + earthTurn * p.y, q.y - p.y - earthTurn * p.x, q.z - p.z};
  const double alongAxis = DotProduct(shift, here.Axis);
  const double across = std::sqrt(DotProduct(shift, shift) - alongAxis * alongAxis);
  return {std::abs(here.SurfaceUmbra) * 0.1 / across, there.Umbra};
}

}  // namespace vellmora
