#include <gtest/gtest.h>

#include "app/memory/memory_window.h"
#include "app/texts/year_field.h"
#include "catalogue/moon.h"

namespace vellmora {
namespace {

class EclipseList : public testing::Test {
 protected:
  MemoryWindow window{CivilDate{2026, 12, 8}};

  void Calculate(const std::string& first, const std::string& last) {
    window.E1.SetText(first);
    window.E2.SetText(last);
    window.D1.Click();
  }
};

TEST_F(EclipseList, StartUpFillsTheYearsFromTodaysDate) {
  EXPECT_EQ(window.E1.Text(), "2026");
  EXPECT_EQ(window.E2.Text(), "2036");
  EXPECT_FALSE(window.Form.ShowFoundPlaces);
  // 3652.5 days from 1 January 2027 span three leap days and end on 31 December 2036.
  MemoryWindow newYear(CivilDate{2027, 1, 1});
  EXPECT_EQ(newYear.E1.Text(), "2027");
  EXPECT_EQ(newYear.E2.Text(), "2036");
}

TEST_F(EclipseList, ListsOnlyCentralEclipsesWithTheirInstants) {
  Calculate("1999", "2000");
  ASSERT_EQ(window.LB1.Count(), 2);
  EXPECT_EQ(window.LB1.Line(0), "ringf\xF6rmig\t16.02.1999 06:35:23");
  EXPECT_EQ(window.LB1.Line(1), "total\t11.08.1999 11:04:21");
  EXPECT_EQ(window.LB1.SelectedIndex(), -1);
  // 1999 also had partial eclipses; none of them, and no lunation of 2000, is listed.
  Calculate("2001", "2021");
  EXPECT_EQ(window.LB1.Count(), 29);
  EXPECT_EQ(window.LB1.Line(6).substr(0, 32), "total-ringf\xF6rmig\t08.04.2005 20:3");
}

TEST_F(EclipseList, YearFieldsAreReadAsWholeNumbersAndClamped) {
  Calculate("abc", "1001");
  EXPECT_EQ(window.E1.Text(), "1000");
  ASSERT_GT(window.LB1.Count(), 0);
  EXPECT_EQ(window.LB1.Line(0).substr(window.LB1.Line(0).find('\t') + 7, 4), "1000");

  for (const char* unreadable : {"", " ", "1999 ", "19a9", "0x10", "99999999999", "+-5"}) {
    Calculate(unreadable, "1001");
    EXPECT_EQ(window.E1.Text(), "1000") << '"' << unreadable << '"';
  }
  Calculate("  +2005", "2006");
  EXPECT_EQ(window.E1.Text(), "  +2005");
  EXPECT_EQ(window.LB1.Count(), 2);

  Calculate("2999", "5000");
  EXPECT_EQ(window.E2.Text(), "3000");
  EXPECT_TRUE(window.Errors.Messages().empty());
}

TEST_F(EclipseList, FirstYearAfterLastGivesAtMostTheFirstNewMoon) {
  // The first new moon of 2005 (10 January) was no eclipse: nothing is listed.
  Calculate("2005", "2001");
  EXPECT_EQ(window.LB1.Count(), 0);
  // "5000" as first year is accepted; the walk stops after the first new moon.
  Calculate("5000", "2000");
  EXPECT_EQ(window.E1.Text(), "5000");
  EXPECT_LE(window.LB1.Count(), 1);
  EXPECT_TRUE(window.Errors.Messages().empty());
}

TEST_F(EclipseList, EclipseInTheFirstDaysOfTheLastYearBelongsToTheNextList) {
  // 2010-01-15, the first new moon of 2010, is central: the list ends before it.
  Calculate("2009", "2010");
  ASSERT_GE(window.LB1.Count(), 1);
  EXPECT_EQ(window.LB1.Line(window.LB1.Count() - 1).substr(0, 16), "total\t22.07.2009");
  Calculate("2010", "2011");
  EXPECT_EQ(window.LB1.Line(0).substr(0, 27), "ringf\xF6rmig\t15.01.2010 07:08");
}

TEST_F(EclipseList, DatesBeforeOctober1582AreJulian) {
  // The search's serial counts proleptic Gregorian days: the total eclipse of June 1582
  // falls on 30 June there, which is 20 June in the Julian calendar then in force.
  double time = EncodeDate(1582, 6, 25);
  bool gammaNegative = false;
  ASSERT_EQ(FindNextEclipse(time, true, gammaNegative), EclipseKind::Total);
  ASSERT_EQ(DecodeDate(time).Day, 30);
  Calculate("1582", "1583");
  std::string rows;
  for (int i = 0; i < window.LB1.Count(); ++i) rows += window.LB1.Line(i) + "\n";
  EXPECT_NE(rows.find("total\t20.06.1582 "), std::string::npos) << rows;
  EXPECT_EQ(rows.find("30.06.1582"), std::string::npos) << rows;
  // The walk starts on 1 January 1582 Gregorian, 22 December 1581 Julian: the
  // eclipse it finds on 25 December 1581 is not of the years asked for.
  EXPECT_EQ(rows.find("1581"), std::string::npos) << rows;
}

TEST_F(EclipseList, YearsThatCannotBeEncodedReportTheDateErrorAndLeaveTheListEmpty) {
  Calculate("1999", "2000");
  ASSERT_GT(window.LB1.Count(), 0);
  for (const auto& [first, last] : {std::pair{"2000", ""}, {"10000", "3000"}, {"2000", "-4"}, {"2000", "0"}}) {
    Calculate(first, last);
    EXPECT_EQ(window.LB1.Count(), 0);
  }
  ASSERT_EQ(window.Errors.Messages().size(), 4U);
  for (const std::string& message : window.Errors.Messages()) EXPECT_EQ(message, "Invalid argument to date encode");
  // The program goes on: the next calculation works.
  Calculate("1999", "2000");
  EXPECT_EQ(window.LB1.Count(), 2);
}

TEST(ReadListYears, RaisesTheFirstAndLowersTheLastYearToTheListsLimits) {
  const ListYears clamped = ReadListYears("abc", "5000");
  EXPECT_EQ(clamped.First, 1000);
  EXPECT_EQ(clamped.Last, 3000);
  EXPECT_TRUE(clamped.FirstRaised);
  EXPECT_TRUE(clamped.LastLowered);
  // Only the first is raised and only the last lowered.
  const ListYears crossed = ReadListYears("5000", " -7");
  EXPECT_EQ(crossed.First, 5000);
  EXPECT_EQ(crossed.Last, -7);
  EXPECT_FALSE(crossed.FirstRaised);
  EXPECT_FALSE(crossed.LastLowered);
  const ListYears limits = ReadListYears("1000", "3000");
  EXPECT_FALSE(limits.FirstRaised || limits.LastLowered);
}

}  // namespace
}  // namespace vellmora
