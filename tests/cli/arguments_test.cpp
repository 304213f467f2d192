#include "cli/arguments.h"

#include <gtest/gtest.h>

namespace vellmora {
namespace {

TEST(CommandLineArguments, DatesMustExistInTheCalendarOfTheirTime) {
  const auto day = ParseCalendarDay("11.08.1999");
  ASSERT_TRUE(day.has_value());
  EXPECT_EQ((std::array{day->Day, day->Month, day->Year}), (std::array{11, 8, 1999}));
  EXPECT_TRUE(ParseCalendarDay("29.02.1500"));  // a Julian leap year
  EXPECT_FALSE(ParseCalendarDay("29.02.1900"));
  EXPECT_TRUE(ParseCalendarDay("29.02.2000"));
  for (const char* wrong :
       {"1999-08-11", "11.8.1999", "11.08.99", "00.08.1999", "32.08.1999", "11.13.1999", "31.04.1999", "11.08.0000", "",
        "aa.bb.cccc", "+1.08.1999", "-1.08.1999", "05.10.1582", "14.10.1582"}) {
    EXPECT_FALSE(ParseCalendarDay(wrong)) << wrong;
  }
}

TEST(CommandLineArguments, TimesAreWholeSecondsOfOneDay) {
  EXPECT_DOUBLE_EQ(*ParseTimeOfDay("11:04:30"), 11 + 4 / 60.0 + 30 / 3600.0);
  EXPECT_DOUBLE_EQ(*ParseTimeOfDay("00:00:00"), 0);
  for (const char* wrong : {"24:00:00", "11:60:00", "11:04:60", "11:04", "1:04:00", "11-04-00", "", "-1:00:00",
                            "11:-4:00", "+1:00:00", "1 :00:00"}) {
    EXPECT_FALSE(ParseTimeOfDay(wrong)) << wrong;
  }
}

TEST(CommandLineArguments, NumbersUseAPointAndOneSign) {
  EXPECT_DOUBLE_EQ(*ParseDecimal("48.78"), 48.78);
  EXPECT_DOUBLE_EQ(*ParseDecimal("-83.6523"), -83.6523);
  EXPECT_DOUBLE_EQ(*ParseDecimal("+9"), 9);
  for (const char* wrong : {"", "+", "-", "+-5", "--5", "9,18", "48.78N", "1e5", "nan", "inf", " 5"}) {
    EXPECT_FALSE(ParseDecimal(wrong)) << wrong;
  }
}

}  // namespace
}  // namespace vellmora
