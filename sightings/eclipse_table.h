#pragma once

#include <optional>
#include <span>
#include <vector>

#include "catalogue/eclipse_list.h"
#include "geometry/local_contacts.h"

// Every solar eclipse of 1000-3000 as the walk finds it, with the fits of the
// Sun and the Moon that the local circumstances make around its listed instant
// with the standard series, tabulated once when the program is built (by
// tools/eclipse_table): a place's search through two thousand years then
// spends its time on the place's shadows, not on the walk and the series.

namespace vellmora {

struct TabulatedEclipse {
  EclipseListRow Row;
  double ListedMjd;  // the listed instant, dynamical time
  double IntervalStart;
  double IntervalEnd;
  // Right ascension, declination and distance of the Moon, then of the Sun.
  double Coefficients[6][kLocalFitDegree + 1];
};

// In time order.
std::span<const TabulatedEclipse> EclipseTable();

// ListSolarEclipses(firstYear, lastYear), from the table where it covers the years.
std::vector<EclipseListRow> SolarEclipsesOfYears(int firstYear, int lastYear);

// FitsAroundListedInstant(listed, ephemeris) to the last bit, where the table
// holds the eclipse (the standard series); none elsewhere.
std::optional<LocalFits> TabulatedFits(InstantTD listed, Ephemeris ephemeris);

}  // namespace vellmora
