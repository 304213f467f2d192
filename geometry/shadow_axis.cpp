#include "geometry/shadow_axis.h"

#include <algorithm>
#include <cmath>

#include "geometry/shadow_elements.h"

namespace vellmora {
namespace {

// Dividing z by the polar axis ratio turns the ellipsoid into the unit sphere.
Vector3 StretchedPosition(const EquatorialPosition& body) {
  Vector3 v = PolarToCartesian(body.Distance, body.Declination, body.RightAscension);
  v.z /= kCentralLinePolarAxisRatio;
  return v;
}

}  // namespace

UmbralCone UmbralConeOf(double lunarRadius) { return {2 * (kSunRadius - lunarRadius), 2 * lunarRadius}; }

ShadowAxis ShadowAxisIntersection(const EquatorialPosition& moon, const EquatorialPosition& sun,
                                  const UmbralCone& cone) {
  const Vector3 m = StretchedPosition(moon);
  const Vector3 s = StretchedPosition(sun);
  const Vector3 d{m.x - s.x, m.y - s.y, m.z - s.z};
  const double sunToMoon = VectorNorm(d);

  ShadowAxis shadow;
  shadow.Axis = {d.x / sunToMoon, d.y / sunToMoon, d.z / sunToMoon};
  const Vector3& e = shadow.Axis;

  // Distance from the Moon to the fundamental plane, and the cones there.
  const double planeDistance = -DotProduct(m, e);
  shadow.Umbra = cone.Slope * planeDistance / sunToMoon - cone.MoonDiameter;
  shadow.Penumbra = kCentralLinePenumbraSlope * planeDistance / sunToMoon + kCentralLineCone.MoonDiameter;

  // q is the squared half chord of the unit sphere along the axis; the axis
  // passes the centre at distance w. An axis through the very centre may
  // leave 1 - q a rounding error below 0.
  const double q = planeDistance * planeDistance + 1 - DotProduct(m, m);
  const double w = std::sqrt(std::max(0.0, 1 - q));
  if (w < 1) {
    const double ground = planeDistance - std::sqrt(q);
    shadow.SurfaceUmbra = cone.Slope * ground / sunToMoon - cone.MoonDiameter;
    shadow.SurfacePoint = {m.x + ground * e.x, m.y + ground * e.y, (m.z + ground * e.z) * kCentralLinePolarAxisRatio};
    shadow.Class = shadow.SurfaceUmbra > 0 ? ShadowClass::CentralAnnular : ShadowClass::CentralTotal;
  } else if (w < 1 + std::abs(shadow.Umbra) / 2) {
    shadow.Class = shadow.Umbra > 0 ? ShadowClass::NonCentralAnnular : ShadowClass::NonCentralTotal;
  } else if (w < 1 + shadow.Penumbra / 2) {
    shadow.Class = ShadowClass::PartialOnly;
  }
  return shadow;
}

}  // namespace vellmora
