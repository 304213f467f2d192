#include "geometry/local_contacts.h"

#include "ephem/moolib.h"
#include "ephem/sunlib.h"
#include "geometry/solve_bracketed.h"

namespace vellmora {
namespace {

constexpr double FitHalfSpan = 5e-5;                      // centuries, about 43.8 hours
constexpr double FifteenMinutes = 2.8519279032626056e-7;  // centuries
constexpr double InnerContactTolerance = 1e-10;           // centuries, about 0.3 s

}  // namespace

LocalFits FitsAroundCatalogueTime(double catalogueTime) {
  return {FitMoonChebyshev(catalogueTime - FitHalfSpan, catalogueTime + FitHalfSpan, 8),
          FitSunChebyshev(catalogueTime - FitHalfSpan, catalogueTime + FitHalfSpan, 8)};
}

std::array<double, 2> InnerContacts(const LocalEclipseSetting& setting, double timeOfMaximum) {
  const auto umbral = [&setting](double t) { return ContactFunction(setting, t, ContactMode::Umbral); };
  return {SolveBracketed(umbral, timeOfMaximum - FifteenMinutes, timeOfMaximum, InnerContactTolerance),
          SolveBracketed(umbral, timeOfMaximum, timeOfMaximum + FifteenMinutes, InnerContactTolerance)};
}

}  // namespace vellmora
