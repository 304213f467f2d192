#include "sightings/eclipse_table.h"

#include <algorithm>

namespace vellmora {

std::vector<EclipseListRow> SolarEclipsesOfYears(int firstYear, int lastYear) {
  if (firstYear < kFirstListYear || lastYear > kLastListYear) return ListSolarEclipses(firstYear, lastYear);
  const ListedSpan span = ListedSpanOf(firstYear, lastYear);
  const std::span<const TabulatedEclipse> table = EclipseTable();
  const auto time = [](const TabulatedEclipse& eclipse) { return eclipse.Row.Time; };
  const auto first = std::ranges::lower_bound(table, span.First, {}, time);
  const auto end = std::ranges::lower_bound(first, table.end(), span.End, {}, time);
  std::vector<EclipseListRow> rows;
  rows.reserve(static_cast<std::size_t>(std::max<std::ptrdiff_t>(0, end - first)));
  for (auto eclipse = first; eclipse < end; ++eclipse) rows.push_back(eclipse->Row);
  return rows;
}

std::optional<LocalFits> TabulatedFits(InstantTD listed, Ephemeris ephemeris) {
  const std::span<const TabulatedEclipse> table = EclipseTable();
  const auto found = std::ranges::lower_bound(table, listed.Mjd, {}, &TabulatedEclipse::ListedMjd);
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
