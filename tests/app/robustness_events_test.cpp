#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <exception>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "app/memory/memory_window.h"
#include "app/texts/year_field.h"
#include "tests/app/window_content.h"

// Long random sessions over the window in memory: each of several fixed seeds
// draws a few thousand user actions (year texts, "Berechnung", clicks in the
// lists, place choices, spin-field values, "Orte suchen"), and after each one
// the window's invariants are checked, of structure (sizes, ranges, paints)
// and of content (every central-line row and local-circumstances line says
// something that can be true, and no control shows "nan" or "inf").

namespace vellmora {
namespace {

// Under the sanitizers every event costs ten times as much: fewer and shorter sessions.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kSessionCount = 3;
constexpr int kEventCount = 800;
#else
constexpr int kSessionCount = 10;
constexpr int kEventCount = 2000;
#endif
constexpr std::uint32_t kFirstSeed = 20261208;
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
  RandomSession(MemoryWindow& window, std::uint32_t seed) : window_(window), random_(seed) {
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
  // A failed "Berechnung" paints once, when it takes the former eclipse off the globe.
  if (kind == EventKind::SearchPlaces || (kind == EventKind::Calculate && window.LB5.Count() > 0)) {
    EXPECT_EQ(paints, 0) << event;
  }
}

void ExpectConsistentWindow(const MemoryWindow& window, const std::string& event) {
  const CentralLineResults& line = window.Form.CentralLine();
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

// What the rows and lines say, and no "nan" or "inf" in any text the window
// wrote. Lists that have not changed since the last event were checked then.
class ContentChecks {
 public:
  void ExpectTruthful(const MemoryWindow& window, const std::string& event) {
    if (Changed(window.LB5, centralRows_)) {
      for (const std::string& row : centralRows_) {
        EXPECT_EQ(CentralRowProblem(row), "") << event << ": LB5 row \"" << row << "\"";
        EXPECT_FALSE(ShowsNanOrInf(row)) << event << ": LB5 row \"" << row << "\"";
      }
    }
    if (Changed(window.LB6, localLines_)) {
      EXPECT_EQ(LocalCircumstancesProblem(localLines_), "") << event << ": LB6 " << testing::PrintToString(localLines_);
      for (const std::string& line : localLines_) EXPECT_FALSE(ShowsNanOrInf(line)) << event << ": \"" << line << "\"";
    }
    if (Changed(window.LB1, eclipseRows_)) {
      for (const std::string& row : eclipseRows_) EXPECT_FALSE(ShowsNanOrInf(row)) << event << ": \"" << row << "\"";
    }
    for (const MemoryLabel* label : {&window.L39, &window.L40, &window.L41}) {
      EXPECT_FALSE(ShowsNanOrInf(label->Text())) << event << ": \"" << label->Text() << "\"";
    }
  }

 private:
  static bool Changed(const MemoryTextList& list, std::vector<std::string>& checked) {
    if (list.Lines() == checked) return false;
    checked = list.Lines();
    return true;
  }

  std::vector<std::string> centralRows_;
  std::vector<std::string> localLines_;
  std::vector<std::string> eclipseRows_;
};

class RandomSessions : public testing::TestWithParam<std::uint32_t> {};

TEST_P(RandomSessions, WindowStaysConsistentAndTruthfulThroughThousandsOfUserActions) {
  MemoryWindow window(CivilDate{2026, 12, 8});
  RandomSession session(window, GetParam());
  ContentChecks content;
  std::size_t messagesSeen = 0;
  int selectionsWithPath = 0;
  int searchesWithPlaces = 0;
  int eclipsesSeen = 0;
  for (int i = 0; i < kEventCount && !HasFailure(); ++i) {
    const int paintsBefore = window.PB3.PresentCount();
    EventKind kind{};
    std::string event;
    try {
      event = "seed " + std::to_string(GetParam()) + " event " + std::to_string(i) + ": ";
      event += session.Next(kind);
    } catch (const std::exception& escaped) {
      FAIL() << event << " let an exception escape: " << escaped.what();
    }
    ExpectPaints(window, kind, window.PB3.PresentCount() - paintsBefore, event);
    ExpectConsistentWindow(window, event);
    content.ExpectTruthful(window, event);
    const auto& messages = window.Errors.Messages();
    for (; messagesSeen < messages.size(); ++messagesSeen) {
      EXPECT_TRUE(kKnownMessages.contains(messages[messagesSeen])) << event << " showed " << messages[messagesSeen];
    }
    if (kind == EventKind::ChooseEclipse && window.LB5.Count() > 0) ++selectionsWithPath;
    if (kind == EventKind::SearchPlaces && window.LB5.Count() > 0 && !window.Form.FoundPlaces[0].Name.empty())
      ++searchesWithPlaces;
    if (window.LB6.Count() > 1) ++eclipsesSeen;
  }
  // The session must have reached the interesting states, not only the error paths.
  EXPECT_GT(selectionsWithPath, kEventCount / 200);
  EXPECT_GT(searchesWithPlaces, kEventCount / 1000);
  EXPECT_GT(eclipsesSeen, 0) << "no local circumstances to check";
  EXPECT_FALSE(window.Errors.Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomSessions, testing::Range(kFirstSeed, kFirstSeed + kSessionCount));

// The content checks themselves: they pass what the window writes and refuse what cannot be true.
TEST(WindowContent, ChecksRefuseWhatCannotBeTrue) {
  EXPECT_EQ(CentralRowProblem("10:00:30\t0\xB0-30\t0\xB0-30\t    3"), "");
  EXPECT_EQ(CentralRowProblem("0:00:45\t-43\xB0"
                              "51\t154\xB0"
                              "20\t    3.7"),
            "");
  for (const char* wrong : {"24:00:15\t-43\xB0"
                            "37\t153\xB0"
                            "52\t    3.7",
                            "10:60:30\t0\xB0"
                            "00\t0\xB0"
                            "00\t 1",
                            "10:00:30\t91\xB0"
                            "00\t0\xB0"
                            "00\t 1",
                            "10:00:30\t0\xB0"
                            "00\t-180\xB0"
                            "30\t 1",
                            "10:00:30\t5\xB0-10\t0\xB0"
                            "00\t 1",
                            "10:00:30\t0\xB0"
                            "00\t0\xB0"
                            "00\t   15.2",
                            "10:00:30\t0\xB0"
                            "00\t0\xB0"
                            "00\t   -1",
                            "10:00:30\tnan\xB0nan\t0\xB0"
                            "00\t 1"}) {
    EXPECT_NE(CentralRowProblem(wrong), "") << wrong;
  }
  const std::vector<std::string> total = {
      "Totale Finsternis mit M=1.029",         "Maximum um 10:33:57 UT",
      "1. Kontakt: 11. 8.1999   9: 13:  4 UT", "2. Kontakt: 11. 8.1999  10: 32: 48 UT",
      "3. Kontakt: 11. 8.1999  10: 35:  9 UT", "4. Kontakt: 11. 8.1999  11: 56: 48 UT"};
  EXPECT_EQ(LocalCircumstancesProblem(total), "");
  EXPECT_EQ(LocalCircumstancesProblem({"Am Beobachtungsort nicht zu sehen"}), "");
  EXPECT_EQ(
      LocalCircumstancesProblem({"Partielle Finsternis mit M=0.5 (0.38)", "Maximum um  0: 2: 0 UT",
                                 "1. Kontakt: 31.12.1999  23: 10:  0 UT", "4. Kontakt:  1. 1.2000   0: 50:  0 UT"}),
      "");
  std::vector<std::string> swapped = total;
  std::swap(swapped[3], swapped[4]);
  EXPECT_NE(LocalCircumstancesProblem(swapped), "");
  std::vector<std::string> lateMaximum = total;
  lateMaximum[1] = "Maximum um 10:36:00 UT";
  EXPECT_NE(LocalCircumstancesProblem(lateMaximum), "");
  EXPECT_NE(
      LocalCircumstancesProblem({"Partielle Finsternis mit M=1.3 (0.9)", "Maximum um 10:33:57 UT",
                                 "1. Kontakt: 11. 8.1999   9: 13:  4 UT", "4. Kontakt: 11. 8.1999  11: 56: 48 UT"}),
      "");
  EXPECT_NE(LocalCircumstancesProblem({"Partielle Finsternis mit M=0.3 (1.5)"}), "");
  EXPECT_NE(LocalCircumstancesProblem({"Totale Finsternis mit M=nan"}), "");
  EXPECT_NE(LocalCircumstancesProblem({"Am Beobachtungsort nicht zu sehen", "Maximum um 10:33:57 UT"}), "");
  EXPECT_TRUE(ShowsNanOrInf("M=-nan"));
  EXPECT_TRUE(ShowsNanOrInf("Dauer inf"));
  EXPECT_FALSE(ShowsNanOrInf("Nanjing, CHN"));
  EXPECT_FALSE(ShowsNanOrInf("Totale Finsternis"));
}

}  // namespace
}  // namespace vellmora
