#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <exception>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "app/year_field.h"
#include "cli/memory_window.h"

// A long random session over the window in memory: a fixed seed draws a few
// thousand user actions (year texts, "Berechnung", clicks in the lists, place
// choices, spin-field values, "Orte suchen") and the window's invariants are
// checked after each one.

namespace vellmora {
namespace {

constexpr std::uint32_t kSeed = 20261208;
constexpr int kEventCount = 2000;
constexpr int kLongWalkYears = 40;

// Year texts a user might type: blanks, signs, letters, the clamp limits,
// years that cannot be encoded and numbers beyond 32 bits.
const std::vector<std::string> kYearTexts = {
    "",           " ",          "   ",         "+",    "-",     "abc",   "12a",    "1999 ", " 2000",
    "+2001",      "-5",         "0",           "999",  "1000",  "3000",  "9999",   "10000", "99999999999",
    "2147483647", "2147483648", "-2147483648", "\xE4", "0x7D0", "2.5e3", "--2000", " +-3"};

const std::set<std::string> kKnownMessages = {"Invalid argument to date encode", "Fehler!", "error"};

enum class EventKind {
  YearRange,
  FirstYear,
  LastYear,
  Calculate,
  ChooseEclipse,
  ChoosePlace,
  TypePlace,
  TurnLatitude,
  TurnLongitude,
  ClickPathRow,
  SearchPlaces
};

// Event weights: selections (eclipse, place, map turns) are the costly minority.
const std::vector<std::pair<EventKind, int>> kWeights = {
    {EventKind::YearRange, 10},   {EventKind::FirstYear, 8},     {EventKind::LastYear, 8},
    {EventKind::Calculate, 12},   {EventKind::ChooseEclipse, 4}, {EventKind::ChoosePlace, 1},
    {EventKind::TypePlace, 6},    {EventKind::TurnLatitude, 1},  {EventKind::TurnLongitude, 1},
    {EventKind::ClickPathRow, 1}, {EventKind::SearchPlaces, 3}};

class RandomSession {
 public:
  explicit RandomSession(MemoryWindow& window) : window_(window), random_(kSeed) {
    std::vector<int> weights;
    for (const auto& entry : kWeights) weights.push_back(entry.second);
    pick_ = std::discrete_distribution<std::size_t>(weights.begin(), weights.end());
  }

  // Performs one random user action; returns what it did.
  std::string Next(EventKind& kind) {
    kind = kWeights[pick_(random_)].first;
    switch (kind) {
      case EventKind::YearRange: {
        const std::string first = YearText();
        // Mostly a short range after the first year, so that "Berechnung" stays cheap.
        const std::int64_t base = std::max(ReadYearField(first), 1000);
        const std::string last = Uniform(0, 2) == 0 ? YearText() : std::to_string(base + Uniform(-1, 3));
        window_.E1.SetText(first);
        window_.E2.SetText(last);
        return "years \"" + first + "\" to \"" + last + "\"";
      }
      case EventKind::FirstYear: {
        const std::string text = YearText();
        window_.E1.SetText(text);
        return "E1 \"" + text + "\"";
      }
      case EventKind::LastYear: {
        const std::string text = YearText();
        window_.E2.SetText(text);
        return "E2 \"" + text + "\"";
      }
      case EventKind::Calculate: {
        // A walk over centuries costs tenths of a second; most long ranges are cut short first.
        std::string event = "Berechnung";
        const std::int64_t first = std::max(ReadYearField(window_.E1.Text()), 1000);
        const std::int64_t last = std::min(ReadYearField(window_.E2.Text()), 3000);
        if (last - first > kLongWalkYears && Uniform(0, 49) != 0) {
          window_.E2.SetText(std::to_string(first + Uniform(-1, 3)));
          event += " with E2 \"" + window_.E2.Text() + "\"";
        }
        window_.D1.Click();
        return event + " from \"" + window_.E1.Text() + "\"";
      }
      case EventKind::ChooseEclipse: {
        const int row = Uniform(-1, window_.LB1.Count());
        window_.LB1.Click(row);
        return "LB1 row " + std::to_string(row);
      }
      case EventKind::ChoosePlace: {
        const int index = Uniform(-2, static_cast<int>(window_.CB6.Items().size()) + 1);
        window_.CB6.Choose(index);
        return "CB6 position " + std::to_string(index);
      }
      case EventKind::TypePlace: {
        const std::string text = PlaceText();
        window_.CB6.Type(text);
        return "CB6 text \"" + text + "\"";
      }
      case EventKind::TurnLatitude: {
        const int value = Uniform(-200, 200);
        window_.T1.SetValue(value);
        return "T1 " + std::to_string(value);
      }
      case EventKind::TurnLongitude: {
        const int value = Uniform(-100, 500);
        window_.T2.SetValue(value);
        return "T2 " + std::to_string(value);
      }
      case EventKind::ClickPathRow: {
        const int row = Uniform(-1, window_.LB5.Count());
        window_.LB5.Click(row);
        return "LB5 row " + std::to_string(row);
      }
      case EventKind::SearchPlaces:
        window_.D3.Click();
        return "Orte suchen";
    }
    return {};
  }

