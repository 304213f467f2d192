#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "app/memory/memory_window.h"

namespace vellmora {
namespace {

constexpr CivilDate kToday{2026, 12, 8};

// "Berechnung" for the years first..last.
void ListEclipses(MemoryWindow& window, int first, int last) {
  window.E1.SetText(std::to_string(first));
  window.E2.SetText(std::to_string(last));
  window.D1.Click();
}

// The row of LB1 whose instant falls on `date` (DD.MM.YYYY), -1 when none.
int RowOf(const MemoryWindow& window, const std::string& date) {
  for (int row = 0; row < window.LB1.Count(); ++row) {
    if (window.LB1.Line(row).find("\t" + date + " ") != std::string::npos) return row;
  }
  return -1;
}

void SelectEclipseOn(MemoryWindow& window, const std::string& date) {
  const int row = RowOf(window, date);
  ASSERT_GE(row, 0) << "no central eclipse on " << date;
  window.LB1.Click(row);
}

// Folds a longitude setting into 0..360 the way the globe is turned to a path.
double FoldSetting(double setting) {
  if (setting < 0) setting += 360;
  if (setting > 360) setting -= 360;
  return setting;
}

TEST(WindowSelection, PaintsTheMapExactlyOncePerChosenEclipse) {
  MemoryWindow window(kToday);
  ListEclipses(window, 2024, 2030);
  ASSERT_EQ(window.LB1.Count(), 8);  // 2024-04-08 total .. 2028-07-22 total

  for (int row = 0; row < window.LB1.Count(); ++row) {
    const int before = window.PB3.PresentCount();
    window.LB1.Click(row);
    EXPECT_EQ(window.PB3.PresentCount(), before + 1) << window.LB1.Line(row);
    EXPECT_FALSE(window.Form.SuppressLatitudeRepaint) << window.LB1.Line(row);
    EXPECT_GT(window.LB5.Count(), 0) << window.LB1.Line(row);
  }

  // The same eclipse again: one paint, the globe one degree further.
  const int setting = window.T2.Value();
  const int latitude = window.T1.Value();
  const int before = window.PB3.PresentCount();
  window.LB1.Click(window.LB1.SelectedIndex());
  EXPECT_EQ(window.PB3.PresentCount(), before + 1);
  EXPECT_EQ(window.T2.Value(), setting + 1);
  EXPECT_EQ(window.T1.Value(), latitude);
  EXPECT_EQ(window.Form.MapCentreLongitude, setting + 1);
  EXPECT_FALSE(window.Form.SuppressLatitudeRepaint);

  // A click beside the rows, with no row selected, does nothing.
  MemoryWindow fresh(kToday);
  ListEclipses(fresh, 2024, 2030);
  fresh.LB1.Click(-1);
  EXPECT_EQ(fresh.PB3.PresentCount(), 0);
  EXPECT_EQ(fresh.LB5.Count(), 0);
}

TEST(WindowSelection, TurnsTheGlobeToTheMiddleOfThePath) {
  for (const char* date : {"08.04.2024", "02.10.2024", "12.08.2026", "22.07.2028"}) {
    MemoryWindow window(kToday);
    ListEclipses(window, 2024, 2030);
    ASSERT_NO_FATAL_FAILURE(SelectEclipseOn(window, date));
    const CentralLineResults& path = window.Form.CentralLine();
    ASSERT_FALSE(path.CentralLatitudes.empty()) << date;
    ASSERT_EQ(static_cast<int>(path.CentralLatitudes.size()), window.LB5.Count()) << date;

    const auto [lowest, highest] = std::minmax_element(path.CentralLatitudes.begin(), path.CentralLatitudes.end());
    EXPECT_EQ(window.T1.Value(), std::nearbyint((*lowest + *highest) / 2)) << date;

    const std::size_t middle = (path.CentralLongitudes.size() - 1) / 2;
    const double expectedSetting = std::nearbyint(FoldSetting(180 - path.CentralLongitudes[middle]));
    // The selection starts from T2 = 180; only a path whose middle is at 0 E would step on to 181.
    ASSERT_NE(expectedSetting, 180) << date;
    EXPECT_EQ(window.T2.Value(), expectedSetting) << date;
    EXPECT_EQ(window.Form.MapCentreLongitude, expectedSetting) << date;

    // The middle row of LB5 shows that longitude east positive as "degrees°minutes".
    const std::string row = window.LB5.Line(static_cast<int>(middle));
    const std::size_t east = row.find('\t', row.find('\t') + 1) + 1;
    const int degrees = std::stoi(row.substr(east));
    EXPECT_LE(std::fabs(FoldSetting(180 + degrees) - expectedSetting), 1.0) << date << ": " << row;
  }
}

// 23.02.2259: the middle of the annular path lies at 179 deg 46' east, so the
// globe is to be turned to 180 + 179.77 = 359.77, which rounds to 360.
TEST(WindowSelection, PaintsOnceWhenTheGlobeAlreadyShowsTheSetting360) {
  MemoryWindow window(kToday);
  ListEclipses(window, 2259, 2260);
  window.T2.SetValue(360);
  EXPECT_EQ(window.Form.MapCentreLongitude, 360);
  const int before = window.PB3.PresentCount();

  ASSERT_NO_FATAL_FAILURE(SelectEclipseOn(window, "23.02.2259"));
  const std::vector<double>& west = window.Form.CentralLine().CentralLongitudes;
  ASSERT_FALSE(west.empty());
  ASSERT_LE(west[(west.size() - 1) / 2], -179.5) << "the middle of the path must round to the setting 360";

  EXPECT_EQ(window.PB3.PresentCount(), before + 1);
  EXPECT_FALSE(window.Form.SuppressLatitudeRepaint);
  EXPECT_EQ(window.T2.Value(), 360);
  EXPECT_EQ(window.Form.MapCentreLongitude, 360);

  // A later move of T1 repaints at once, since the flag did not stick.
  window.T1.SetValue(window.T1.Value() == 0 ? 1 : 0);
  EXPECT_EQ(window.PB3.PresentCount(), before + 2);
}

TEST(WindowSelection, EclipseBelowTheHorizonIsNotSeenButStillMapped) {
  MemoryWindow window(kToday);
  ListEclipses(window, 2024, 2030);
  const int before = window.PB3.PresentCount();
  // Greatest eclipse at 18:46 UT on 2 October; the Sun set at Chemnitz about two hours earlier.
  ASSERT_NO_FATAL_FAILURE(SelectEclipseOn(window, "02.10.2024"));

  EXPECT_EQ(window.LB6.Lines(), std::vector<std::string>{"Am Beobachtungsort nicht zu sehen"});
  EXPECT_GT(window.LB5.Count(), 100);
  EXPECT_EQ(window.PB3.PresentCount(), before + 1);
  EXPECT_NE(window.T2.Value(), 180);
}

TEST(WindowSelection, LaterSelectionHidesTheFoundPlaces) {
  MemoryWindow window(kToday);
  ListEclipses(window, 2024, 2030);
  ASSERT_NO_FATAL_FAILURE(SelectEclipseOn(window, "08.04.2024"));
  window.D3.Click();
  ASSERT_TRUE(window.Form.ShowFoundPlaces);
  const std::string firstFound = window.Form.FoundPlaces[0].Name;
  ASSERT_FALSE(firstFound.empty());

  ASSERT_NO_FATAL_FAILURE(SelectEclipseOn(window, "12.08.2026"));
  EXPECT_FALSE(window.Form.ShowFoundPlaces);
  // The table itself is kept; only the next search replaces it.
  EXPECT_EQ(window.Form.FoundPlaces[0].Name, firstFound);
}

}  // namespace
}  // namespace vellmora
