#pragma once

#include "ephem/matlib.h"

// Rotation from the ecliptic to the equator of date, and the geocentric
// coordinates of a site on the Earth's ellipsoid.

namespace vellmora {

// Rotates about the x axis by the mean obliquity of date (T in Julian centuries since J2000).
void EclipticToEquatorial(Vector3& v, double T);

// rho cos(phi') and rho sin(phi') in equatorial Earth radii for a geodetic latitude.
struct SiteCoordinates {
  double RhoCosPhi;
  double RhoSinPhi;
};

SiteCoordinates GeocentricSite(double latitude);

}  // namespace vellmora
