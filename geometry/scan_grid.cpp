#include "geometry/scan_grid.h"

#include <cmath>

namespace vellmora {

double ScanCentre(int day, int month, int year, double hours) {
  const double gridHours = std::trunc(hours * 60 / 0.25 + 0.5) * 0.25 / 60;
  return CenturiesFromMJD(ModifiedJulianDate(day, month, year, gridHours));
}

}  // namespace vellmora
