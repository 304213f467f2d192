#pragma once

#include <array>
#include <optional>

#include "ephem/sphlib.h"
#include "geometry/besselian_elements.h"
#include "geometry/earth_ellipsoid.h"
#include "geometry/local_circumstances.h"

// An observer seen from the Besselian elements: the place on the fundamental
// plane, the instant of maximum, the contacts and the magnitude, each in a few
// evaluations of the polynomials.

namespace vellmora {

// The observer's coordinates xi, eta, zeta (Earth radii) and their rates per hour.
struct PlaneObserver {
  double Xi = 0, Eta = 0, Zeta = 0;
  double XiRate = 0, EtaRate = 0, ZetaRate = 0;
};

PlaneObserver ObserverOnPlane(const ElementsAtInstant& elements, const SiteCoordinates& site, double longitudeEast);

// The axes i, j, k of the fundamental plane in Earth-fixed coordinates.
struct PlaneFrame {
  Vector3 I, J, K;
};

PlaneFrame FrameOf(const ElementsAtInstant& elements);

// The same as ObserverOnPlane for a point of the ground given by its
// coordinates on the plane: their rates as the Earth turns it under the shadow.
PlaneObserver GroundPointOnPlane(const ElementsAtInstant& elements, const PlaneFrame& frame, double xi, double eta,
                                 double zeta);

// The height zeta above the plane of the ground on the Earth's day side below
// the point (xi, eta); none where the point lies off the Earth's outline.
std::optional<double> GroundHeight(const PlaneFrame& frame, double xi, double eta);

// The place at the point (xi, eta, zeta) of the ground.
GeographicPoint PlaceInFrame(const PlaneFrame& frame, double xi, double eta, double zeta);

// The place on the Earth's day side below the point (xi, eta) of the
// fundamental plane; none where the point lies off the Earth's outline.
std::optional<GeographicPoint> PlaceOnPlane(const ElementsAtInstant& elements, double xi, double eta);

// Where the edge of a shadow cone (radius l on the plane, slope tanF) meets
// the ground at the angle theta (radians from i towards j) around the axis:
// the radius there shrinks, or grows, with the ground's height zeta, sought
// from firstHeight (that of an edge point nearby saves passes). None where
// that edge lies off the Earth.
std::optional<PlaneObserver> ConeEdgeOnGround(const ElementsAtInstant& elements, const PlaneFrame& frame, double l,
                                              double tanF, double theta, double firstHeight = 0);

// The eclipse at one place whether or not the Sun is up: t in hours from T0.
struct ElementsEclipseAtPlace {
  double MaximumHour = 0;             // least distance from the shadow axis
  double DistanceFromAxis = 0;        // m at maximum
  double PenumbraRadius = 0;          // L1 at the observer at maximum
  double UmbraRadius = 0;             // L2 at the observer at maximum, negative for a total eclipse
  double SunHeightAtMaximum = 0;      // zeta at maximum: the sine of the Sun's altitude on a round Earth
  double SunHeightRateAtMaximum = 0;  // per hour: positive while the Sun rises
  double NorthOfAxis = 0;             // eta - y at maximum: positive north of the shadow axis
  // First and last contact of the penumbra, with zeta and its rate there;
  // none where the penumbra misses the place.
  struct Contact {
    double Hour = 0;
    double Zeta = 0;
    double ZetaRate = 0;
  };
  std::optional<Contact> First;
  std::optional<Contact> Last;

  // (L1 - m) / (L1 + L2): the magnitude of a partial eclipse, negative outside the penumbra.
  double SignedMagnitude() const { return (PenumbraRadius - DistanceFromAxis) / (PenumbraRadius + UmbraRadius); }
};

// The search for the maximum starts at startHour (a neighbour's maximum saves
// steps); the contacts are sought only when asked for.
ElementsEclipseAtPlace EclipseAtPlace(const BesselianElements& elements, const SiteCoordinates& site,
                                      double longitudeEast, double startHour = 0, bool withContacts = true);

// Second and third contact at a place (hours from T0), sought from the hour
// of its maximum; either is none where the umbra or antumbra misses the place.
std::array<std::optional<double>, 2> InnerContactHours(const BesselianElements& elements, const SiteCoordinates& site,
                                                       double longitudeEast, double maximumHour);

// The local circumstances (times in universal time, Julian centuries since
// J2000) at a geodetic latitude and EAST longitude, from the elements.
LocalCircumstancesResult LocalCircumstancesFromElements(const BesselianElements& elements, double latitude,
                                                        double longitudeEast);

}  // namespace vellmora
