#include <gtest/gtest.h>

#include <string>

#include "app/memory/memory_window.h"

namespace vellmora {
namespace {

constexpr CivilDate kToday{2026, 12, 8};

int ItemOf(const MemoryWindow& window, const std::string& place) {
  const int index = window.CB6.IndexOf(place);
  EXPECT_GE(index, 0) << place;
  return index;
}

// Lists the eclipses from 2026 to the first days of 2027 and chooses the total one of 12 August.
void SelectAugust2026(MemoryWindow& window) {
  window.E1.SetText("2026");
  window.E2.SetText("2027");
  window.D1.Click();
  for (int row = 0; row < window.LB1.Count(); ++row) {
    if (window.LB1.Line(row).find("12.08.2026") != std::string::npos) window.LB1.Click(row);
  }
  ASSERT_GE(window.LB1.SelectedIndex(), 0);
}

TEST(WindowPlaceChange, WithoutAnEclipseOnlyTheLabelsChange) {
  MemoryWindow window(kToday);
  window.CB6.Choose(ItemOf(window, "Madrid, Spanien"));

  // Place table: "Madrid, Spanien  40.4165  -3.70256  1".
  EXPECT_EQ(window.L39.Text(), "Geografische Breite: 40.42\xB0");
  EXPECT_EQ(window.L40.Text(), "Geografische L\xE4nge: -3.7\xB0");
  EXPECT_EQ(window.L41.Text(), "Zeitzone bzgl. WT: 1h");
  EXPECT_DOUBLE_EQ(window.Form.ObserverLatitude, 40.4165);
  EXPECT_DOUBLE_EQ(window.Form.ObserverLongitude, -3.70256);
  EXPECT_EQ(window.LB5.Count(), 0);
  EXPECT_EQ(window.LB6.Count(), 0);
  EXPECT_EQ(window.PB3.PresentCount(), 0);
  EXPECT_EQ(window.T2.Value(), 180);
}

TEST(WindowPlaceChange, RecomputesTheChosenEclipseForTheNewPlace) {
  MemoryWindow window(kToday);
  ASSERT_NO_FATAL_FAILURE(SelectAugust2026(window));
  const std::vector<std::string> atChemnitz = window.LB6.Lines();
  const std::vector<std::string> path = window.LB5.Lines();
  ASSERT_FALSE(atChemnitz.empty());
  window.LB5.Click(static_cast<int>(path.size() / 2));
  const int setting = window.T2.Value();
  const int paints = window.PB3.PresentCount();

  window.CB6.Choose(ItemOf(window, "Madrid, Spanien"));

  EXPECT_NE(window.LB6.Lines(), atChemnitz);
  EXPECT_FALSE(window.LB6.Lines().empty());
  // The central line is scanned anew (the list loses its selected row) and comes out the same.
  EXPECT_EQ(window.LB5.Lines(), path);
  EXPECT_EQ(window.LB5.SelectedIndex(), -1);
  // Same eclipse again: one paint with the globe one degree further.
  EXPECT_EQ(window.PB3.PresentCount(), paints + 1);
  EXPECT_EQ(window.T2.Value(), setting + 1);
  EXPECT_EQ(window.L39.Text(), "Geografische Breite: 40.42\xB0");

  // And back to Chemnitz: the first results again.
  window.CB6.Choose(ItemOf(window, "Chemnitz, D"));
  EXPECT_EQ(window.LB6.Lines(), atChemnitz);
}

TEST(WindowPlaceChange, TypedTextThatIsNoPlaceChangesNothing) {
  MemoryWindow window(kToday);
  ASSERT_NO_FATAL_FAILURE(SelectAugust2026(window));
  const std::vector<std::string> seen = window.LB6.Lines();
  const int paints = window.PB3.PresentCount();
  const int setting = window.T2.Value();

  for (const char* typed : {"Chemnitz", "chemnitz, d", "Chemnitz, D ", ""}) {
    window.CB6.Type(typed);
    EXPECT_EQ(window.CB6.SelectedIndex(), -1) << typed;
    EXPECT_EQ(window.L39.Text(), "Geografische Breite: 50.84\xB0") << typed;
    EXPECT_EQ(window.L40.Text(), "Geografische L\xE4nge: 12.85\xB0") << typed;
    EXPECT_EQ(window.L41.Text(), "Zeitzone bzgl. WT: 1h") << typed;
    EXPECT_DOUBLE_EQ(window.Form.ObserverLatitude, 50.836667) << typed;
    EXPECT_EQ(window.LB6.Lines(), seen) << typed;
    EXPECT_EQ(window.PB3.PresentCount(), paints) << typed;
    EXPECT_EQ(window.T2.Value(), setting) << typed;
  }

  // Typing a place's full name is a choice of that place.
  window.CB6.Type("Madrid, Spanien");
  EXPECT_DOUBLE_EQ(window.Form.ObserverLatitude, 40.4165);
  EXPECT_EQ(window.PB3.PresentCount(), paints + 1);
}

// Enter on typed text that is neither a place nor coordinates says so; on
// coordinates it observes from there without a word.
TEST(WindowPlaceChange, TypedTextThatIsNotUnderstoodIsSaid) {
  MemoryWindow window(kToday);
  std::vector<std::string> notices;
  window.Form.PlaceNotUnderstood = [&notices](const std::string& notice) { notices.push_back(notice); };
  for (const char* typed : {"abc", "91 0", "48,78 9,18"}) {
    window.CB6.Type(typed);
    window.CB6.OnEnter();
    ASSERT_EQ(notices.size(), 1u) << typed;
    EXPECT_EQ(notices.front().find(std::string("\"") + typed + "\""), 0u) << notices.front();
    notices.clear();
  }
  window.CB6.Type("48.78 9.18");
  window.CB6.OnEnter();
  EXPECT_TRUE(notices.empty());
  EXPECT_DOUBLE_EQ(window.Form.ObserverLatitude, 48.78);
}

// A failed "Berechnung" leaves no results of the former eclipse beside the
// empty list, and the details follow every later change of place.
TEST(WindowPlaceChange, AfterAFailedListNothingOfTheFormerEclipseStays) {
  MemoryWindow window(kToday);
  ASSERT_NO_FATAL_FAILURE(SelectAugust2026(window));
  int detailsTold = 0;
  window.Form.LocalCircumstancesShown = [&detailsTold] { ++detailsTold; };
  ASSERT_TRUE(window.Form.Selected);

  window.E2.SetText("-1");
  window.D1.Click();
  ASSERT_EQ(window.Errors.Messages().size(), 1u);
  EXPECT_EQ(window.LB1.Count(), 0);
  EXPECT_EQ(window.LB5.Count(), 0);
  EXPECT_EQ(window.LB6.Count(), 0);
  EXPECT_EQ(window.Form.CentralLine().Size(), 0u);
  EXPECT_FALSE(window.Form.Selected);
  EXPECT_EQ(detailsTold, 1);

  window.CB6.Choose(ItemOf(window, "Madrid, Spanien"));
  EXPECT_FALSE(window.Form.Selected);
  EXPECT_EQ(window.L39.Text(), "Geografische Breite: 40.42\xB0");
}

}  // namespace
}  // namespace vellmora
