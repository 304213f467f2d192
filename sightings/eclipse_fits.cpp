#include <algorithm>

#include "sightings/eclipse_fits_table.h"

namespace vellmora {

std::optional<LocalFits> TabulatedFits(InstantTD listed, Ephemeris ephemeris) {
  const std::span<const TabulatedEclipseFits> table = EclipseFitsTable();
  const auto found = std::ranges::lower_bound(table, listed.Mjd, {}, &TabulatedEclipseFits::ListedMjd);
  if (ephemeris != Ephemeris::Standard || found == table.end() || found->ListedMjd != listed.Mjd) {
    return std::nullopt;
  }
  LocalFits fits;
  ChebyshevFit* const targets[] = {&fits.Moon.RightAscension, &fits.Moon.Declination, &fits.Moon.Distance,
                                   &fits.Sun.RightAscension,  &fits.Sun.Declination,  &fits.Sun.Distance};
  for (int i = 0; i < 6; ++i) {
    ChebyshevFit& fit = *targets[i];
    fit.Degree = kLocalFitDegree;
    fit.IntervalStart = found->IntervalStart;
    fit.IntervalEnd = found->IntervalEnd;
    std::copy(std::begin(found->Coefficients[i]), std::end(found->Coefficients[i]), fit.Coefficients.begin());
  }
  return fits;
}

}  // namespace vellmora
