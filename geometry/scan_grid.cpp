#include "geometry/scan_grid.h"

#include <cmath>

namespace vellmora {

double ScanCentre(InstantTD listed) {
  // The day and the hours are split exactly: the MJD of a date is a whole
  // number, and the listed hours are whole seconds, far from a grid tie.
  const double day = std::floor(listed.Mjd);
  const double hours = (listed.Mjd - day) * 24;
  const double gridHours = std::trunc(hours * 60 / 0.25 + 0.5) * 0.25 / 60;
  return CenturiesFromMJD(day + gridHours / 24);
}

}  // namespace vellmora
