#pragma once

#include <numbers>

// Constants of the ephemeris stack (ephem/ and geometry/ on it, and the window
// above it). The time scales' constants live with them in timlib.h. Where the
// model deliberately uses a value of its own, the module keeps it and says so:
// 2 pi as 6.283185307 (pnulib, sunlib) and 6.283185308 (moolib), the degree of
// matlib, pi of the Chebyshev nodes (equatorial_fit), the Earth radii per
// astronomical unit (shadow_axis, shadow_elements) and the Moon's radius
// (shadow_axis, shadow_elements).

namespace vellmora {

inline constexpr double kRadiansPerDegree = std::numbers::pi / 180;
// The radian in arcseconds of the precise ephemeris (pnulib keeps its own
// 206264.8062).
inline constexpr double kArcsecondsPerRadian = 648000 / std::numbers::pi;
inline constexpr double kRadiansPerArcsecond = 1 / kArcsecondsPerRadian;

// The Earth's ellipsoid of the site coordinates: the square of its
// eccentricity, and one minus it, the square of the polar over the equatorial
// radius (the central line's shadow axis flattens the Earth with a ratio of
// its own, 0.996633).
inline constexpr double kEarthEccentricitySquared = 0.006694;
inline constexpr double kPolarRadiusRatioSquared = 0.993306;

}  // namespace vellmora