 private:
  int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

  std::string YearText() {
    if (Uniform(0, 1) == 0) return kYearTexts[static_cast<std::size_t>(Uniform(0, kYearTexts.size() - 1))];
    return std::to_string(Uniform(1000, 3000));
  }

  // A place name typed whole, cut short, garbled, or nothing at all.
  std::string PlaceText() {
    const auto& items = window_.CB6.Items();
    const std::string& name = items[static_cast<std::size_t>(Uniform(0, static_cast<int>(items.size()) - 1))];
    switch (Uniform(0, 4)) {
      case 0:
        return name;
      case 1:
        return name.substr(0, static_cast<std::size_t>(Uniform(0, static_cast<int>(name.size()) - 1)));
      case 2:
        return name + "x";
      case 3: {
        std::string garbage(static_cast<std::size_t>(Uniform(1, 12)), ' ');
        for (char& c : garbage) c = static_cast<char>(Uniform(1, 255));
        return garbage;
      }
      default:
        return "";
    }
  }

  MemoryWindow& window_;
  std::mt19937 random_;
  std::discrete_distribution<std::size_t> pick_;
};

// The paints one event caused: a selection paints the map exactly once when a
// row of LB1 is selected and not at all otherwise; no single action paints twice.
void ExpectPaints(const MemoryWindow& window, EventKind kind, int paints, const std::string& event) {
  EXPECT_LE(paints, 1) << event;
  if (kind == EventKind::ChooseEclipse) {
    EXPECT_EQ(paints, window.LB1.SelectedIndex() >= 0 ? 1 : 0) << event;
  }
  if (kind == EventKind::SearchPlaces || kind == EventKind::Calculate) {
    EXPECT_EQ(paints, 0) << event;
  }
}

void ExpectConsistentWindow(const MemoryWindow& window, const std::string& event) {
  const CentralLineResults& line = window.Form.CentralLine;
  const auto rows = static_cast<std::size_t>(window.LB5.Count());
  EXPECT_EQ(line.StepHours.size(), rows) << event;
  EXPECT_EQ(line.CentralLatitudes.size(), rows) << event;
  EXPECT_EQ(line.CentralLongitudes.size(), rows) << event;
  EXPECT_EQ(line.UmbraDiameters.size(), rows) << event;
  EXPECT_EQ(line.CentralPhaseMinutes.size(), rows) << event;
  EXPECT_LE(rows, 1001U) << event;
  EXPECT_FALSE(window.Form.SuppressLatitudeRepaint) << event;

  const FoundPlaceTable& found = window.Form.FoundPlaces;
  const auto firstEmpty = std::ranges::find_if(found, [](const FoundPlace& place) { return place.Name.empty(); });
  EXPECT_TRUE(std::all_of(firstEmpty, found.end(), [](const FoundPlace& place) { return place.Name.empty(); }))
      << event;
  for (const FoundPlace& place : found) EXPECT_LE(place.Name.size(), 40U) << event;

  EXPECT_GE(window.T1.Value(), -90) << event;
  EXPECT_LE(window.T1.Value(), 90) << event;
  EXPECT_GE(window.T2.Value(), 0) << event;
  EXPECT_LE(window.T2.Value(), 360) << event;
  EXPECT_GE(window.Form.MapCentreLongitude, 0) << event;
  EXPECT_LE(window.Form.MapCentreLongitude, 360) << event;
}

TEST(RandomSession, WindowStaysConsistentThroughThousandsOfUserActions) {
  MemoryWindow window(CivilDate{2026, 12, 8});
  RandomSession session(window);
  std::size_t messagesSeen = 0;
  int selectionsWithPath = 0;
  int searchesWithPlaces = 0;
  for (int i = 0; i < kEventCount && !HasFailure(); ++i) {
    const int paintsBefore = window.PB3.PresentCount();
    EventKind kind{};
    std::string event;
    try {
      event = "event " + std::to_string(i) + ": ";
      event += session.Next(kind);
    } catch (const std::exception& escaped) {
      FAIL() << event << " let an exception escape: " << escaped.what();
    }
    ExpectPaints(window, kind, window.PB3.PresentCount() - paintsBefore, event);
    ExpectConsistentWindow(window, event);
    const auto& messages = window.Errors.Messages();
    for (; messagesSeen < messages.size(); ++messagesSeen) {
      EXPECT_TRUE(kKnownMessages.contains(messages[messagesSeen])) << event << " showed " << messages[messagesSeen];
    }
    if (kind == EventKind::ChooseEclipse && window.LB5.Count() > 0) ++selectionsWithPath;
    if (kind == EventKind::SearchPlaces && window.LB5.Count() > 0 && !window.Form.FoundPlaces[0].Name.empty())
      ++searchesWithPlaces;
  }
  // The session must have reached the interesting states, not only the error paths.
  EXPECT_GT(selectionsWithPath, 10);
  EXPECT_GT(searchesWithPlaces, 3);
  EXPECT_FALSE(window.Errors.Messages().empty());
}

}  // namespace
}  // namespace vellmora
