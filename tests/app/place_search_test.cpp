#include "app/window/place_search.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "app/memory/memory_controls.h"
#include "app/memory/memory_paint_box.h"
#include "app/window/form37.h"
#include "tests/support/map_pixels.h"

namespace vellmora {
namespace {

struct Position {
  int Latitude;
  int Longitude;  // east positive
};

// A central-line row as the list shows it: time, latitude, longitude, duration.
std::string Row(Position at) {
  return "12:00:00\t" + std::to_string(at.Latitude) + "\xB0" + "00\t" + std::to_string(at.Longitude) + "\xB0" +
         "00\t    2.0";
}

std::string PlaceLine(const std::string& name, Position at) {
  return name + "\t" + std::to_string(at.Latitude) + "\t" + std::to_string(at.Longitude) + "\t1";
}

// Records every change of the screen cursor.
class CursorLog : public ScreenCursor {
 public:
  void ShowHourglass() override { Changes.push_back("hourglass"); }
  void ShowDefault() override { Changes.push_back("default"); }
  std::vector<std::string> Changes;
};

// The in-memory window with a cursor log; the map is centred on 0 N 0 E.
// Tests replace the place table and the central-line rows with their own.
struct SearchWindow {
  MemoryEditField E1, E2;
  MemoryButton D1, D3;
  MemorySpinField T1{-90, 90, 0};
  MemorySpinField T2{0, 360, 180};
  MemoryTextList LB1, LB5, LB6, lb9;
  MemoryComboBox CB6;
  MemoryLabel L39, L40, L41;
  MemoryPaintBox PB3{&TestMapRenderer()};
  CursorLog Cursor;
  MemoryErrorReport Errors;
  FixedClock Today{{2026, 12, 8}};
  TForm37 Form{
      FormControls{E1, E2, D1, D3, T1, T2, LB1, LB5, LB6, lb9, CB6, L39, L40, L41, PB3, Cursor, Errors, Today}};

  void SetPlaces(const std::vector<std::string>& lines) {
    lb9.Clear();
    for (const std::string& line : lines) lb9.Add(line);
  }
  // `count` rows at `elsewhere`, except the rows given.
  void SetRows(int count, Position elsewhere, const std::map<int, Position>& rows) {
    LB5.Clear();
    for (int k = 0; k < count; ++k) LB5.Add(Row(rows.contains(k) ? rows.at(k) : elsewhere));
  }
  std::vector<std::string> FoundNames() const {
    std::vector<std::string> names;
    for (const FoundPlace& place : Form.FoundPlaces) {
      if (!place.Name.empty()) names.push_back(place.Name);
    }
    return names;
  }
};

// 150 rows on a grid 10 degrees apart: row k at latitude -70 + 10 (k div 10), longitude -45 + 10 (k mod 10).
constexpr int kGridRows = 150;
Position GridPoint(int k) { return {-70 + 10 * (k / 10), -45 + 10 * (k % 10)}; }

void FillGrid(SearchWindow& window) {
  window.LB5.Clear();
  for (int k = 0; k < kGridRows; ++k) window.LB5.Add(Row(GridPoint(k)));
}

// Pixel of a point on the equator with the map centred on 0 N 0 E: x = R sin(lon), R = 341, centre (355, 341).
int EquatorX(double longitude) {
  return 355 + static_cast<int>(std::nearbyint(341 * std::sin(longitude * M_PI / 180)));
}

constexpr Rgb kWhite{255, 255, 255};

bool IsLime(MapPicture& picture, int x, int y) { return picture.PixelAt(x, y) == Rgb{0, 255, 0}; }

// Whether the legend's column of numbers at (1, 12 n - 8) holds any ink.
bool LegendRowInked(MapPicture& picture, int number) {
  for (int y = 12 * number - 8; y < 12 * number + 4; ++y) {
    for (int x = 1; x < 12; ++x) {
      if (picture.PixelAt(x, y) != kWhite) return true;
    }
  }
  return false;
}

TEST(ReadRowPosition, ReadsDegreesAndMinutesWithTheSignOnEither) {
  const RowPosition south = ReadRowPosition(
      "18:18:54\t-12\xB0"
      "30\t0\xB0-30\t    4.3");
  EXPECT_DOUBLE_EQ(south.Latitude, -12.5);
  EXPECT_DOUBLE_EQ(south.Longitude, -0.5);
  const RowPosition north = ReadRowPosition(
      "9:05:00\t41\xB0"
      "02\t-83\xB0"
      "39\t    3.9");
  EXPECT_DOUBLE_EQ(north.Latitude, 41 + 2 / 60.0);
  EXPECT_DOUBLE_EQ(north.Longitude, -83 - 39 / 60.0);
  const RowPosition zero = ReadRowPosition(
      "0:00:00\t0\xB0"
      "15\t179\xB0"
      "45\t 0.1");
  EXPECT_DOUBLE_EQ(zero.Latitude, 0.25);
  EXPECT_DOUBLE_EQ(zero.Longitude, 179.75);
}

TEST(FirstPlaceNear, TakesTheFirstInTableOrderWithinFiveDegrees) {
  const std::vector<SearchPlace> places = {
      {"Edge", 10, 25},       // |dlat| + |dlon| = 0 + 5: not less than 5
      {"Wrapped", 10, -178},  // 4 degrees across 180, but the difference is 358
      {"Farther", 13, 21.5},  // 3 + 1.5 = 4.5
      {"Nearest", 10, 20},    // 0
  };
  const SearchPlace* found = FirstPlaceNear(places, {10, 20});
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->Name, "Farther");

