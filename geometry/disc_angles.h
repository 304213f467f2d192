#pragma once

#include "geometry/contact_function.h"
#include "geometry/observer_horizon.h"

// Where on the Sun's disc an observer sees a contact: the position angle P,
// from the north point of the disc through east, and the vertex angle V, from
// the point of the disc nearest the zenith through east. On the fundamental
// plane the Moon's centre lies at (x - xi, y - eta) from the observer's line of
// sight to the Sun, i pointing east and j north, so P = atan2(x - xi, y - eta);
// the zenith projects onto the plane in the direction of the parallactic
// angle C, and V = P - C.

namespace vellmora {

enum class SunDiscPoint {
  MoonCentre,    // the direction of the Moon's centre (for the maximum)
  OuterContact,  // first and fourth contact: towards the Moon's centre
  InnerContact,  // second and third: towards it in an annular, away from it in a total eclipse
};

struct DiscAngles {
  double PositionAngle = 0;  // degrees, [0, 360)
  double VertexAngle = 0;    // degrees, [0, 360)
};

DiscAngles AnglesOnSunDisc(const LocalEclipseSetting& setting, const HorizonFrame& horizon, double t,
                           SunDiscPoint point);

}  // namespace vellmora
