#pragma once

#include "ephem/matlib.h"
#include "geometry/contact_function.h"

// The observer's horizon: the local frame of zenith, north and east on the
// Earth's ellipsoid, the Sun's topocentric altitude and azimuth in it, and the
// standard refraction near the horizon. The frame turns with the same local
// mean sidereal time as the observer on the fundamental plane, and the Sun
// comes from the same fits as the shadow, so the horizon and the contacts
// belong to one model.

namespace vellmora {

// Unit vectors of the observer's horizon and the observer's geocentric
// position (Earth radii), in the equatorial frame of date.
struct HorizonFrame {
  Vector3 Zenith{};  // normal of the ellipsoid at the geodetic latitude
  Vector3 North{};
  Vector3 East{};
  Vector3 Site{};
};

HorizonFrame ObserverHorizon(const LocalEclipseSetting& setting, double geodeticLatitude, double t);

struct SunInSky {
  double Altitude = 0;          // geometric altitude of the centre, degrees
  double ApparentAltitude = 0;  // with standard refraction, degrees
  double Azimuth = 0;           // from north through east, [0, 360)
  double SemiDiameter = 0;      // degrees
  double UpperLimbApparentAltitude = 0;
};

// The Sun's topocentric position at the universal time t (Julian centuries
// since J2000).
SunInSky SunSeenFrom(const LocalEclipseSetting& setting, const HorizonFrame& horizon, double t);

// Standard refraction (10 degrees C, 1010 hPa) in degrees for a geometric
// altitude in degrees, from Saemundsson's formula. Below -1 degree the body is
// out of sight and the refraction of -1 degree is kept, so the apparent
// altitude stays continuous and rising.
double StandardRefraction(double geometricAltitude);

// The Sun counts as above the horizon while its upper limb, refracted, is.
inline bool IsAboveHorizon(const SunInSky& sun) { return sun.UpperLimbApparentAltitude >= 0; }

}  // namespace vellmora