  const SearchPlace* atTheDateLine = FirstPlaceNear(places, {10, 178});
  EXPECT_EQ(atTheDateLine, nullptr);
  const SearchPlace* besideTheEdge = FirstPlaceNear(places, {10, 29.99});
  ASSERT_NE(besideTheEdge, nullptr);
  EXPECT_EQ(besideTheEdge->Name, "Edge");
  EXPECT_EQ(FirstPlaceNear({}, {10, 20}), nullptr);
}

TEST(BuildSearchList, KeepsTableOrderAndCutsNamesToFifty) {
  const std::string longName(60, 'x');
  const std::vector<SearchPlace> places =
      BuildSearchList({"Chemnitz, D\t50.836667\t12.854444\t1", longName + "\t-33.5\t-70.25\t-4"});
  ASSERT_EQ(places.size(), 2u);
  EXPECT_EQ(places[0].Name, "Chemnitz, D");
  EXPECT_DOUBLE_EQ(places[0].Latitude, 50.836667);
  EXPECT_DOUBLE_EQ(places[0].Longitude, 12.854444);
  EXPECT_EQ(places[1].Name, std::string(50, 'x'));
  EXPECT_DOUBLE_EQ(places[1].Latitude, -33.5);
  EXPECT_DOUBLE_EQ(places[1].Longitude, -70.25);
}

TEST(PlaceSearch, DoesNothingAtAllWithoutACentralLine) {
  SearchWindow window;
  window.Form.FoundPlaces[0] = {12.5, 50.5, "Earlier"};
  window.Form.PB3P();
  const std::vector<Rgb> before = Pixels(window.PB3.Shown(), window.PB3.Width(), window.PB3.Height());
  const int paints = window.PB3.PresentCount();

  window.D3.Click();

  EXPECT_TRUE(window.Cursor.Changes.empty());
  EXPECT_EQ(window.Form.FoundPlaces[0].Name, "Earlier");
  EXPECT_FALSE(window.Form.ShowFoundPlaces);
  EXPECT_EQ(window.PB3.PresentCount(), paints);
  EXPECT_EQ(Pixels(window.PB3.Shown(), window.PB3.Width(), window.PB3.Height()), before);
}

TEST(PlaceSearch, ExaminesEveryThirdRowAndJumpsAfterANewPlace) {
  SearchWindow window;
  FillGrid(window);
  std::vector<std::string> places;
  for (int k : {1, 2, 3, 38, 39, 40, 41, 74, 75, 76, 110, 111})
    places.push_back(PlaceLine("Row " + std::to_string(k), GridPoint(k)));
  window.SetPlaces(places);

  window.D3.Click();

  // Rows 0 and 3 (taken), then 39 (taken), 75 (taken), 111 (taken), then 147 and the end.
  EXPECT_EQ(window.FoundNames(), (std::vector<std::string>{"Row 3", "Row 39", "Row 75", "Row 111"}));
  EXPECT_EQ(window.Cursor.Changes, (std::vector<std::string>{"hourglass", "default"}));
  EXPECT_TRUE(window.Form.ShowFoundPlaces);
  EXPECT_DOUBLE_EQ(window.Form.FoundPlaces[1].Latitude, GridPoint(39).Latitude);
  EXPECT_DOUBLE_EQ(window.Form.FoundPlaces[1].Longitude, GridPoint(39).Longitude);
  // Drawn straight onto the map, without a paint of its own.
  EXPECT_EQ(window.PB3.PresentCount(), 0);
  EXPECT_TRUE(LegendRowInked(window.PB3.Shown(), 4));
  EXPECT_FALSE(LegendRowInked(window.PB3.Shown(), 5));
}

TEST(PlaceSearch, SamePlaceAgainIsNotListedAndDoesNotJump) {
  SearchWindow window;
  FillGrid(window);
  window.SetPlaces({PlaceLine("Twin", GridPoint(0)), PlaceLine("Twin", GridPoint(36)), PlaceLine("B", GridPoint(39)),
                    PlaceLine("Skipped", GridPoint(72)), PlaceLine("C", GridPoint(75)),
                    PlaceLine("Twin", GridPoint(111))});

  window.D3.Click();

  // Row 0 lists Twin; row 36 finds Twin again: nothing, row 39 next; row 111 lists Twin a second time.
  EXPECT_EQ(window.FoundNames(), (std::vector<std::string>{"Twin", "B", "C", "Twin"}));
}

TEST(PlaceSearch, FarSidePlacesTakeNoNumberButCountAsListed) {
  SearchWindow window;
  const Position hidden{0, 120};  // behind the globe seen from 0 N 0 E
  window.SetRows(45, {-60, 0}, {{0, hidden}, {3, {0, -30}}, {36, hidden}, {39, {0, 30}}});
  window.SetPlaces({PlaceLine("Hidden", hidden), PlaceLine("Skipped", {0, -30}), PlaceLine("Seen", {0, 30})});

  window.D3.Click();

  EXPECT_EQ(window.FoundNames(), std::vector<std::string>{"Seen"});
  EXPECT_TRUE(window.Form.ShowFoundPlaces);
  MapPicture& map = window.PB3.Shown();
  EXPECT_TRUE(IsLime(map, EquatorX(30), 341));
  EXPECT_FALSE(IsLime(map, EquatorX(120), 341));
  EXPECT_FALSE(IsLime(map, EquatorX(-30), 341));
  EXPECT_TRUE(LegendRowInked(map, 1));
  EXPECT_FALSE(LegendRowInked(map, 2));
}

TEST(PlaceSearch, NothingVisibleFoundKeepsTheFlagAndEmptiesTheTable) {
  SearchWindow window;
  window.Form.FoundPlaces[0] = {12.5, 50.5, "Earlier"};
  window.SetRows(10, {0, 150}, {});
  window.SetPlaces({PlaceLine("Behind", {0, 150})});

  window.D3.Click();

  EXPECT_TRUE(window.FoundNames().empty());
  EXPECT_FALSE(window.Form.ShowFoundPlaces);
  EXPECT_EQ(window.Cursor.Changes, (std::vector<std::string>{"hourglass", "default"}));
}

TEST(PlaceSearch, DrawsMoreThanFortyButKeepsForty) {
  SearchWindow window;
  // Place j at latitude -40 + 10 (j mod 9), longitude -20 + 10 (j div 9); rows 36 j lie on place j.
  auto placeAt = [](int j) { return Position{-40 + 10 * (j % 9), -20 + 10 * (j / 9)}; };
  std::map<int, Position> rows;
  std::vector<std::string> places;
  for (int j = 0; j < 45; ++j) {
    rows[36 * j] = placeAt(j);
    places.push_back(PlaceLine(std::string(1, 'P').append(std::to_string(j + 1)), placeAt(j)));
  }
  window.SetRows(36 * 45, {-80, 170}, rows);
  window.SetPlaces(places);

  window.D3.Click();

  const std::vector<std::string> kept = window.FoundNames();
  ASSERT_EQ(kept.size(), 40u);
  EXPECT_EQ(kept.front(), "P1");
  EXPECT_EQ(kept.back(), "P40");
  // Number 41 is place j = 40 at 0 N 20 E, number 5 is j = 4 at 0 N 20 W.
  MapPicture& searched = window.PB3.Shown();
  EXPECT_TRUE(IsLime(searched, EquatorX(20), 341));
  EXPECT_TRUE(IsLime(searched, EquatorX(-20), 341));
  EXPECT_TRUE(LegendRowInked(searched, 45));
  EXPECT_FALSE(LegendRowInked(searched, 46));

  // The next paint of the map shows numbers 1 to 40 only.
  window.Form.PB3P();
  MapPicture& repainted = window.PB3.Shown();
  EXPECT_FALSE(IsLime(repainted, EquatorX(20), 341));
  EXPECT_TRUE(IsLime(repainted, EquatorX(-20), 341));
  EXPECT_TRUE(LegendRowInked(repainted, 40));
  EXPECT_FALSE(LegendRowInked(repainted, 41));
}

}  // namespace
}  // namespace vellmora
