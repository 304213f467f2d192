#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>

#include "catalogue/vsop.h"
#include "series/vsop87d_earth.h"

namespace vellmora {
namespace {

constexpr double kJ2000Serial = 36526.5;  // 2000-01-01 12h, JD 2451545.0

using TermOperation = TVSOP::TermOperation;

// Number of terms a term operation gives for one power: the index of the first zero term.
int CountTerms(const TVSOP& body, TermOperation term, std::uint32_t power) {
  int count = 0;
  while ((body.*term)(count, power).A != 0) ++count;
  return count;
}

// Exact equality: the table holds the nearest long double of the published
// decimal text with its decimal point moved eight places, e.g. 628331966747.491
// for 6283.31966747491, which a product formed in double misses by about 3e-5.
void ExpectTerm(const VSOPTerm& term, long double a, long double b, long double c) {
  EXPECT_EQ(term.A, a);
  EXPECT_EQ(term.B, b);
  EXPECT_EQ(term.C, c);
}

TEST(VsopEarthTable, SeriesCountsAndKnownRowsMatchThePublishedTheory) {
  const TVSOPEarth earth;
  const int longitudeCounts[] = {559, 341, 142, 22, 11, 5};
  const int latitudeCounts[] = {184, 99, 49, 11, 5, 0};
  const int radiusCounts[] = {526, 292, 139, 27, 10, 3};
  int total = 0;
  for (std::uint32_t power = 0; power < 6; ++power) {
    SCOPED_TRACE(power);
    const int longitudeTerms = CountTerms(earth, &TVSOP::LongitudeTerm, power);
    const int latitudeTerms = CountTerms(earth, &TVSOP::LatitudeTerm, power);
    const int radiusTerms = CountTerms(earth, &TVSOP::RadiusTerm, power);
    EXPECT_EQ(longitudeTerms, longitudeCounts[power]);
    EXPECT_EQ(latitudeTerms, latitudeCounts[power]);
    EXPECT_EQ(radiusTerms, radiusCounts[power]);
    total += longitudeTerms + latitudeTerms + radiusTerms;
  }
  EXPECT_EQ(total, 2425);

  ExpectTerm(earth.LongitudeTerm(0, 0), 175347045.673L, 0, 0);
  ExpectTerm(earth.LongitudeTerm(1, 0), 3341656.456L, 4.66925680417L, 6283.0758499914L);
  ExpectTerm(earth.LongitudeTerm(0, 1), 628331966747.491L, 0, 0);
  ExpectTerm(earth.LongitudeTerm(0, 4), 114.084L, 3.14159265359L, 0);
  ExpectTerm(earth.LatitudeTerm(0, 0), 279.62L, 3.19870156017L, 84334.66158130829L);
  ExpectTerm(earth.RadiusTerm(0, 0), 100013988.799L, 0, 0);
  ExpectTerm(earth.RadiusTerm(1, 0), 1670699.626L, 3.09846350771L, 6283.0758499914L);
  ExpectTerm(earth.RadiusTerm(2, 5), 0.001L, 0.38068797142L, 18849.2275499742L);
}

TEST(VsopEarthTable, IndexOrPowerOutsideTheTableGivesAZeroTerm) {
  const TVSOPEarth earth;
  const auto expectZero = [](const VSOPTerm& term) {
    EXPECT_EQ(term.A, 0);
    EXPECT_EQ(term.B, 0);
    EXPECT_EQ(term.C, 0);
  };
  constexpr std::int32_t kHugeIndex = std::numeric_limits<std::int32_t>::max();
  constexpr std::uint32_t kHugePower = std::numeric_limits<std::uint32_t>::max();
  expectZero(earth.LongitudeTerm(-1, 0));
  expectZero(earth.LongitudeTerm(559, 0));
  expectZero(earth.LongitudeTerm(kHugeIndex, 0));
  expectZero(earth.LongitudeTerm(0, 6));
  expectZero(earth.LongitudeTerm(0, kHugePower));
  expectZero(earth.LatitudeTerm(0, 5));
  expectZero(earth.LatitudeTerm(184, 0));
  expectZero(earth.LatitudeTerm(std::numeric_limits<std::int32_t>::min(), 1));
  expectZero(earth.RadiusTerm(3, 5));
  expectZero(earth.RadiusTerm(0, 6));
  // The last term of each series is still there.
  EXPECT_NE(earth.LongitudeTerm(558, 0).A, 0);
  EXPECT_NE(earth.LatitudeTerm(4, 4).A, 0);
  EXPECT_NE(earth.RadiusTerm(2, 5).A, 0);
}

// A body with one term per power: amplitude (power + 1) * 10^8 and no phase,
// so each coordinate is the polynomial 1 + 2 tau + 3 tau^2 + ... + 6 tau^5,
// with the latitude scaled by the cosine of its phase and the radius a constant.
class PolynomialBody : public TVSOP {
 public:
  VSOPTerm LongitudeTerm(std::int32_t index, std::uint32_t power) const override {
    if (index != 0 || power > 5) return {0, 0, 0};
    return {(power + 1) * 1e8L, 0, 0};
  }
  VSOPTerm LatitudeTerm(std::int32_t index, std::uint32_t power) const override {
    if (index > 1 || power != 0) return {0, 0, 0};
    return {1e6L, kPi / 3, 0};  // two terms of 0.01 * cos 60 degrees
  }
  VSOPTerm RadiusTerm(std::int32_t index, std::uint32_t power) const override {
    return index == 0 && power == 0 ? VSOPTerm{1e8L, 0, 0} : VSOPTerm{0, 0, 0};
  }
};

TEST(VsopSeriesEvaluation, SumsEveryPowerAsAPolynomialInMillennia) {
  PolynomialBody body;
  body.SetDate(kJ2000Serial);
  EXPECT_EQ(body.MillenniaSinceJ2000(), 0);
  EXPECT_NEAR(body.HeliocentricLongitude(), 1, 1e-15L);

  body.SetDate(kJ2000Serial + 365250 / 2.0);  // half a millennium on
  EXPECT_NEAR(body.MillenniaSinceJ2000(), 0.5L, 1e-15L);
  const long double tau = 0.5L;
  const long double expected =
      1 + 2 * tau + 3 * tau * tau + 4 * std::pow(tau, 3) + 5 * std::pow(tau, 4) + 6 * std::pow(tau, 5);  // 3.5625
  EXPECT_NEAR(body.HeliocentricLongitude(), expected, 1e-15L);
  EXPECT_NEAR(body.HeliocentricLatitude(), 0.01L, 1e-15L);
  EXPECT_NEAR(body.HeliocentricRadius(), 1, 1e-15L);

  body.SetDate(kJ2000Serial - 365250);  // one millennium back: 1 - 2 + 3 - 4 + 5 - 6
  EXPECT_NEAR(body.MillenniaSinceJ2000(), -1, 1e-15L);
  EXPECT_NEAR(body.HeliocentricLongitude(), -3, 1e-14L);
}

TEST(VsopSeriesEvaluation, HeliocentricPositionTurnsTheSeriesIntoDegreesInTheFK5Frame) {
  // At tau = 0 the body's longitude is 1 rad, latitude 0.01 rad. The FK5 shift
  // at T = 0 is -0.09033" plus 0.03916" (cos 1 + sin 1) tan 0.01 in longitude
  // and 0.03916" (cos 1 - sin 1) in latitude.
  const HeliocentricCoordinates body = HeliocentricPosition<PolynomialBody>(kJ2000Serial);
  const long double degreesPerRadian = 180 / kPi;
  const long double expectedLongitude =
      degreesPerRadian + (-0.09033L + 0.03916L * (std::cos(1.0L) + std::sin(1.0L)) * std::tan(0.01L)) / 3600;
  const long double expectedLatitude = 0.01L * degreesPerRadian + 0.03916L * (std::cos(1.0L) - std::sin(1.0L)) / 3600;
  EXPECT_NEAR(body.Longitude, expectedLongitude, 1e-12L);
  EXPECT_NEAR(body.Latitude, expectedLatitude, 1e-12L);
  EXPECT_NEAR(body.Radius, 1, 1e-15L);

  // One millennium back the longitude is -3 rad, reported within [0, 360).
  const HeliocentricCoordinates earlier = HeliocentricPosition<PolynomialBody>(kJ2000Serial - 365250);
  EXPECT_NEAR(earlier.Longitude, 360 - 3 * degreesPerRadian, 0.01L);
}

TEST(VsopEarthSeries, AtJ2000OnlyThePowerZeroSeriesCount) {
  TVSOPEarth earth;
  earth.SetDate(kJ2000Serial);
  EXPECT_EQ(earth.MillenniaSinceJ2000(), 0);

  // Sum of A cos B over the power-0 series, straight from the table.
  const auto sumOfPowerZero = [](std::span<const VSOPTerm> series) {
    long double sum = 0;
    for (const VSOPTerm& term : series) sum += term.A * std::cos(term.B);
    return sum * 1e-8L;
  };
  const long double longitude = earth.HeliocentricLongitude();
  const long double latitude = earth.HeliocentricLatitude();
  const long double radius = earth.HeliocentricRadius();
  EXPECT_NEAR(longitude, 1.751924L, 5e-7L);
  EXPECT_NEAR(radius, 0.983328L, 5e-7L);
  EXPECT_NEAR(longitude, sumOfPowerZero(EarthLongitudeSeries[0]), 1e-15L);
  EXPECT_NEAR(latitude, sumOfPowerZero(EarthLatitudeSeries[0]), 1e-15L);
  EXPECT_NEAR(radius, sumOfPowerZero(EarthRadiusSeries[0]), 1e-15L);
}

// A coordinate summed straight from the table with the C library's cosine:
// sum over powers k of tau^k times the sum of A cos(B + C tau), in 10^-8 units.
long double DirectSum(std::span<const std::span<const VSOPTerm>> seriesByPower, long double tau) {
  long double total = 0;
  for (std::size_t power = 0; power < seriesByPower.size(); ++power) {
    long double sum = 0;
    for (const VSOPTerm& term : seriesByPower[power]) sum += term.A * std::cos(term.B + term.C * tau);
    total += sum * std::pow(tau, static_cast<int>(power));
  }
  return total * 1e-8L;
}

TEST(VsopEarthSeries, AgreesWithADirectSummationFromYear1000To3000) {
  TVSOPEarth earth;
  for (double serial = -328716; serial <= 401768; serial += 36524.25 * 7.3) {  // 1000-01-01 to 3000-01-01
    SCOPED_TRACE(serial);
    earth.SetDate(serial);
    const long double tau = earth.MillenniaSinceJ2000();
    // The longitude grows to about 6283 rad a millennium; 1e-16 relative is the last few bits.
    EXPECT_NEAR(earth.HeliocentricLongitude(), DirectSum(EarthLongitudeSeries, tau), 1e-15L);
    EXPECT_NEAR(earth.HeliocentricLatitude(), DirectSum(EarthLatitudeSeries, tau), 1e-18L);
    EXPECT_NEAR(earth.HeliocentricRadius(), DirectSum(EarthRadiusSeries, tau), 1e-18L);
  }
}

TEST(VsopEarthSeries, MillenniaCountFromNoonOfFirstJanuary2000) {
  TVSOPEarth earth;
  earth.SetDate(kJ2000Serial + 365250);
  EXPECT_NEAR(earth.MillenniaSinceJ2000(), 1, 1e-15L);
  earth.SetDate(36526.0);  // midnight before J2000.0: half a day back
  EXPECT_NEAR(earth.MillenniaSinceJ2000(), -0.5L / 365250, 1e-18L);
}

}  // namespace
}  // namespace vellmora
