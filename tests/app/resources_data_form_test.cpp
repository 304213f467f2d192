#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "app/resources/resources.h"
#include "civil/civil_clock.h"
#include "ephem/timlib.h"
#include "tests/support/place_name_order.h"
#include "tests/support/resources_text_files.h"

// Walks every line of the data sets and checks its form.

namespace vellmora {
namespace {

// A decimal as the data writes it: optional sign, digits without leading zeros,
// at most maxDecimals decimals without trailing zeros, never "-0".
bool IsDecimalText(std::string_view text, std::size_t maxDecimals, bool plusAllowed) {
  const std::string_view original = text;
  if (!text.empty() && (text.front() == '-' || (plusAllowed && text.front() == '+'))) text.remove_prefix(1);
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view decimals = point == std::string_view::npos ? "" : text.substr(point + 1);
  const auto allDigits = [](std::string_view s) { return s.find_first_not_of("0123456789") == std::string_view::npos; };
  if (whole.empty() || !allDigits(whole) || (whole.size() > 1 && whole.front() == '0')) return false;
  if (point != std::string_view::npos &&
      (decimals.empty() || decimals.size() > maxDecimals || !allDigits(decimals) || decimals.back() == '0')) {
    return false;
  }
  return original != "-0";
}

double ValueOf(std::string_view text) {
  if (text.front() == '+') text.remove_prefix(1);
  double value = NAN;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

std::vector<std::string_view> Fields(std::string_view line, char separator) {
  std::vector<std::string_view> fields;
  for (std::size_t at; (at = line.find(separator)) != std::string_view::npos; line.remove_prefix(at + 1)) {
    fields.push_back(line.substr(0, at));
  }
  fields.push_back(line);
  return fields;
}

// Bytes Windows-1252 leaves undefined, and control characters.
bool IsWindows1252Text(std::string_view text) {
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F || byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D) {
      return false;
    }
  }
  return true;
}

TEST(DecimalTextChecker, AcceptsOnlyTheDataForm) {
  for (const char* good : {"5.67", "0.192", "-180", "0", "-0.5", "12.854444"}) {
    EXPECT_TRUE(IsDecimalText(good, 6, false)) << good;
  }
  for (const char* bad : {"5.670", "5.", ".5", "+5", "-0", "05", "1e3", "", "-", "5.1234567"}) {
    EXPECT_FALSE(IsDecimalText(bad, 6, false)) << bad;
  }
  EXPECT_TRUE(IsDecimalText("+8", 2, true));
  EXPECT_FALSE(IsDecimalText("0.1234", 3, false));
}

TEST(CoastlineData, EveryLineIsLatitudeLongitudeAndFlag) {
  const std::string file = ReadDataFile("erde2.txt");
  EXPECT_EQ(file.find('\0'), std::string::npos);
  const std::vector<std::string> lines = SplitLines(file);
  ASSERT_FALSE(lines.empty());
  int polylines = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::vector<std::string_view> fields = Fields(lines[i], ' ');
    ASSERT_EQ(fields.size(), 3u) << "line " << i + 1 << ": " << lines[i];
    ASSERT_TRUE(IsDecimalText(fields[0], 3, false)) << "line " << i + 1 << ": " << lines[i];
    ASSERT_TRUE(IsDecimalText(fields[1], 3, false)) << "line " << i + 1 << ": " << lines[i];
    EXPECT_LE(std::abs(ValueOf(fields[0])), 90.0) << "line " << i + 1;
    EXPECT_LE(std::abs(ValueOf(fields[1])), 180.0) << "line " << i + 1;
    ASSERT_TRUE(fields[2] == "0" || fields[2] == "1") << "line " << i + 1 << ": " << lines[i];
    if (fields[2] == "0") ++polylines;
  }
  EXPECT_EQ(Fields(lines.front(), ' ')[2], "0");
  // About 31,000 points in about a thousand polylines.
  EXPECT_GE(lines.size(), 29000u);
  EXPECT_LE(lines.size(), 33000u);
  EXPECT_GE(polylines, 800);
  EXPECT_LE(polylines, 2000);
}

