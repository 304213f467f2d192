#include "geometry/shadow_elements.h"

#include <cmath>

#include "ephem/timlib.h"
#include "geometry/fit_position.h"

namespace vellmora {
namespace {

Vector3 EquatorialVector(const EquatorialPosition& body) {
  return PolarToCartesian(body.Distance, body.Declination, body.RightAscension);
}

}  // namespace

ShadowElements ComputeShadowElements(const EquatorialFit& moon, const EquatorialFit& sun, const DeltaTFigures& deltaT,
                                     double t, double umbralLunarRadius) {
  const double ephemerisTime = t + deltaT.UsedCenturies();
  EquatorialPosition sunPosition = PositionFromFit(sun, ephemerisTime);
  sunPosition.Distance *= kEarthRadiiPerAu;
  const Vector3 m = EquatorialVector(PositionFromFit(moon, ephemerisTime));
  const Vector3 s = EquatorialVector(sunPosition);

  const Vector3 moonToSun{s.x - m.x, s.y - m.y, s.z - m.z};
  const double distance = VectorNorm(moonToSun);
  ShadowElements elements;
  elements.k = {moonToSun.x / distance, moonToSun.y / distance, moonToSun.z / distance};
  const double equatorial = std::sqrt(elements.k.x * elements.k.x + elements.k.y * elements.k.y);
  elements.i = {-elements.k.y / equatorial, elements.k.x / equatorial, 0};
  elements.j = CrossProduct(elements.k, elements.i);
  elements.x = DotProduct(m, elements.i);
  elements.y = DotProduct(m, elements.j);
  elements.z = DotProduct(m, elements.k);
  elements.sinF1 = kRadiiSum / distance;
  elements.l1 = kRadiiSum * elements.z / distance + kLunarRadius;
  // A smaller Moon under the same Sun: the difference of the radii grows by
  // what the Moon's radius shrinks (and stays exactly kRadiiDifference for kLunarRadius).
  const double umbralRadiiDifference = kRadiiDifference + (kLunarRadius - umbralLunarRadius);
  elements.sinF2 = umbralRadiiDifference / distance;
  elements.l2 = umbralRadiiDifference * elements.z / distance - umbralLunarRadius;
  return elements;
}

ObserverPosition ObserverCoordinates(const ShadowElements& elements, double t, double longitudeWest,
                                     const SiteCoordinates& site) {
  const double siderealDegrees = 15 * LocalSiderealTime(MJDFromCenturies(t), longitudeWest);
  const Vector3 r{site.RhoCosPhi * CosD(siderealDegrees), site.RhoCosPhi * SinD(siderealDegrees), site.RhoSinPhi};
  return {DotProduct(r, elements.i), DotProduct(r, elements.j), DotProduct(r, elements.k)};
}

}  // namespace vellmora
