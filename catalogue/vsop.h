#pragma once

#include <concepts>
#include <cstdint>

#include "catalogue/angles.h"
#include "series/vsop_term.h"

// Module vsop: the apparent place of the Sun from the VSOP87 theory of the
// Earth (version D, ecliptic and equinox of date), reduced to the FK5 frame,
// corrected for aberration and nutation, and turned into altitude and azimuth
// at a place. Time is a date serial; it serves both as dynamical time for the
// series and as universal time for the sidereal time.

namespace vellmora {

// ---- What the window asks ----

struct HorizontalPosition {
  long double Altitude;  // degrees, geometric, without refraction or parallax
  long double Azimuth;   // degrees from the south, positive towards the west
};

HorizontalPosition SunHorizontalPosition(double serial, long double longitudeWest, long double latitude);

// ---- Apparent Sun ----

struct SunPositionRecord {
  long double Longitude;       // apparent ecliptic longitude, degrees, [0, 360)
  long double Latitude;        // ecliptic latitude, degrees
  long double DistanceKm;      // distance of the Sun
  long double RightAscension;  // degrees, (-180, 180]
  long double Declination;     // degrees
  long double Altitude;        // degrees
  long double Azimuth;         // degrees
};

// Fills Longitude, Latitude, DistanceKm, RightAscension and Declination.
SunPositionRecord SunApparentPosition(double serial);

// Adds the nutation in longitude to Longitude and fills RightAscension and Declination.
void EclipticToEquatorialOfDate(SunPositionRecord& record, double serial);

// Fills Altitude and Azimuth for a place (latitude, longitude positive west).
void EquatorialToHorizontal(SunPositionRecord& record, long double latitude, long double longitudeWest, double serial);

struct NutationObliquity {
  long double NutationInLongitude;  // degrees
  long double TrueObliquity;        // degrees
};

// 31 terms of the IAU 1980 nutation series and the true obliquity of the ecliptic.
NutationObliquity NutationAndObliquity(double serial);

// Apparent sidereal time at Greenwich, degrees, [0, 360).
long double ApparentSiderealTime(double serial);

// ---- VSOP87 series ----

// The series of one body. A term operation gives term `index` of the series
// of time power `power`, or a zero term past the end of that series.
class TVSOP {
 public:
  virtual VSOPTerm LongitudeTerm(std::int32_t index, std::uint32_t power) const = 0;
  virtual VSOPTerm LatitudeTerm(std::int32_t index, std::uint32_t power) const = 0;
  virtual VSOPTerm RadiusTerm(std::int32_t index, std::uint32_t power) const = 0;
  virtual ~TVSOP() = default;

  using TermOperation = VSOPTerm (TVSOP::*)(std::int32_t, std::uint32_t) const;

  void SetDate(double serial);
  // Julian millennia since J2000.0 of the date.
  long double MillenniaSinceJ2000() const;
  // Sum of the series of powers 0 to 5 at the date, as a polynomial in time, in radians or AU.
  long double EvaluateSeries(TermOperation term) const;
  long double HeliocentricLongitude() const;  // radians
  long double HeliocentricLatitude() const;   // radians
  long double HeliocentricRadius() const;     // AU
  // From the dynamical ecliptic and equinox of VSOP87 to FK5; radians in and out.
  void ConvertToFK5(long double& longitude, long double& latitude) const;

 private:
  double date_ = 0;  // date serial
};

class TVSOPEarth : public TVSOP {
 public:
  VSOPTerm LongitudeTerm(std::int32_t index, std::uint32_t power) const override;
  VSOPTerm LatitudeTerm(std::int32_t index, std::uint32_t power) const override;
  VSOPTerm RadiusTerm(std::int32_t index, std::uint32_t power) const override;
};

struct HeliocentricCoordinates {
  long double Longitude;  // degrees, [0, 360)
  long double Latitude;   // degrees
  long double Radius;     // AU
};

// Heliocentric place of a body in the FK5 frame at a date; the body's series
// object lives for this call only.
template <std::derived_from<TVSOP> Body>
HeliocentricCoordinates HeliocentricPosition(double serial) {
  Body body;
  body.SetDate(serial);
  const long double radius = body.HeliocentricRadius();
  long double longitude = body.HeliocentricLongitude();
  long double latitude = body.HeliocentricLatitude();
  body.ConvertToFK5(longitude, latitude);
  return {NormalizeDegrees(RadiansToDegrees(longitude)), RadiansToDegrees(latitude), radius};
}

HeliocentricCoordinates EarthHeliocentricPosition(double serial);

}  // namespace vellmora
