#pragma once

#include <array>
#include <cstddef>

#include "ephem/ephemeris.h"
#include "geometry/shadow_elements.h"

// The Besselian elements of one solar eclipse: the shadow axis on the
// fundamental plane (x, y), its direction (d, mu) and the radii of the
// penumbral and umbral cones there (l1, l2), each a polynomial in
// t = TD - t0 in hours, fitted to the program's own ephemeris over the whole
// time the penumbra touches the Earth. Lengths in equatorial Earth radii,
// angles in degrees.

namespace vellmora {

// The polynomial with coefficients c (from the constant term on) at t.
template <std::size_t N>
double PolynomialAt(const std::array<double, N>& c, double t) {
  double sum = 0;
  for (std::size_t p = N; p-- > 0;) sum = sum * t + c[p];
  return sum;
}

struct BesselianElements {
  double T0 = 0;  // reference instant, dynamical time, Julian centuries since J2000 (a whole hour)
  // TD - UT in seconds. As in published elements, mu is the Greenwich hour
  // angle of the axis with the sidereal time taken at TD itself; the hour angle
  // at the true universal time is mu - 0.00417807 DeltaT (ElementsAtInstant).
  double DeltaTSeconds = 0;
  // The lunar and solar series are evaluated at TD plus this lag, so that the
  // elements agree with JPL-based ones at equal dynamical time.
  double EphemerisLagSeconds = 0;
  // Coefficients from the constant term on, per hour, hour^2, ...
  std::array<double, 4> X{};
  std::array<double, 4> Y{};
  std::array<double, 3> D{};
  std::array<double, 3> Mu{};
  std::array<double, 3> L1{};
  std::array<double, 3> L2{};  // negative where the umbra reaches the plane
  double TanF1 = 0;
  double TanF2 = 0;
  // The hours (t) over which the penumbra touches the Earth, the polynomials' range.
  double FirstHour = 0;
  double LastHour = 0;
};

// The elements and their rates at one instant; rates per hour.
struct ElementsAtInstant {
  double X = 0, Y = 0, D = 0, Mu = 0, L1 = 0, L2 = 0;
  double XRate = 0, YRate = 0, DRate = 0, MuRate = 0, L2Rate = 0;
  double TanF1 = 0, TanF2 = 0;
  double HourAngle = 0;  // of the axis at Greenwich at the universal time of the instant, degrees
};

// The elements of the eclipse listed at `listed` (its clock reading taken as
// universal time, as the local circumstances take it) from the fits of the
// ephemeris the local circumstances use, with Delta-T and the ephemeris lag
// and the Moon's radius for the umbra (Earth radii).
BesselianElements ComputeBesselianElements(InstantTD listed, const DeltaTFigures& deltaT,
                                           double umbralLunarRadius = kLunarRadius,
                                           Ephemeris ephemeris = Ephemeris::Standard);

// The same for a catalogue date and hour with the Delta-T, lag and umbral
// lunar radius that go with the ephemeris, as the central line and the local
// circumstances take them: the standard series with the year's Delta-T and
// lag, the precise ones with Delta-T at the date and no lag.
BesselianElements ComputeBesselianElements(int day, int month, int year, double hours,
                                           Ephemeris ephemeris = Ephemeris::Standard);

ElementsAtInstant EvaluateElements(const BesselianElements& elements, double t);

// Instants: t in hours from T0 and universal time in Julian centuries since J2000.
double UniversalTimeAt(const BesselianElements& elements, double t);
double HoursFromT0(const BesselianElements& elements, double universalTime);

// The hour of day (TD) of T0, 0..23.
double T0Hours(const BesselianElements& elements);

}  // namespace vellmora
