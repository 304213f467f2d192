#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// NASA's catalogue of the solar eclipses of 2001-2100 (tests/data/validation,
// see its README for the source and the columns).

namespace vellmora {

struct CatalogueEclipse {
  int Year = 0;
  int Month = 0;
  int Day = 0;
  double TdHours = 0;  // greatest eclipse, dynamical time
  double DeltaTSeconds = 0;
  std::string Type;  // "T", "A", "H", "An", "P", "T-", ...
  double Latitude = 0;
  double LongitudeEast = 0;
  double SunAltitude = 0;
  double WidthKm = 0;  // 0 where the catalogue gives none
  double DurationSeconds = 0;

  // The shadow axis meets the Earth: annular, total or hybrid, not marked + or -.
  bool IsCentral() const { return Type[0] != 'P' && Type.find_first_of("+-") == std::string::npos; }
  double UtHours() const { return TdHours - DeltaTSeconds / 3600; }
};

inline std::vector<CatalogueEclipse> ReadNasaCatalogue() {
  std::ifstream file(VELLMORA_VALIDATION_FOLDER "/nasa_solar_eclipses_2001_2100.tsv");
  std::vector<CatalogueEclipse> eclipses;
  std::string line;
  std::getline(file, line);  // header
  while (std::getline(file, line)) {
    std::vector<std::string> fields;
    std::stringstream stream(line);
    for (std::string field; std::getline(stream, field, '\t');) fields.push_back(field);
    if (fields.size() < 12) continue;
    CatalogueEclipse e;
    e.Year = std::stoi(fields[0]);
    e.Month = std::stoi(fields[1]);
    e.Day = std::stoi(fields[2]);
    e.TdHours = std::stoi(fields[3].substr(0, 2)) + std::stoi(fields[3].substr(3, 2)) / 60.0 +
                std::stoi(fields[3].substr(6, 2)) / 3600.0;
    e.DeltaTSeconds = std::stod(fields[4]);
    e.Type = fields[6];
    e.Latitude = std::stod(fields[9]);
    e.LongitudeEast = std::stod(fields[10]);
    e.SunAltitude = std::stod(fields[11]);
    e.WidthKm = fields.size() > 12 && !fields[12].empty() ? std::stod(fields[12]) : 0;
    e.DurationSeconds = fields.size() > 13 && !fields[13].empty() ? std::stod(fields[13]) : 0;
    eclipses.push_back(e);
  }
  return eclipses;
}

}  // namespace vellmora
