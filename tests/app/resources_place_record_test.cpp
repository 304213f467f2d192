#include <gtest/gtest.h>

#include "app/resources/resources.h"

namespace vellmora {
namespace {

TEST(PlaceRecord, ReadsNameCoordinatesAndOffset) {
  const PlaceRecord aachen = ParsePlaceRecord("Aachen, D\t50.783333\t6.083333\t1");
  EXPECT_EQ(aachen.Name, "Aachen, D");
  EXPECT_EQ(aachen.Latitude, 50.783333L);
  EXPECT_EQ(aachen.Longitude, 6.083333L);
  EXPECT_EQ(aachen.ZoneOffset, 1.0L);

  const PlaceRecord equator = ParsePlaceRecord("\xC4quator\t0\t0\t0");
  EXPECT_EQ(equator.Name, "\xC4quator");
  EXPECT_EQ(equator.Latitude, 0.0L);
  EXPECT_EQ(equator.Longitude, 0.0L);
  EXPECT_EQ(equator.ZoneOffset, 0.0L);

  const PlaceRecord santiago = ParsePlaceRecord("Santiago, Chile\t-33.45694\t-70.64827\t-4");
  EXPECT_EQ(santiago.Latitude, -33.45694L);
  EXPECT_EQ(santiago.Longitude, -70.64827L);
  EXPECT_EQ(santiago.ZoneOffset, -4.0L);

  EXPECT_EQ(ParsePlaceRecord("Kathmandu, Nepal\t27.70169\t85.3206\t5.75").ZoneOffset, 5.75L);
  EXPECT_EQ(ParsePlaceRecord("St. John's, Kanada\t47.56494\t-52.70931\t-3.5").ZoneOffset, -3.5L);
  EXPECT_EQ(ParsePlaceRecord("Nordpol\t90\t0\t0").Latitude, 90.0L);
}

TEST(PlaceRecord, OffsetWithPlusReadsLikeWithout) {
  for (const char* offset : {"1", "8", "12", "5.5", "13"}) {
    const std::string plain = std::string("Ort, Land\t1.5\t2.5\t") + offset;
    const std::string signed_ = std::string("Ort, Land\t1.5\t2.5\t+") + offset;
    EXPECT_EQ(ParsePlaceRecord(signed_).ZoneOffset, ParsePlaceRecord(plain).ZoneOffset) << offset;
    EXPECT_GT(ParsePlaceRecord(signed_).ZoneOffset, 0.0L);
  }
  EXPECT_EQ(ParsePlaceRecord("Ort, Land\t+1.5\t+2.5\t0").Latitude, 1.5L);
  EXPECT_EQ(ParsePlaceRecord("Ort, Land\t+1.5\t+2.5\t0").Longitude, 2.5L);
}

TEST(PlaceRecord, ReadsEveryLineOfThePlaceTable) {
  for (const std::string& line : LoadResourceLines("mort")) {
    const PlaceRecord place = ParsePlaceRecord(line);
    EXPECT_EQ(place.Name, line.substr(0, line.find('\t')));
    EXPECT_LE(place.Latitude, 90.0L);
    EXPECT_GE(place.Latitude, -90.0L);
    EXPECT_LE(place.Longitude, 180.0L);
    EXPECT_GE(place.Longitude, -180.0L);
  }
}

}  // namespace
}  // namespace vellmora
