#pragma once

#include "ephem/constants.h"
#include "ephem/matlib.h"

// Places on the Earth's ellipsoid (the flattening of the site coordinates) and
// distances between them in kilometres.

namespace vellmora {

// A place on the Earth's ellipsoid.
struct GeographicPoint {
  double Latitude = 0;       // geodetic, degrees, north positive
  double LongitudeEast = 0;  // degrees, east positive, -180..180
};

// Earth-fixed position in km: x to 0 degrees E on the equator, y to 90 E, z to the north pole.
Vector3 EarthFixedKm(const GeographicPoint& point);

// The ellipsoid's outward unit normal at the place (the local vertical).
Vector3 VerticalAt(const GeographicPoint& point);

// The place below an Earth-fixed position given in units of the equatorial radius
// (exact for points on the ellipsoid).
GeographicPoint PlaceBelow(const Vector3& earthFixed);

// Distance over the ground between two places, taken as the arc of the mean
// sphere over their chord: within metres of the geodesic for a few hundred km.
double GroundDistanceKm(const GeographicPoint& a, const GeographicPoint& b);
double GroundDistanceBetweenEarthFixedKm(const Vector3& aKm, const Vector3& bKm);

}  // namespace vellmora
