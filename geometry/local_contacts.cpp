#include "geometry/local_contacts.h"

#include "ephem/ephemeris.h"
#include "geometry/solve_bracketed.h"

namespace vellmora {
namespace {

constexpr double kFitHalfSpan = 5e-5;  // centuries, about 43.8 hours
constexpr double kFifteenMinutes = CenturiesOfSeconds(15 * 60);
constexpr double kInnerContactTolerance = 1e-10;  // centuries, about 0.3 s

}  // namespace

LocalFits FitsAroundListedInstant(InstantTD listed, Ephemeris ephemeris) {
  const double catalogueTime = listed.Centuries();
  return {FitMoon(ephemeris, catalogueTime - kFitHalfSpan, catalogueTime + kFitHalfSpan, kLocalFitDegree),
          FitSun(ephemeris, catalogueTime - kFitHalfSpan, catalogueTime + kFitHalfSpan, kLocalFitDegree)};
}

std::array<double, 2> InnerContacts(const LocalEclipseSetting& setting, double timeOfMaximum) {
  const auto umbral = [&setting](double t) { return ContactFunction(setting, t, ContactMode::Umbral); };
  return {SolveBracketed(umbral, timeOfMaximum - kFifteenMinutes, timeOfMaximum, kInnerContactTolerance),
          SolveBracketed(umbral, timeOfMaximum, timeOfMaximum + kFifteenMinutes, kInnerContactTolerance)};
}

}  // namespace vellmora
