#include <gtest/gtest.h>

#include "app/memory/memory_window.h"

namespace vellmora {
namespace {

constexpr CivilDate kToday{2026, 12, 8};

TEST(WindowStartup, ChoosesChemnitzAndShowsItsPlace) {
  MemoryWindow window(kToday);

  EXPECT_EQ(window.CB6.EditText(), "Chemnitz, D");
  const int chosen = window.CB6.SelectedIndex();
  ASSERT_GE(chosen, 0);
  EXPECT_EQ(window.CB6.Items()[static_cast<std::size_t>(chosen)], "Chemnitz, D");
  // The chooser's position i is line i of the place table.
  EXPECT_EQ(window.lb9.Line(chosen).rfind("Chemnitz, D\t", 0), 0u) << window.lb9.Line(chosen);

  // The place table line reads "Chemnitz, D  50.836667  12.854444  1".
  EXPECT_EQ(window.L39.Text(), "Geografische Breite: 50.84\xB0");
  EXPECT_EQ(window.L40.Text(), "Geografische L\xE4nge: 12.85\xB0");
  EXPECT_EQ(window.L41.Text(), "Zeitzone bzgl. WT: 1h");
  EXPECT_DOUBLE_EQ(window.Form.ObserverLatitude, 50.836667);
  EXPECT_DOUBLE_EQ(window.Form.ObserverLongitude, 12.854444);
  EXPECT_DOUBLE_EQ(window.Form.TimeZoneOffsetHours, 1);
}

TEST(WindowStartup, HoldsThePlaceTableAndNothingElse) {
  MemoryWindow window(kToday);

  EXPECT_EQ(window.lb9.Count(), 3514);
  EXPECT_EQ(window.CB6.Items().size(), 3514u);
  EXPECT_EQ(window.lb9.Line(0).rfind("A Coru\xF1"
                                     "a, Spanien\t",
                                     0),
            0u);

  EXPECT_EQ(window.LB1.Count(), 0);
  EXPECT_EQ(window.LB1.SelectedIndex(), -1);
  EXPECT_EQ(window.LB5.Count(), 0);
  EXPECT_EQ(window.LB6.Count(), 0);
  // Today and ten years on (3652.5 days from 8 December 2026 is 7 December 2036).
  EXPECT_EQ(window.E1.Text(), "2026");
  EXPECT_EQ(window.E2.Text(), "2036");

  EXPECT_EQ(window.T1.Value(), 0);
  EXPECT_EQ(window.T2.Value(), 180);
  EXPECT_EQ(window.Form.MapCentreLongitude, 180.0);
  EXPECT_FALSE(window.Form.ShowFoundPlaces);
  EXPECT_FALSE(window.Form.SuppressLatitudeRepaint);
  EXPECT_TRUE(window.Errors.Messages().empty());
}

TEST(WindowPlaceLabels, WriteCoordinatesWithAtMostTwoDecimals) {
  MemoryWindow window(kToday);

  window.Form.ObserveFrom(-0.001, 13, -4.5);
  EXPECT_EQ(window.L39.Text(), "Geografische Breite: 0\xB0");
  EXPECT_EQ(window.L40.Text(), "Geografische L\xE4nge: 13\xB0");
  EXPECT_EQ(window.L41.Text(), "Zeitzone bzgl. WT: -4.5h");

  window.Form.ObserveFrom(5.75, -4.5, 5.75);
  EXPECT_EQ(window.L39.Text(), "Geografische Breite: 5.75\xB0");
  EXPECT_EQ(window.L40.Text(), "Geografische L\xE4nge: -4.5\xB0");
  EXPECT_EQ(window.L41.Text(), "Zeitzone bzgl. WT: 5.75h");

  window.Form.ObserveFrom(13, 5.75, -0.001);
  EXPECT_EQ(window.L39.Text(), "Geografische Breite: 13\xB0");
  EXPECT_EQ(window.L40.Text(), "Geografische L\xE4nge: 5.75\xB0");
  EXPECT_EQ(window.L41.Text(), "Zeitzone bzgl. WT: 0h");
  EXPECT_EQ(window.Form.ObserverLatitude, 13);
  EXPECT_EQ(window.Form.ObserverLongitude, 5.75);
  EXPECT_EQ(window.Form.TimeZoneOffsetHours, -0.001);
}

}  // namespace
}  // namespace vellmora
