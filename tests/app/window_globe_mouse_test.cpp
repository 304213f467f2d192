#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "app/globe/globe_projection.h"
#include "app/memory/memory_window.h"
#include "tests/support/map_pixels.h"

namespace vellmora {
namespace {

constexpr CivilDate kToday{2026, 12, 8};

void SelectEclipse(MemoryWindow& window, const std::string& date) {
  const int year = std::stoi(date.substr(6, 4));
  window.E1.SetText(std::to_string(year));
  window.E2.SetText(std::to_string(year + 1));
  window.D1.Click();
  for (int row = 0; row < window.LB1.Count(); ++row) {
    if (window.LB1.Line(row).find(date) != std::string::npos) window.LB1.Click(row);
  }
  ASSERT_GE(window.LB1.SelectedIndex(), 0) << date;
}

DiscPoint PixelOf(const MemoryWindow& window, double latitude, double longitude) {
  return ProjectToDisc(MakeGlobeView(window.T1.Value(), window.Form.MapCentreLongitude, 711, 682), latitude, longitude);
}

void Click(MemoryWindow& window, double x, double y) {
  window.PB3.OnMouseDown(x, y);
  window.PB3.OnMouseUp(x, y);
}

void TypeAndEnter(MemoryWindow& window, const std::string& text) {
  window.CB6.Type(text);
  window.CB6.OnEnter();
}

TEST(WindowGlobeMouse, EachDragStepTurnsTheGlobeWithOnePaint) {
  MemoryWindow window(kToday);
  window.PB3.OnMouseDown(355, 341);
  int paints = window.PB3.PresentCount();
  window.PB3.OnMouseMove(356, 342);  // within the click's 3 pixels: nothing yet
  EXPECT_EQ(window.PB3.PresentCount(), paints);
  EXPECT_EQ(window.T2.Value(), 180);

  // Every further step paints once, and the spin fields show the centre.
  for (int step = 1; step <= 6; ++step) {
    window.PB3.OnMouseMove(355 + 12 * step, 341 - 8 * step);
    EXPECT_EQ(window.PB3.PresentCount(), ++paints) << step;
    EXPECT_EQ(window.Form.MapCentreLongitude, window.T2.Value());
    EXPECT_FALSE(window.Form.SuppressLatitudeRepaint);
  }
  // 0 N 0 E, grabbed in the middle, now lies right of and above the middle:
  // the centre went west and south.
  EXPECT_LT(window.T2.Value(), 180);
  EXPECT_LT(window.T1.Value(), 0);
  const DiscPoint grabbed = PixelOf(window, 0, 0);
  EXPECT_LT(std::hypot(grabbed.X - (355 + 72), grabbed.Y - (341 - 48)), 6);

  // A step that changes neither field paints nothing; one that changes only T1 paints once.
  window.PB3.OnMouseMove(355 + 72, 341 - 48);
  EXPECT_EQ(window.PB3.PresentCount(), paints);
  const int setting = window.T2.Value();
  window.PB3.OnMouseMove(355 + 72, 341 - 48 - 30);
  EXPECT_EQ(window.PB3.PresentCount(), ++paints);
  EXPECT_EQ(window.T2.Value(), setting);

  // The drag ends with the release: no click, the place stays.
  window.PB3.OnMouseUp(355 + 72, 341 - 78);
  EXPECT_EQ(window.CB6.EditText(), "Chemnitz, D");
  window.PB3.OnMouseMove(100, 100);
  EXPECT_EQ(window.PB3.PresentCount(), paints);
  EXPECT_TRUE(window.Errors.Messages().empty());
}

TEST(WindowGlobeMouse, DraggingAcrossTheAntimeridianWrapsT2) {
  MemoryWindow window(kToday);
  window.T2.SetValue(2);
  window.PB3.OnMouseDown(355, 341);
  window.PB3.OnMouseMove(355 + 60, 341);  // about 10 degrees east: the centre goes west of 360/0
  EXPECT_GE(window.T2.Value(), 350);
  EXPECT_LT(window.T2.Value(), 360);
  window.PB3.OnMouseMove(355 - 60, 341);
  EXPECT_GE(window.T2.Value(), 10);
  EXPECT_LE(window.T2.Value(), 14);
  window.PB3.OnMouseUp(355 - 60, 341);
}

TEST(WindowGlobeMouse, AClickInsideThe2024PathMakesItTheObservingPlace) {
  MemoryWindow window(kToday);
  ASSERT_NO_FATAL_FAILURE(SelectEclipse(window, "08.04.2024"));
  const int paints = window.PB3.PresentCount();

  // Near Dallas, on the central line.
  const DiscPoint dallas = PixelOf(window, 32.78306, -96.80667);
  ASSERT_GT(dallas.CosC, 0);
  Click(window, dallas.X, dallas.Y);
  EXPECT_NEAR(window.Form.ObserverLatitude, 32.78, 0.2);
  EXPECT_NEAR(window.Form.ObserverLongitude, -96.81, 0.2);
  const std::string typedForm = window.CB6.EditText();  // "32.7063 N 96.7924 W"
  EXPECT_EQ(typedForm.rfind("32.", 0), 0u) << typedForm;
  EXPECT_NE(typedForm.find(" N 96."), std::string::npos) << typedForm;
  EXPECT_EQ(typedForm.substr(typedForm.size() - 2), " W") << typedForm;
  EXPECT_EQ(window.CB6.SelectedIndex(), -1);
  EXPECT_EQ(window.L41.Text(), "Zeitzone bzgl. WT: -6h") << "the zone of the nearest table place";
  EXPECT_EQ(window.Form.TimeZoneName, "America/Chicago");
  EXPECT_EQ(window.L39.Text().rfind("Geografische Breite: 32.", 0), 0u) << window.L39.Text();
  ASSERT_FALSE(window.LB6.Lines().empty());
  EXPECT_EQ(window.LB6.Line(0).rfind("Totale Finsternis", 0), 0u) << window.LB6.Line(0);
  EXPECT_EQ(window.PB3.PresentCount(), paints + 1) << "recomputed as for a place of the table";

  // Outside the disc nothing changes.
  const std::string shown = window.CB6.EditText();
  Click(window, 3, 3);
  EXPECT_EQ(window.CB6.EditText(), shown);
  EXPECT_FALSE(window.Form.ObserveFromMapPoint(3, 3));
  EXPECT_EQ(window.PB3.PresentCount(), paints + 1);
  EXPECT_TRUE(window.Errors.Messages().empty());
}

TEST(WindowGlobeMouse, AClickLeavesTheGlobeWhereItIs) {
  MemoryWindow window(kToday);
  ASSERT_NO_FATAL_FAILURE(SelectEclipse(window, "08.04.2024"));
  window.T1.SetValue(window.T1.Value() + 20);
  window.T2.SetValue(window.T2.Value() + 40);
  const int latitude = window.T1.Value(), setting = window.T2.Value();

  const DiscPoint clicked = PixelOf(window, 50, -60);
  Click(window, clicked.X, clicked.Y);
  EXPECT_EQ(window.T1.Value(), latitude);
  EXPECT_EQ(window.T2.Value(), setting);
  const DiscPoint place = PixelOf(window, window.Form.ObserverLatitude, window.Form.ObserverLongitude);
  EXPECT_NEAR(place.X, clicked.X, 1);
  EXPECT_NEAR(place.Y, clicked.Y, 1);
}

TEST(WindowGlobeMouse, TypedCoordinatesAreAPlaceAndGarbageChangesNothing) {
  MemoryWindow window(kToday);
  ASSERT_NO_FATAL_FAILURE(SelectEclipse(window, "08.04.2024"));

  // Dallas typed as coordinates sees what Dallas of the table sees.
  TypeAndEnter(window, "32.78306, -96.80667");
  EXPECT_EQ(window.CB6.EditText(), "32.7831 N 96.8067 W");
  EXPECT_DOUBLE_EQ(window.Form.ObserverLatitude, 32.7831);
  EXPECT_DOUBLE_EQ(window.Form.ObserverLongitude, -96.8067);
  EXPECT_EQ(window.L39.Text(), "Geografische Breite: 32.78\xB0");
  EXPECT_EQ(window.L40.Text(), "Geografische L\xE4nge: -96.81\xB0");
  EXPECT_EQ(window.L41.Text(), "Zeitzone bzgl. WT: -6h");
  const std::vector<std::string> typed = window.LB6.Lines();
  window.CB6.Choose(window.CB6.IndexOf("Dallas, USA"));
  ASSERT_EQ(window.LB6.Lines().size(), typed.size());
  EXPECT_EQ(window.LB6.Line(0), typed[0]);

  // Stuttgart in the lettered form, in the morning of 8 April the Sun has set there.
  TypeAndEnter(window, "48.78 N 9.18 O");
  EXPECT_EQ(window.CB6.EditText(), "48.78 N 9.18 O");
  EXPECT_EQ(window.L41.Text(), "Zeitzone bzgl. WT: 1h");
  EXPECT_EQ(window.Form.TimeZoneName, "Europe/Berlin");
  EXPECT_EQ(window.LB6.Lines(), std::vector<std::string>{"Am Beobachtungsort nicht zu sehen"});

  // Text that is neither place nor coordinates, or coordinates out of range, change nothing.
  const int paints = window.PB3.PresentCount();
  for (const char* text : {"Stuttgrt", "48.78", "95 10", "10 190 E", "-10 S 5 O"}) {
    TypeAndEnter(window, text);
    EXPECT_DOUBLE_EQ(window.Form.ObserverLatitude, 48.78) << text;
    EXPECT_EQ(window.L40.Text(), "Geografische L\xE4nge: 9.18\xB0") << text;
    EXPECT_EQ(window.PB3.PresentCount(), paints) << text;
  }
  // Enter on a place of the table changes nothing more than choosing it did.
  window.CB6.Choose(window.CB6.IndexOf("Stuttgart, D"));
  const int afterChoice = window.PB3.PresentCount();
  window.CB6.OnEnter();
  EXPECT_EQ(window.PB3.PresentCount(), afterChoice);
  EXPECT_EQ(window.CB6.EditText(), "Stuttgart, D");
  EXPECT_TRUE(window.Errors.Messages().empty());
}

TEST(WindowGlobeMenu, ZoneLimitsAreComputedWhileShownAndThePathCanBeExported) {
  MemoryWindow window(kToday, &TestMapRenderer());
  EXPECT_FALSE(window.Form.ShowZoneLimits) << "off at start";
  EXPECT_FALSE(window.Form.PathExportText(PathFormat::Kml).has_value()) << "no eclipse chosen";
  ASSERT_NO_FATAL_FAILURE(SelectEclipse(window, "08.04.2024"));

  int paints = window.PB3.PresentCount();
  window.Form.SetShowZoneLimits(true);
  EXPECT_EQ(window.PB3.PresentCount(), ++paints);
  ASSERT_EQ(window.Form.Selected->ZoneLimits().size(), static_cast<std::size_t>(window.LB5.Count()));
  // Another place recomputes the eclipse and keeps its limits on the map.
  window.CB6.Choose(window.CB6.IndexOf("Dallas, USA"));
  const std::vector<Rgb> with = Pixels(window.PB3.Shown(), kMapWidth, kMapHeight);
  window.Form.SetShowZoneLimits(false);
  const std::vector<Rgb> without = Pixels(window.PB3.Shown(), kMapWidth, kMapHeight);
  EXPECT_NE(with, without);
  window.Form.SetShowZoneLimits(true);
  EXPECT_EQ(Pixels(window.PB3.Shown(), kMapWidth, kMapHeight), with);
  window.Form.SetShowZoneLimits(false);
  EXPECT_EQ(Pixels(window.PB3.Shown(), kMapWidth, kMapHeight), without) << "the limits are all the difference";

  const std::optional<std::string> kml = window.Form.PathExportText(PathFormat::Kml);
  ASSERT_TRUE(kml.has_value());
  EXPECT_NE(kml->find("<LineString>"), std::string::npos);
  EXPECT_NE(kml->find("08.04.2024"), std::string::npos);
  const std::optional<std::string> csv = window.Form.PathExportText(PathFormat::Csv);
  ASSERT_TRUE(csv.has_value());
  EXPECT_EQ(static_cast<int>(std::count(csv->begin(), csv->end(), '\n')), window.LB5.Count() + 1) << "header and steps";
  EXPECT_TRUE(window.Errors.Messages().empty());
}

}  // namespace
}  // namespace vellmora
