#pragma once

#include <string>
#include <vector>

// NASA's catalogue of the solar eclipses of 2001-2100 (tests/data/validation/),
// read for the comparisons with published predictions.

namespace vellmora {

struct CatalogueEclipse {
  int Year;
  int Month;
  int Day;
  double DynamicalHours;   // TD of greatest eclipse
  double DeltaTSeconds;    // the Delta-T NASA used
  std::string Type;        // "T", "Am", "H3", "A-", "P", ...
  double Magnitude;        // at greatest eclipse
  double Latitude;         // of greatest eclipse, degrees north
  double LongitudeEast;    // degrees east
  double SunAltitude;      // degrees, there
  double WidthKm;          // of the path there; NaN where the catalogue gives none
  double DurationSeconds;  // of the central phase there
};

// Every row of the catalogue, in its order.
const std::vector<CatalogueEclipse>& NasaCatalogue();

// A, T or H without the qualifiers + and - of the eclipses whose axis misses the Earth.
bool IsCentralEclipse(const CatalogueEclipse& eclipse);

// Great-circle distance on the mean sphere, km, between two points (degrees,
// latitude north and longitude east).
double DistanceKm(double latitude1, double longitude1, double latitude2, double longitude2);

// Median and largest of a list of (absolute) differences.
struct DifferenceSummary {
  double Median;
  double Largest;
};

DifferenceSummary Summarise(std::vector<double> differences);

// Prints the summary and records it as properties NAME_median and NAME_largest of the test.
void Report(const std::string& name, const std::string& unit, const DifferenceSummary& summary);

}  // namespace vellmora
