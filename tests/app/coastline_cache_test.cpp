#include "app/globe/coastline_cache.h"

#include <gtest/gtest.h>

#include "app/globe/globe_painter.h"
#include "app/resources/resources.h"

namespace vellmora {
namespace {

// The cache must not move a pixel: every point of the embedded coastlines
// projects from the cached sine and cosine exactly as from its text line.
TEST(CoastlineCache, ProjectsEveryPointAsTheTextDoes) {
  const std::vector<std::string> lines = LoadResourceLines("erde2");
  const std::vector<CoastlineVertex>& cached = EmbeddedCoastline();
  ASSERT_EQ(cached.size(), lines.size() - 1) << "all lines but the final one";
  EXPECT_EQ(&cached, &EmbeddedCoastline()) << "parsed once";
  for (const GlobeView& view : {MakeGlobeView(0, 180.0, 711, 682), MakeGlobeView(37, 263.0, 711, 682),
                                MakeGlobeView(-90, 0.0, 711, 682), MakeGlobeView(-15, 359.0, 1422, 1364)}) {
    for (std::size_t i = 0; i < cached.size(); ++i) {
      const CoastlinePoint text = ParseCoastlineLine(lines[i]);
      const DiscPoint expected = ProjectToDisc(view, text.Latitude, text.Longitude);
      const DiscPoint actual = ProjectToDisc(view, cached[i].SinLatitude, cached[i].CosLatitude, cached[i].Longitude);
      ASSERT_EQ(actual.X, expected.X) << i;
      ASSERT_EQ(actual.Y, expected.Y) << i;
      ASSERT_EQ(actual.CosC, expected.CosC) << i;
      ASSERT_EQ(cached[i].StartsPolyline, text.Flag == 0) << i;
    }
  }
}

TEST(CoastlineCache, KeepsEveryLineButTheFinalOne) {
  EXPECT_TRUE(ParseCoastline({}).empty());
  const std::vector<std::string> lines = {"10 20 0", "-30.5 40 1", "0 0 0"};
  const std::vector<CoastlineVertex> vertices = ParseCoastline(lines);
  ASSERT_EQ(vertices.size(), 2u);
  EXPECT_TRUE(vertices[0].StartsPolyline);
  EXPECT_FALSE(vertices[1].StartsPolyline);
  EXPECT_DOUBLE_EQ(vertices[1].Longitude, 40);
  EXPECT_DOUBLE_EQ(vertices[1].SinLatitude, -0.5075383629607041);
}

}  // namespace
}  // namespace vellmora
