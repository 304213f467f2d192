#pragma once

#include <numbers>

// Constants of the ephemeris stack (ephem/ and geometry/ on it, and the window
// above it), one home for each body's figures. The time scales' constants live
// with them in timlib.h. Where a module deliberately uses a value of its own,
// it keeps it and says so: 2 pi as 6.283185307 (pnulib, sunlib) and
// 6.283185308 (moolib), the degree of matlib, pi of the Chebyshev nodes
// (equatorial_fit). The central line keeps the rounded figures it was made
// with; they are named for it here.

namespace vellmora {

inline constexpr double kRadiansPerDegree = std::numbers::pi / 180;
// The radian in arcseconds of the precise ephemeris (pnulib keeps its own
// 206264.8062).
inline constexpr double kArcsecondsPerRadian = 648000 / std::numbers::pi;
inline constexpr double kRadiansPerArcsecond = 1 / kArcsecondsPerRadian;

// The Earth. Its ellipsoid, of the site coordinates, the shadow elements and
// the distances in kilometres: the square of its eccentricity, and one minus
// it, the square of the polar over the equatorial radius.
inline constexpr double kEarthEccentricitySquared = 0.006694;
inline constexpr double kPolarRadiusRatioSquared = 0.993306;
inline constexpr double kEquatorialEarthRadiusKm = 6378.137;
// Astronomical units to equatorial Earth radii.
inline constexpr double kEarthRadiiPerAu = 23454.77992;

// The central line's Earth: the ratio of the polar to the equatorial radius
// by which its shadow axis flattens the Earth, and the astronomical unit
// rounded to 23454.78 Earth radii.
inline constexpr double kCentralLinePolarAxisRatio = 0.996633;
inline constexpr double kCentralLineEarthRadiiPerAu = 23454.78;

// The Moon's radius in Earth radii, for the edges of both the penumbra and the
// umbra. Published predictions often take a smaller radius for the umbra,
// which the umbral cone can be given instead.
inline constexpr double kLunarRadius = 0.2725076;
inline constexpr double kPublishedUmbralLunarRadius = 0.272281;
// The central line's Moon: its diameter rounded to 0.545 Earth radii.
inline constexpr double kCentralLineMoonDiameter = 0.545;

// The Sun with the Moon: the sum and difference of their radii (kLunarRadius)
// in Earth radii; the Sun's radius is their mean.
inline constexpr double kRadiiSum = 109.3952076;
inline constexpr double kRadiiDifference = 108.8501924;
inline constexpr double kSunRadius = (kRadiiSum + kRadiiDifference) / 2;
// The central line's slopes of the umbral and penumbral cones: twice the
// difference and twice the sum of the radii, rounded, as it was made with.
inline constexpr double kCentralLineUmbraSlope = 217.705;
inline constexpr double kCentralLinePenumbraSlope = 218.795;

}  // namespace vellmora
