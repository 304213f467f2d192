#include "catalogue/eclipse_list.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace vellmora {
namespace {

TEST(ListCentralEclipses, GivesTheInstantsAndKindsOfTheCentralEclipses) {
  const std::vector<EclipseListRow> rows = ListCentralEclipses(1999, 2000);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].Kind, EclipseKind::Annular);
  EXPECT_EQ(rows[1].Kind, EclipseKind::Total);
  const CivilDate annular = DecodeDate(rows[0].Time);
  const CivilDate total = DecodeDate(rows[1].Time);
  EXPECT_EQ((std::array{annular.Year, annular.Month, annular.Day}), (std::array{1999, 2, 16}));
  EXPECT_EQ((std::array{total.Year, total.Month, total.Day}), (std::array{1999, 8, 11}));
  // Greatest eclipse of 11 August 1999 at 11:04 of the search's time.
  EXPECT_NEAR(TimeOfDay(rows[1].Time) * 24, 11 + 4.0 / 60, 1.0 / 60);
}

TEST(ListCentralEclipses, WholeRangeHoldsOnlyCentralEclipsesOneLunationOrMoreApart) {
  const std::vector<EclipseListRow> rows = ListCentralEclipses(kFirstListYear, kLastListYear);
  ASSERT_GT(rows.size(), 2000u);
  EXPECT_EQ(DecodeDate(rows.front().Time).Year, kFirstListYear);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const EclipseKind kind = rows[i].Kind;
    EXPECT_TRUE(kind == EclipseKind::Annular || kind == EclipseKind::AnnularTotal || kind == EclipseKind::Total) << i;
    if (i > 0) {
      EXPECT_GT(rows[i].Time - rows[i - 1].Time, 29) << i;
    }
  }
  EXPECT_LE(DecodeDate(rows.back().Time).Year, kLastListYear);
}

// The year of a row as the list shows it: Julian calendar before 1582-10-15.
int ShownYear(const EclipseListRow& row) {
  std::int16_t year = 0;
  std::int16_t month = 0;
  std::int16_t day = 0;
  JDToCalendar(DateSerialToJD(row.Time), year, month, day);
  return year;
}

TEST(ListCentralEclipses, YearByYearListsHoldTheirYearOnlyAndMakeUpTheWholeList) {
  const std::vector<EclipseListRow> whole = ListCentralEclipses(kFirstListYear, kLastListYear);
  std::vector<double> joined;
  for (int year = kFirstListYear; year < kLastListYear; ++year) {
    for (const EclipseListRow& row : ListCentralEclipses(year, year + 1)) {
      EXPECT_EQ(ShownYear(row), year);
      joined.push_back(row.Time);
    }
  }
  ASSERT_EQ(joined.size(), whole.size());
  for (std::size_t i = 0; i < whole.size(); ++i) EXPECT_EQ(joined[i], whole[i].Time) << i;
}

TEST(ListCentralEclipses, YearsOutsideTheCalendarThrowTheDateError) {
  for (const auto& [first, last] : {std::pair{2000, 0}, {10000, 3000}, {2000, -4}}) {
    try {
      ListCentralEclipses(first, last);
      ADD_FAILURE() << first << " " << last;
    } catch (const EConvertError& error) {
      EXPECT_STREQ(error.what(), kDateEncodeMessage);
    }
  }
}

}  // namespace
}  // namespace vellmora
