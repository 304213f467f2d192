#include "geometry/besselian_elements.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "ephem/deltat.h"
#include "ephem/timlib.h"
#include "geometry/local_contacts.h"

namespace vellmora {
namespace {

constexpr double kHoursPerCentury = kDaysPerJulianCentury * 24;
// The Earth's turn relative to the equinox, degrees per second of time.
constexpr double kSiderealDegreesPerSecond = 360.98564736629 / kSecondsPerDay;
constexpr double kSampleStepHours = 5.0 / 60;
constexpr double kSearchHalfSpanHours = 5;  // the catalogue instant is within minutes of greatest eclipse

// The raw elements at one instant of dynamical time, angles continuous in mu.
struct ElementSample {
  double Hour = 0;  // TD, hours from the catalogue instant
  double X = 0, Y = 0, D = 0, Mu = 0, L1 = 0, L2 = 0, TanF1 = 0, TanF2 = 0;
};

ElementSample SampleAt(const LocalFits& fits, double dynamicalTime, const DeltaTFigures& deltaT,
                       double umbralLunarRadius) {
  const double universalTime = dynamicalTime - deltaT.DataSeconds / kSecondsPerJulianCentury;
  const ShadowElements e = ComputeShadowElements(fits.Moon, fits.Sun, deltaT, universalTime, umbralLunarRadius);
  ElementSample s;
  s.X = e.x;
  s.Y = e.y;
  s.D = ArcSinD(e.k.z);
  // The hour angle of the axis at Greenwich with the (mean) sidereal time of
  // the observer's coordinates, taken at TD as published elements do.
  s.Mu = 15 * LocalSiderealTime(MJDFromCenturies(dynamicalTime), 0) - ArcTan2D(e.k.y, e.k.x);
  s.L1 = e.l1;
  s.L2 = e.l2;
  s.TanF1 = TanD(e.F1());
  s.TanF2 = TanD(e.F2());
  return s;
}

// Least-squares polynomial of N coefficients through (t, value) pairs, by the
// normal equations (t within a few hours keeps them well conditioned).
template <std::size_t N>
std::array<double, N> FitPolynomial(const std::vector<double>& t, const std::vector<double>& value) {
  std::array<std::array<double, N + 1>, N> system{};
  for (std::size_t k = 0; k < t.size(); ++k) {
    std::array<double, 2 * N - 1> powers{};
    powers[0] = 1;
    for (std::size_t p = 1; p < powers.size(); ++p) powers[p] = powers[p - 1] * t[k];
    for (std::size_t r = 0; r < N; ++r) {
      for (std::size_t c = 0; c < N; ++c) system[r][c] += powers[r + c];
      system[r][N] += powers[r] * value[k];
    }
  }
  for (std::size_t pivot = 0; pivot < N; ++pivot) {
    for (std::size_t r = pivot + 1; r < N; ++r) {
      const double factor = system[r][pivot] / system[pivot][pivot];
      for (std::size_t c = pivot; c <= N; ++c) system[r][c] -= factor * system[pivot][c];
    }
  }
  std::array<double, N> coefficients{};
  for (std::size_t r = N; r-- > 0;) {
    double sum = system[r][N];
    for (std::size_t c = r + 1; c < N; ++c) sum -= system[r][c] * coefficients[c];
    coefficients[r] = sum / system[r][r];
  }
  return coefficients;
}

template <std::size_t N>
double PolynomialRate(const std::array<double, N>& c, double t) {
  double sum = 0;
  for (std::size_t p = N; p-- > 1;) sum = sum * t + static_cast<double>(p) * c[p];
  return sum;
}

// Whether the penumbra touches the Earth (a sphere of one equatorial radius).
bool PenumbraOnEarth(const ElementSample& s) { return std::hypot(s.X, s.Y) < s.L1 + 1; }

}  // namespace

BesselianElements ComputeBesselianElements(InstantTD listed, const DeltaTFigures& deltaT, double umbralLunarRadius,
                                           Ephemeris ephemeris) {
  const double catalogueTime = listed.Centuries();
  const double deltaTSeconds = deltaT.DataSeconds;
  const LocalFits fits = FitsAroundListedInstant(listed, ephemeris);
  const double catalogueTd = catalogueTime + deltaTSeconds / kSecondsPerJulianCentury;

  // Samples over the hours around the catalogue instant; the fit takes those
  // with the penumbra on the Earth and one more on either side.
  std::vector<ElementSample> samples;
  for (double hour = -kSearchHalfSpanHours; hour <= kSearchHalfSpanHours + 1e-9; hour += kSampleStepHours) {
    ElementSample s = SampleAt(fits, catalogueTd + hour / kHoursPerCentury, deltaT, umbralLunarRadius);
    s.Hour = hour;
    if (!samples.empty()) s.Mu += 360 * std::round((samples.back().Mu - s.Mu) / 360);
    samples.push_back(s);
  }
  auto first = std::find_if(samples.begin(), samples.end(), PenumbraOnEarth);
  auto last = std::find_if(samples.rbegin(), samples.rend(), PenumbraOnEarth).base();
  if (first == samples.end()) {
    // No penumbra on the Earth: fit the hour around the closest approach.
    first = std::min_element(samples.begin(), samples.end(), [](const ElementSample& a, const ElementSample& b) {
      return std::hypot(a.X, a.Y) < std::hypot(b.X, b.Y);
    });
    last = first + 1;
  }
  if (first != samples.begin()) --first;
  if (last != samples.end()) ++last;

  const auto closest = std::min_element(first, last, [](const ElementSample& a, const ElementSample& b) {
    return std::hypot(a.X, a.Y) < std::hypot(b.X, b.Y);
  });
  // The reference instant: the whole hour of TD nearest the closest approach.
  const double closestMjd = MJDFromCenturies(catalogueTd + closest->Hour / kHoursPerCentury);
  const double t0Mjd = std::round(closestMjd * 24) / 24;
  const double t0OffsetHours = (t0Mjd - MJDFromCenturies(catalogueTd)) * 24;

  std::vector<double> t, x, y, d, mu, l1, l2;
  for (auto s = first; s != last; ++s) {
    t.push_back(s->Hour - t0OffsetHours);
    x.push_back(s->X);
    y.push_back(s->Y);
    d.push_back(s->D);
    mu.push_back(s->Mu);
    l1.push_back(s->L1);
    l2.push_back(s->L2);
  }

  BesselianElements elements;
  elements.T0 = CenturiesFromMJD(t0Mjd);
  elements.DeltaTSeconds = deltaTSeconds;
  elements.EphemerisLagSeconds = deltaT.EphemerisLagSeconds;
  elements.X = FitPolynomial<4>(t, x);
  elements.Y = FitPolynomial<4>(t, y);
  elements.D = FitPolynomial<3>(t, d);
  elements.Mu = FitPolynomial<3>(t, mu);
  elements.Mu[0] -= 360 * std::floor(elements.Mu[0] / 360);
  elements.L1 = FitPolynomial<3>(t, l1);
  elements.L2 = FitPolynomial<3>(t, l2);
  const ElementSample atT0 = SampleAt(fits, elements.T0, deltaT, umbralLunarRadius);
  elements.TanF1 = atT0.TanF1;
  elements.TanF2 = atT0.TanF2;
  elements.FirstHour = t.front();
  elements.LastHour = t.back();
  return elements;
}

BesselianElements ComputeBesselianElements(int day, int month, int year, double hours, Ephemeris ephemeris) {
  return ComputeBesselianElements(InstantTD::FromCalendar(day, month, year, hours),
                                  EclipseDeltaT(ephemeris, day, month, year), UmbralLunarRadiusOf(ephemeris),
                                  ephemeris);
}

ElementsAtInstant EvaluateElements(const BesselianElements& elements, double t) {
  ElementsAtInstant e;
  e.X = PolynomialAt(elements.X, t);
  e.Y = PolynomialAt(elements.Y, t);
  e.D = PolynomialAt(elements.D, t);
  e.Mu = PolynomialAt(elements.Mu, t);
  e.L1 = PolynomialAt(elements.L1, t);
  e.L2 = PolynomialAt(elements.L2, t);
  e.XRate = PolynomialRate(elements.X, t);
  e.YRate = PolynomialRate(elements.Y, t);
  e.DRate = PolynomialRate(elements.D, t);
  e.MuRate = PolynomialRate(elements.Mu, t);
  e.L2Rate = PolynomialRate(elements.L2, t);
  e.TanF1 = elements.TanF1;
  e.TanF2 = elements.TanF2;
  e.HourAngle = e.Mu - kSiderealDegreesPerSecond * elements.DeltaTSeconds;
  return e;
}

double UniversalTimeAt(const BesselianElements& elements, double t) {
  return elements.T0 + t / kHoursPerCentury - elements.DeltaTSeconds / kSecondsPerJulianCentury;
}

double HoursFromT0(const BesselianElements& elements, double universalTime) {
  return (universalTime + elements.DeltaTSeconds / kSecondsPerJulianCentury - elements.T0) * kHoursPerCentury;
}

double T0Hours(const BesselianElements& elements) {
  const double hours = CalendarFromMJD(MJDFromCenturies(elements.T0)).Hours;
  return std::fmod(std::round(hours), 24);
}

}  // namespace vellmora
