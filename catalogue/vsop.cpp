#include "catalogue/vsop.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <span>

#include "catalogue/date_serial.h"
#include "catalogue/moon.h"
#include "numeric/extended_trig.h"
#include "series/vsop87d_earth.h"

namespace vellmora {
namespace {

constexpr long double kJ2000 = 2451545.0L;  // JD of 2000-01-01 12h
constexpr long double kKilometresPerAU = 149597869.0L;
constexpr std::uint32_t kHighestPower = 5;

// One row of the nutation series: multiples of D, M, M', F, Omega; the sine
// (longitude) and cosine (obliquity) coefficients in 0.0001" and their
// changes per century in 0.00001".
struct NutationRow {
  std::int8_t D, M, M1, F, Omega;
  std::int32_t PsiConstant, PsiPerCentury, EpsilonConstant, EpsilonPerCentury;
};

// The 31 largest terms of the IAU 1980 nutation theory.
constexpr std::array<NutationRow, 31> kNutationRows = {{
    {0, 0, 0, 0, 1, -171996, -1742, 92025, 89},
    {-2, 0, 0, 2, 2, -13187, -16, 5736, -31},
    {0, 0, 0, 2, 2, -2274, -2, 977, -5},
    {0, 0, 0, 0, 2, 2062, 2, -895, 5},
    {0, 1, 0, 0, 0, 1426, -34, 54, -1},
    {0, 0, 1, 0, 0, 712, 1, -7, 0},
    {-2, 1, 0, 2, 2, -517, 12, 224, -6},
    {0, 0, 0, 2, 1, -386, -4, 200, 0},
    {0, 0, 1, 2, 2, -301, 0, 129, -1},
    {-2, -1, 0, 2, 2, 217, -5, -95, 3},
    {-2, 0, 1, 0, 0, -158, 0, 0, 0},
    {-2, 0, 0, 2, 1, 129, 1, -70, 0},
    {0, 0, -1, 2, 2, 123, 0, -53, 0},
    {2, 0, 0, 0, 0, 63, 0, 0, 0},
    {0, 0, 1, 0, 1, 63, 1, -33, 0},
    {2, 0, -1, 2, 2, -59, 0, 26, 0},
    {0, 0, -1, 0, 1, -58, -1, 32, 0},
    {0, 0, 1, 2, 1, -51, 0, 27, 0},
    {-2, 0, 2, 0, 0, 48, 0, 0, 0},
    {0, 0, -2, 2, 1, 46, 0, -24, 0},
    {2, 0, 0, 2, 2, -38, 0, 16, 0},
    {0, 0, 2, 2, 2, -31, 0, 13, 0},
    {0, 0, 2, 0, 0, 29, 0, 0, 0},
    {-2, 0, 1, 2, 2, 29, 0, -12, 0},
    {0, 0, 0, 2, 0, 26, 0, 0, 0},
    {-2, 0, 0, 2, 0, -22, 0, 0, 0},
    {0, 0, -1, 2, 1, 21, 0, -10, 0},
    {0, 2, 0, 0, 0, 17, -1, 0, 0},
    {2, 0, -1, 0, 1, 16, 0, -8, 0},
    {-2, 2, 0, 2, 2, -16, 1, 7, 0},
    {0, 1, 0, 0, 1, -15, 0, 9, 0},
}};

// Julian centuries since J2000.0 of a date serial.
long double CenturiesSinceJ2000(double serial) { return (DateSerialToJD(serial) - kJ2000) / 36525; }

// Term `index` of the series of time power `power`, or a zero term outside the table.
VSOPTerm TermOf(std::span<const std::span<const VSOPTerm>> seriesByPower, std::int32_t index, std::uint32_t power) {
  if (power >= seriesByPower.size() || index < 0) return {0, 0, 0};
  const std::span<const VSOPTerm> series = seriesByPower[power];
  const auto position = static_cast<std::size_t>(index);
  return position < series.size() ? series[position] : VSOPTerm{0, 0, 0};
}

// An arcsine argument pushed just past +-1 by rounding (a body within about
// 1e-6 degree of the pole of the circle) is brought back to +-1.
long double ArcSinDegreesClamped(long double x) { return ArcSinDegrees(std::clamp(x, -1.0L, 1.0L)); }

}  // namespace

// ---- TVSOP ----

void TVSOP::SetDate(double serial) { date_ = serial; }

long double TVSOP::MillenniaSinceJ2000() const {
  return (static_cast<long double>(date_) - Serial2000 - 0.5L) / 365250;
}

long double TVSOP::EvaluateSeries(TermOperation term) const {
  const long double tau = MillenniaSinceJ2000();
  long double result = 0;
  for (std::uint32_t power = kHighestPower + 1; power-- > 0;) {
    long double sum = 0;
    for (std::int32_t index = 0;; ++index) {
      const VSOPTerm t = (this->*term)(index, power);
      const long double value = t.A * ExtendedCos(t.B + t.C * tau);
      if (value == 0) break;  // the zero term past the end of the series
      sum += value;
    }
    result = result * tau + sum;
  }
  return result * 1e-8L;
}

long double TVSOP::HeliocentricLongitude() const { return EvaluateSeries(&TVSOP::LongitudeTerm); }
long double TVSOP::HeliocentricLatitude() const { return EvaluateSeries(&TVSOP::LatitudeTerm); }
long double TVSOP::HeliocentricRadius() const { return EvaluateSeries(&TVSOP::RadiusTerm); }

void TVSOP::ConvertToFK5(long double& longitude, long double& latitude) const {
  const long double centuries = 10 * MillenniaSinceJ2000();
  const long double lambdaPrime = longitude + centuries * DegreesToRadians(-1.397L - 0.00031L * centuries);
  const long double cosLambda = std::cos(lambdaPrime);
  const long double sinLambda = std::sin(lambdaPrime);
  const long double frameTilt = DegreesToRadians(0.03916L / 3600);
  longitude =
      longitude - DegreesToRadians(0.09033L / 3600) + frameTilt * (cosLambda + sinLambda) * TanRadians(latitude);
  latitude = latitude + frameTilt * (cosLambda - sinLambda);
}

// ---- TVSOPEarth ----

VSOPTerm TVSOPEarth::LongitudeTerm(std::int32_t index, std::uint32_t power) const {
  return TermOf(EarthLongitudeSeries, index, power);
}

VSOPTerm TVSOPEarth::LatitudeTerm(std::int32_t index, std::uint32_t power) const {
  return TermOf(EarthLatitudeSeries, index, power);
}

VSOPTerm TVSOPEarth::RadiusTerm(std::int32_t index, std::uint32_t power) const {
  return TermOf(EarthRadiusSeries, index, power);
}

HeliocentricCoordinates EarthHeliocentricPosition(double serial) { return HeliocentricPosition<TVSOPEarth>(serial); }

// ---- Nutation and sidereal time ----

NutationObliquity NutationAndObliquity(double serial) {
  const long double T = CenturiesSinceJ2000(serial);
  const long double T2 = T * T;
  const long double T3 = T2 * T;
  const long double omega = NormalizeDegrees(125.04452L - 1934.136261L * T + 0.0020708L * T2 + T3 / 450000);
  const long double D = NormalizeDegrees(297.85036L + 445267.11148L * T - 0.0019142L * T2 + T3 / 189474);
  const long double M = NormalizeDegrees(357.52772L + 35999.05034L * T - 0.0001603L * T2 - T3 / 300000);
  const long double M1 = NormalizeDegrees(134.96298L + 477198.867398L * T + 0.0086972L * T2 + T3 / 56250);
  const long double F = NormalizeDegrees(93.27191L + 483202.017538L * T - 0.0036825L * T2 + T3 / 327270);

  long double deltaPsi = 0;      // 0.0001"
  long double deltaEpsilon = 0;  // 0.0001"
  for (const NutationRow& row : kNutationRows) {
    const long double argument = D * row.D + M * row.M + M1 * row.M1 + F * row.F + omega * row.Omega;
    deltaPsi += SinDegrees(argument) * (row.PsiConstant + 0.1L * row.PsiPerCentury * T);
    deltaEpsilon += CosDegrees(argument) * (row.EpsilonConstant + 0.1L * row.EpsilonPerCentury * T);
  }
  const long double meanObliquityArcsec = 84381.448L - 46.815L * T - 0.00059L * T2 + 0.001813L * T3;
  return {deltaPsi * 0.0001L / 3600, (meanObliquityArcsec + deltaEpsilon * 0.0001L) / 3600};
}

long double ApparentSiderealTime(double serial) {
  const long double T = CenturiesSinceJ2000(serial);
  const NutationObliquity nutation = NutationAndObliquity(serial);
  const long double meanSiderealTime =
      280.46061837L + 360.98564736629L * (DateSerialToJD(serial) - kJ2000) + T * T * (0.000387933L - T / 38710000);
  return NormalizeDegrees(meanSiderealTime + nutation.NutationInLongitude * CosDegrees(nutation.TrueObliquity));
}

// ---- Apparent Sun ----

SunPositionRecord SunApparentPosition(double serial) {
  const HeliocentricCoordinates earth = EarthHeliocentricPosition(serial);
  long double lambda = earth.Longitude + 180;  // geocentric Sun
  long double beta = -earth.Latitude;
  // A second reduction to FK5, in degrees, on top of the one in the heliocentric place.
  const long double T = (DateSerialToJD(serial) - kJ2000) / 365250 * 10;
  const long double lambdaPrime = lambda + T * (-1.397L - 0.00031L * T);
  lambda -= 0.09033L / 3600;
  beta += (0.03916L / 3600) * (CosDegrees(lambdaPrime) - SinDegrees(lambdaPrime));
  lambda -= (20.4898L / 3600) / earth.Radius;  // aberration

  SunPositionRecord record{};
  record.Longitude = NormalizeDegrees(lambda);
  record.Latitude = beta;
  record.DistanceKm = earth.Radius * kKilometresPerAU;
  EclipticToEquatorialOfDate(record, serial);
  return record;
}

void EclipticToEquatorialOfDate(SunPositionRecord& record, double serial) {
  const NutationObliquity nutation = NutationAndObliquity(serial);
  const long double lambda = NormalizeDegrees(record.Longitude + nutation.NutationInLongitude);
  const long double beta = record.Latitude;
  const long double epsilon = nutation.TrueObliquity;
  record.Longitude = lambda;
  record.RightAscension = ArcTan2Degrees(
      SinDegrees(lambda) * CosDegrees(epsilon) - TanDegrees(beta) * SinDegrees(epsilon), CosDegrees(lambda));
  record.Declination = ArcSinDegreesClamped(SinDegrees(beta) * CosDegrees(epsilon) +
                                            CosDegrees(beta) * SinDegrees(epsilon) * SinDegrees(lambda));
}

void EquatorialToHorizontal(SunPositionRecord& record, long double latitude, long double longitudeWest, double serial) {
  const long double hourAngle = NormalizeDegrees(ApparentSiderealTime(serial) - record.RightAscension - longitudeWest);
  const long double declination = record.Declination;
  record.Azimuth = ArcTan2Degrees(SinDegrees(hourAngle), CosDegrees(hourAngle) * SinDegrees(latitude) -
                                                             TanDegrees(declination) * CosDegrees(latitude));
  record.Altitude = ArcSinDegreesClamped(SinDegrees(latitude) * SinDegrees(declination) +
                                         CosDegrees(latitude) * CosDegrees(declination) * CosDegrees(hourAngle));
}

HorizontalPosition SunHorizontalPosition(double serial, long double longitudeWest, long double latitude) {
  SunPositionRecord record = SunApparentPosition(serial);
  EquatorialToHorizontal(record, latitude, longitudeWest, serial);
  return {record.Altitude, record.Azimuth};
}

}  // namespace vellmora
