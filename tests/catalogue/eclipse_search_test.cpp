#include <gtest/gtest.h>

#include <cmath>

#include "catalogue/angles.h"
#include "catalogue/moon.h"

namespace vellmora {
namespace {

// Hours and minutes of a date serial's time of day.
std::string ClockOf(double serial) {
  const auto minutes = static_cast<int>(std::floor(TimeOfDay(serial) * 1440));
  char text[32];
  std::snprintf(text, sizeof text, "%02d:%02d", minutes / 60, minutes % 60);
  return text;
}

struct Found {
  double Time;
  EclipseKind Kind;
  bool GammaNegative;
};

Found SearchFrom(int year, int month, int day) {
  double time = EncodeDate(year, month, day);
  bool gammaNegative = false;
  const EclipseKind kind = FindNextEclipse(time, true, gammaNegative);
  return {time, kind, gammaNegative};
}

TEST(Lunation, NumbersNewMoonsFromJanuary2000) {
  const LunationElements l = ComputeLunation(EncodeDate(2000, 1, 6), 0);
  EXPECT_EQ(l.k, 0);
  EXPECT_DOUBLE_EQ(static_cast<double>(l.JDE), 2451550.09765);
  EXPECT_EQ(ClockOf(JDToDateSerial(l.JDE)), "14:20");
  EXPECT_EQ(ComputeLunation(EncodeDate(2000, 1, 6), 4).k, 0.5L);
}

TEST(EclipseSearch, ClassifiesTheKnownEclipses) {
  const Found total1999 = SearchFrom(1999, 8, 1);
  EXPECT_EQ(total1999.Kind, EclipseKind::Total);
  EXPECT_EQ(DecodeDate(total1999.Time).Day, 11);
  EXPECT_EQ(ClockOf(total1999.Time), "11:04");
  EXPECT_FALSE(total1999.GammaNegative);

  const Found partial1993 = SearchFrom(1993, 5, 1);
  EXPECT_EQ(partial1993.Kind, EclipseKind::Partial);
  EXPECT_EQ(DecodeDate(partial1993.Time).Day, 21);
  EXPECT_EQ(ClockOf(partial1993.Time), "14:20");

  const Found annular2010 = SearchFrom(2010, 1, 1);
  EXPECT_EQ(annular2010.Kind, EclipseKind::Annular);
  EXPECT_EQ(ClockOf(annular2010.Time), "07:08");

  const Found hybrid2013 = SearchFrom(2013, 11, 1);
  EXPECT_EQ(hybrid2013.Kind, EclipseKind::AnnularTotal);
  EXPECT_EQ(ClockOf(hybrid2013.Time), "12:47");

  const Found total2001 = SearchFrom(2001, 6, 1);
  EXPECT_EQ(total2001.Kind, EclipseKind::Total);
  EXPECT_EQ(ClockOf(total2001.Time), "12:05");
  EXPECT_TRUE(total2001.GammaNegative);

  const Found none2000 = SearchFrom(2000, 1, 1);
  EXPECT_EQ(none2000.Kind, EclipseKind::NoEclipse);
  EXPECT_EQ(DecodeDate(none2000.Time).Day, 6);
  EXPECT_EQ(ClockOf(none2000.Time).substr(0, 2), "18");
}

TEST(EclipseSearch, LunationFarFromTheNodeKeepsGammaSignAndGivesMeanTime) {
  // The new moon of 2000-04-04 lies far from a node (|sin F| > 0.36).
  double time = EncodeDate(2000, 4, 4);
  const LunationElements l = ComputeLunation(time, 0);
  ASSERT_GT(std::fabs(std::sin(static_cast<double>(l.F) * M_PI / 180)), 0.36);
  for (const bool before : {false, true}) {
    bool gammaNegative = before;
    double t = time;
    EXPECT_EQ(ClassifyLunation(t, true, gammaNegative), EclipseKind::NoEclipse);
    EXPECT_EQ(gammaNegative, before);
    EXPECT_DOUBLE_EQ(t, JDToDateSerial(l.JDE));
  }
}

TEST(EclipseSearch, LunarSearchFindsUmbralAndPenumbralEclipses) {
  // Total lunar eclipse of 2000-01-21 and penumbral one of 2002-05-26.
  double time = EncodeDate(2000, 1, 15);
  bool gammaNegative = false;
  EXPECT_EQ(FindNextEclipse(time, false, gammaNegative), EclipseKind::Total);
  EXPECT_EQ(DecodeDate(time).Day, 21);
  time = EncodeDate(2002, 5, 20);
  EXPECT_EQ(FindNextEclipse(time, false, gammaNegative), EclipseKind::Penumbral);
  EXPECT_EQ(DecodeDate(time).Day, 26);
}

TEST(EclipseSearch, WalkVisitsEveryNewMoonOnce) {
  double time = EncodeDate(2000, 1, 1);
  double previous = -1e9;
  bool gammaNegative = false;
  for (int lunation = 0; lunation < 300; ++lunation) {
    FindNextEclipse(time, true, gammaNegative);
    const double gap = time - previous;
    if (lunation > 0) {
      ASSERT_GT(gap, 28.5) << "a new moon was returned twice";
      ASSERT_LT(gap, 30.5) << "a new moon was skipped";
    }
    previous = time;
    time += 1;
  }
}

TEST(EclipseSearch, WalkGivesEachSearchsResultToTheLastBit) {
  // The walk keeps the terms of the lunations it has seen; a fresh search computes them anew.
  // Steps of one day as the list takes them, and uneven ones that revisit and skip lunations.
  for (const bool solar : {true, false}) {
    EclipseWalk walk;
    double time = EncodeDate(1000, 1, 1);
    bool walkGamma = false;
    bool freshGamma = false;
    for (int search = 0; search < 3000; ++search) {
      double fresh = time;
      const EclipseKind freshKind = FindNextEclipse(fresh, solar, freshGamma);
      double walked = time;
      ASSERT_EQ(walk.FindNext(walked, solar, walkGamma), freshKind) << search;
      ASSERT_EQ(walked, fresh) << search;
      ASSERT_EQ(walkGamma, freshGamma) << search;
      const double steps[] = {1, 1, 0.5, 7.25, 45, -40};
      time = walked + steps[search % 6];
    }
  }
}

TEST(EclipseSearch, NodeLimitAgreesWithTheExtendedSine) {
  // asin 0.36 = 21.100196°: arguments on either side of the limit near each node, in the range of
  // the years 1000 to 3000 and far beyond, and plain arguments all round.
  const long double limit = 21.1001960241L;
  for (const long double node : {0.0L, 180.0L, 360.0L, -180.0L, 4846680.0L, -4846500.0L, 99999900.0L, 1e9L}) {
    for (const long double offset : {limit, -limit, 180 - limit, limit - 180}) {
      for (const long double delta : {0.0L, 1e-12L, -1e-12L, 1e-7L, -1e-7L, 2e-6L, -2e-6L, 1e-3L, -1e-3L, 1.0L}) {
        const long double f = node + offset + delta;
        ASSERT_EQ(FarFromNode(f), std::fabs(SinDegrees(f)) > 0.36L) << static_cast<double>(f);
      }
    }
  }
  for (long double f = -5e6L; f < 5e6L; f += 777.777L) {
    ASSERT_EQ(FarFromNode(f), std::fabs(SinDegrees(f)) > 0.36L) << static_cast<double>(f);
  }
}

}  // namespace
}  // namespace vellmora