TEST(PlaceData, EveryLineIsNameCoordinatesAndOffset) {
  const std::string file = ReadDataFile("mort.txt");
  EXPECT_EQ(file.find('\0'), std::string::npos);
  const std::vector<std::string> lines = SplitLines(file);
  EXPECT_GE(lines.size(), 3000u);
  EXPECT_LE(lines.size(), 4000u);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    SCOPED_TRACE("line " + std::to_string(i + 1) + ": " + lines[i]);
    const std::vector<std::string_view> fields = Fields(lines[i], '\t');
    ASSERT_EQ(fields.size(), 4u);
    EXPECT_GE(fields[0].size(), 5u);
    EXPECT_LE(fields[0].size(), 34u);
    EXPECT_TRUE(IsWindows1252Text(fields[0]));
    ASSERT_TRUE(IsDecimalText(fields[1], 6, false));
    ASSERT_TRUE(IsDecimalText(fields[2], 6, false));
    ASSERT_TRUE(IsDecimalText(fields[3], 2, true));
    EXPECT_LE(std::abs(ValueOf(fields[1])), 90.0);
    EXPECT_LE(std::abs(ValueOf(fields[2])), 180.0);
    const double offset = ValueOf(fields[3]);
    EXPECT_GE(offset, -12.0);
    EXPECT_LE(offset, 13.0);
    // Zone offsets are whole quarter hours.
    EXPECT_EQ(offset * 4, std::round(offset * 4));
  }
}

TEST(PlaceData, NameListMatchesThePlaceTableLineForLine) {
  const std::vector<std::string> table = LoadResourceLines("mort");
  const std::vector<std::string> names = LoadResourceLines("mort1");
  ASSERT_EQ(names.size(), table.size());
  std::size_t chemnitz = 0;
  for (std::size_t i = 0; i < table.size(); ++i) {
    EXPECT_EQ(names[i], table[i].substr(0, table[i].find('\t'))) << "line " << i + 1;
    if (names[i] == "Chemnitz, D") chemnitz = i + 1;
  }
  ASSERT_NE(chemnitz, 0u) << "start-up place missing";
  EXPECT_EQ(table[chemnitz - 1], "Chemnitz, D\t50.836667\t12.854444\t1");
  // The reference points at the equator and the poles.
  const auto has = [&](const std::string& line) { return std::ranges::find(table, line) != table.end(); };
  EXPECT_TRUE(has("\xC4quator\t0\t0\t0"));
  EXPECT_TRUE(has("Nordpol\t90\t0\t0"));
  EXPECT_TRUE(
      has("S\xFC"
          "dpol\t-90\t0\t0"));
}

// Each place's zone is one the tz database knows, and its standard time (the
// smaller offset of January and July) is the offset of the place table.
TEST(PlaceData, ZonesKeepThePlaceTablesStandardOffsets) {
  const std::vector<std::string> table = LoadResourceLines("mort");
  const std::vector<std::string> zones = LoadResourceLines("zones");
  ASSERT_EQ(zones.size(), table.size());
  const double january = CenturiesFromMJD(ModifiedJulianDate(15, 1, 2025, 12));
  const double july = CenturiesFromMJD(ModifiedJulianDate(15, 7, 2025, 12));
  for (std::size_t i = 0; i < table.size(); ++i) {
    ASSERT_TRUE(IsKnownTimeZone(zones[i])) << zones[i];
    const long standard =
        std::min(CivilClockAt(zones[i], january).OffsetSeconds, CivilClockAt(zones[i], july).OffsetSeconds);
    EXPECT_EQ(standard, std::lround(static_cast<double>(ParsePlaceRecord(table[i]).ZoneOffset) * 3600))
        << table[i] << " " << zones[i];
  }
}

TEST(PlaceData, IsStoredInChooserOrderWithUniqueNames) {
  const std::vector<std::string> names = LoadResourceLines("mort1");
  for (std::size_t i = 1; i < names.size(); ++i) {
    EXPECT_LT(ComparePlaceNames(names[i - 1], names[i]), 0) << names[i - 1] << " before " << names[i];
  }
}

}  // namespace
}  // namespace vellmora
