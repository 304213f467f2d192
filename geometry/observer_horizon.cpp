#include "geometry/observer_horizon.h"

#include <algorithm>

#include "ephem/timlib.h"
#include "geometry/fit_position.h"

namespace vellmora {
namespace {

constexpr double kLowestRefractedAltitude = -1;  // degrees

Vector3 Difference(const Vector3& a, const Vector3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

}  // namespace

HorizonFrame ObserverHorizon(const LocalEclipseSetting& setting, double geodeticLatitude, double t) {
  const double sidereal = 15 * LocalSiderealTime(MJDFromCenturies(t), setting.LongitudeWest);
  const double cosTheta = CosD(sidereal);
  const double sinTheta = SinD(sidereal);
  const double cosPhi = CosD(geodeticLatitude);
  const double sinPhi = SinD(geodeticLatitude);
  HorizonFrame frame;
  frame.Zenith = {cosPhi * cosTheta, cosPhi * sinTheta, sinPhi};
  frame.North = {-sinPhi * cosTheta, -sinPhi * sinTheta, cosPhi};
  frame.East = {-sinTheta, cosTheta, 0};
  frame.Site = {setting.Site.RhoCosPhi * cosTheta, setting.Site.RhoCosPhi * sinTheta, setting.Site.RhoSinPhi};
  return frame;
}

SunInSky SunSeenFrom(const LocalEclipseSetting& setting, const HorizonFrame& horizon, double t) {
  const EquatorialPosition sun = PositionFromFit(setting.Sun, t + setting.DeltaT.UsedCenturies());
  const double distance = sun.Distance * kEarthRadiiPerAu;
  const Vector3 towardsSun = Difference(PolarToCartesian(distance, sun.Declination, sun.RightAscension), horizon.Site);
  const double range = VectorNorm(towardsSun);
  SunInSky seen;
  seen.Altitude = ArcSinD(DotProduct(towardsSun, horizon.Zenith) / range);
  seen.ApparentAltitude = seen.Altitude + StandardRefraction(seen.Altitude);
  const double azimuth = ArcTan2D(DotProduct(towardsSun, horizon.East), DotProduct(towardsSun, horizon.North));
  seen.Azimuth = azimuth < 0 ? azimuth + 360 : azimuth;
  seen.SemiDiameter = ArcSinD(kSunRadius / range);
  const double upperLimb = seen.Altitude + seen.SemiDiameter;
  seen.UpperLimbApparentAltitude = upperLimb + StandardRefraction(upperLimb);
  return seen;
}

double StandardRefraction(double geometricAltitude) {
  const double h = std::max(geometricAltitude, kLowestRefractedAltitude);
  // The constant term makes the refraction vanish at the zenith.
  return (1.02 / TanD(h + 10.3 / (h + 5.11)) + 0.0019279) / 60;
}

}  // namespace vellmora
