#include "text/format_number.h"

#include <gtest/gtest.h>

#include <locale>

namespace vellmora {
namespace {

TEST(FormatNumber, ExamplesWithWidthOneAndTwoDecimals) {
  EXPECT_EQ(FormatNumber(50.836667, 1, 2), "50.84");
  EXPECT_EQ(FormatNumber(1, 1, 2), "1");
  EXPECT_EQ(FormatNumber(3.5, 1, 2), "3.5");
  EXPECT_EQ(FormatNumber(-0.001, 1, 2), "0");
}

TEST(FormatNumber, PadsWithBlanksBeforeDroppingZeros) {
  // The padding is counted on the full text, so a whole number loses the
  // point and its zero after padding: two characters short of the width.
  EXPECT_EQ(FormatNumber(3.0, 7, 1), "    3");
  EXPECT_EQ(FormatNumber(2.5, 7, 1), "    2.5");
  EXPECT_EQ(FormatNumber(11.14, 7, 1), "   11.1");
  EXPECT_EQ(FormatNumber(5, 2, 0), " 5");
  EXPECT_EQ(FormatNumber(-5, 3, 0), " -5");
  EXPECT_EQ(FormatNumber(1999, 4, 0), "1999");
  // A width smaller than the text never cuts it.
  EXPECT_EQ(FormatNumber(12345.6, 3, 1), "12345.6");
}

TEST(FormatNumber, DropsTrailingZerosOnlyAfterTheDecimalPoint) {
  EXPECT_EQ(FormatNumber(0.5, 5, 3), "0.5");
  EXPECT_EQ(FormatNumber(0.25, 4, 2), "0.25");
  EXPECT_EQ(FormatNumber(10, 1, 1), "10");
  EXPECT_EQ(FormatNumber(100, 1, 2), "100");
  EXPECT_EQ(FormatNumber(0, 1, 3), "0");
  // Without decimals nothing is removed.
  EXPECT_EQ(FormatNumber(100, 1, 0), "100");
  EXPECT_EQ(FormatNumber(60, 1, 0), "60");
}

TEST(FormatNumber, RoundsToTheLastDecimal) {
  EXPECT_EQ(FormatNumber(59.6, 1, 0), "60");
  EXPECT_EQ(FormatNumber(1.96, 1, 1), "2");
  EXPECT_EQ(FormatNumber(0.9576, 5, 3), "0.958");
  EXPECT_EQ(FormatNumber(-2.449, 1, 1), "-2.4");
}

TEST(FormatNumber, NegativeZeroReadsZero) {
  EXPECT_EQ(FormatNumber(-0.4, 1, 0), "0");
  EXPECT_EQ(FormatNumber(-0.04, 1, 1), "0");
  EXPECT_EQ(FormatNumber(-0.0, 1, 0), "0");
  // Only a bare "-0" is mended; a padded one and a real value keep their sign.
  EXPECT_EQ(FormatNumber(-0.5, 1, 1), "-0.5");
  EXPECT_EQ(FormatNumber(-0.0004, 7, 3), " -0");
}

// A decimal comma for every stream that takes the global locale.
struct CommaDecimals : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
  char do_thousands_sep() const override { return '.'; }
  std::string do_grouping() const override { return "\3"; }
};

TEST(FormatNumber, WritesAPointWhateverTheLocale) {
  const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaDecimals));
  const std::string fraction = FormatNumber(3.5, 1, 2);
  const std::string large = FormatNumber(1234567.25, 1, 2);
  std::locale::global(previous);
  EXPECT_EQ(fraction, "3.5");
  EXPECT_EQ(large, "1234567.25");
}

}  // namespace
}  // namespace vellmora
