#include "ephem/sphlib.h"

#include <cmath>

#include "ephem/constants.h"

namespace vellmora {

void EclipticToEquatorial(Vector3& v, double T) {
  const double obliquity = 23.43929111 - (46.815 + (0.00059 - 0.001813 * T) * T) * T / 3600;
  const double c = CosD(obliquity);
  const double s = SinD(obliquity);
  const double y = c * v.y - s * v.z;
  const double z = s * v.y + c * v.z;
  v.y = y;
  v.z = z;
}

SiteCoordinates GeocentricSite(double latitude) {
  const double s = SinD(latitude);
  const double c = 1 / std::sqrt(1 - kEarthEccentricitySquared * s * s);
  return {CosD(latitude) * c, kPolarRadiusRatioSquared * c * s};
}

}  // namespace vellmora
