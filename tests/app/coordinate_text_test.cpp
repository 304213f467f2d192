#include "app/texts/coordinate_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vellmora {
namespace {

struct Typed {
  std::string Text;
  double Latitude;
  double Longitude;
};

TEST(CoordinateText, ReadsTheTypedForms) {
  const std::vector<Typed> forms = {
      {"48.78 9.18", 48.78, 9.18},
      {"48.78, 9.18", 48.78, 9.18},
      {"48.78,9.18", 48.78, 9.18},
      {"  48.78   9.18  ", 48.78, 9.18},
      {"48.78 N 9.18 O", 48.78, 9.18},
      {"48.78 N 9.18 E", 48.78, 9.18},
      {"48.78N 9.18E", 48.78, 9.18},
      {"48.78n, 9.18o", 48.78, 9.18},
      {"33.92 S 18.42 W", -33.92, -18.42},
      {"-33.92 -18.42", -33.92, -18.42},
      {"+33.92 +18.42", 33.92, 18.42},
      {"48.78\xB0 N 9.18\xB0 O", 48.78, 9.18},
      {"9.18 O 48.78 N", 48.78, 9.18},  // both letters given: the order does not matter
      {"41.03 -83.65", 41.03, -83.65},
      {"90 180", 90, 180},
      {".5 7", 0.5, 7},
      {"0 0", 0, 0},
  };
  for (const Typed& form : forms) {
    const std::optional<GeoPoint> point = ParseCoordinates(form.Text);
    ASSERT_TRUE(point.has_value()) << form.Text;
    EXPECT_DOUBLE_EQ(point->Latitude, form.Latitude) << form.Text;
    EXPECT_DOUBLE_EQ(point->Longitude, form.Longitude) << form.Text;
  }
}

TEST(CoordinateText, RefusesGarbageAndValuesOutOfRange) {
  for (const char* text : {"",
                           "Chemnitz, D",
                           "48.78",
                           "48.78 9.18 7",
                           "48.78 N",
                           "abc def",
                           "48.78 9.18x",
                           "48,78 9,18",
                           "1.2.3 4",
                           "48.78 O 9.18 N 1",
                           "48.78 O 9.18 O",
                           "48.78 N 9.18 N",
                           "9.18 O 48.78",
                           "-48.78 N 9.18 O",
                           "48.78 N -9.18 W",
                           "- 48 9",
                           ". 9",
                           "90.0001 0",
                           "-90.5 0",
                           "0 180.01",
                           "0 -181",
                           "100 N 0 O",
                           "0 N 200 W",
                           "1e3 5",
                           "nan 5",
                           "inf inf",
                           ",48 9"}) {
    EXPECT_FALSE(ParseCoordinates(text).has_value()) << text;
  }
}

TEST(CoordinateText, ShowsLettersAndAtMostFourDecimals) {
  EXPECT_EQ(FormatCoordinates({48.78, 9.18}), "48.78 N 9.18 O");
  EXPECT_EQ(FormatCoordinates({-33.925, -18.4}), "33.925 S 18.4 W");
  EXPECT_EQ(FormatCoordinates({41.123456, -83.65}), "41.1235 N 83.65 W");
  EXPECT_EQ(FormatCoordinates({0, 0}), "0 N 0 O");
  EXPECT_EQ(FormatCoordinates({-0.00001, -0.00004}), "0 N 0 O") << "no southern or western zero";
  EXPECT_EQ(FormatCoordinates({90, -180}), "90 N 180 W");

  // What is shown reads back as the rounded point.
  for (const GeoPoint& point : {GeoPoint{41.123456, -83.654321}, GeoPoint{-12.00005, 179.99999}}) {
    const GeoPoint rounded = RoundedToShownDecimals(point);
    const std::optional<GeoPoint> read = ParseCoordinates(FormatCoordinates(point));
    ASSERT_TRUE(read.has_value());
    EXPECT_DOUBLE_EQ(read->Latitude, rounded.Latitude);
    EXPECT_DOUBLE_EQ(read->Longitude, rounded.Longitude);
  }
}

}  // namespace
}  // namespace vellmora
