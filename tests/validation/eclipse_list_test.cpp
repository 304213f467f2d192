#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "app/memory/memory_window.h"
#include "ephem/timlib.h"
#include "tests/validation/nasa_catalogue.h"

namespace vellmora {
namespace {

struct ListedEclipse {
  std::string Kind;  // the list's text, Windows-1252
  double Mjd;        // instant of greatest eclipse, dynamical time
  std::string Row;
};

// The window's eclipse list of 2001 to 2100: "von" 2001 and "bis" 2101, as the
// list runs up to 1 January of "bis" (and on to the next eclipse).
std::vector<ListedEclipse> ListOf2001To2100() {
  MemoryWindow window(CivilDate{2026, 12, 8});
  window.E1.SetText("2001");
  window.E2.SetText("2101");
  window.D1.Click();
  std::vector<ListedEclipse> listed;
  for (std::size_t i = 0; i < window.Form.ListedEclipses.size(); ++i) {
    const std::string row = window.LB1.Line(static_cast<int>(i));
    const CalendarInstant& instant = window.Form.ListedEclipses[i].DynamicalTime;
    if (instant.Year > 2100) continue;
    listed.push_back({row.substr(0, row.find('\t')),
                      ModifiedJulianDate(instant.Day, instant.Month, instant.Year, instant.Hours), row});
  }
  return listed;
}

// The list's word for NASA's A, T and H.
std::string KindText(const CatalogueEclipse& eclipse) {
  switch (eclipse.Type.front()) {
    case 'A':
      return "ringf\xF6rmig";
    case 'T':
      return "total";
    default:
      return "total-ringf\xF6rmig";
  }
}

double MjdOf(const CatalogueEclipse& eclipse) {
  return ModifiedJulianDate(eclipse.Day, eclipse.Month, eclipse.Year, eclipse.DynamicalHours);
}

// The list comes from the lunation series alone, in dynamical time, so no Delta-T
// enters; 75 s is the accuracy of the series' instants of greatest eclipse.
TEST(ValidationEclipseList, SameCentralEclipsesAsNasaWithin75Seconds) {
  const std::vector<ListedEclipse> listed = ListOf2001To2100();
  std::vector<bool> matched(listed.size(), false);
  std::vector<double> differences;
  int central = 0;
  for (const CatalogueEclipse& eclipse : NasaCatalogue()) {
    if (!IsCentralEclipse(eclipse)) continue;
    ++central;
    const std::string date = std::to_string(eclipse.Day) + "." + std::to_string(eclipse.Month) + "." +
                             std::to_string(eclipse.Year) + " " + eclipse.Type;
    std::size_t found = listed.size();
    for (std::size_t i = 0; i < listed.size(); ++i) {
      if (std::fabs(listed[i].Mjd - MjdOf(eclipse)) < 1) found = i;
    }
    if (found == listed.size()) {
      ADD_FAILURE() << "not listed: " << date;
      continue;
    }
    matched[found] = true;
    EXPECT_EQ(listed[found].Kind, KindText(eclipse)) << date << " listed as " << listed[found].Row;
    const double seconds = std::fabs(listed[found].Mjd - MjdOf(eclipse)) * 86400;
    EXPECT_LT(seconds, 75) << date << " listed as " << listed[found].Row;
    differences.push_back(seconds);
  }
  for (std::size_t i = 0; i < listed.size(); ++i) {
    EXPECT_TRUE(matched[i]) << "no central eclipse of NASA's catalogue: " << listed[i].Row;
  }
  EXPECT_EQ(central, 144);  // 70 annular, 67 total, 7 hybrid
  EXPECT_EQ(listed.size(), 144u);
  Report("list_instant_minus_td", "s", Summarise(differences));
}

}  // namespace
}  // namespace vellmora
