#include "sightings/eclipse_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "catalogue/eclipse_list.h"
#include "sightings/on_every_core.h"

namespace vellmora {
namespace {

bool SameBits(const ChebyshevFit& a, const ChebyshevFit& b) {
  return a.Degree == b.Degree && std::memcmp(&a.IntervalStart, &b.IntervalStart, sizeof(double)) == 0 &&
         std::memcmp(&a.IntervalEnd, &b.IntervalEnd, sizeof(double)) == 0 &&
         std::memcmp(a.Coefficients.data(), b.Coefficients.data(), sizeof(double) * (a.Degree + 1)) == 0;
}

// The table built with the program holds every eclipse of the walk: any
// range of years read from it is the walk's list of those years, and its fits
// are those the local circumstances make, to the last bit.
TEST(EclipseTable, HoldsTheWalkAndTheFitsOfEveryEclipse) {
  const std::vector<EclipseListRow> walk = ListSolarEclipses(kFirstListYear, kLastListYear);
  ASSERT_EQ(EclipseTable().size(), walk.size());
  const auto sameRows = [](const std::vector<EclipseListRow>& a, const std::vector<EclipseListRow>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const EclipseListRow& x, const EclipseListRow& y) {
      return std::memcmp(&x.Time, &y.Time, sizeof(double)) == 0 && x.Kind == y.Kind;
    });
  };
  EXPECT_TRUE(sameRows(SolarEclipsesOfYears(kFirstListYear, kLastListYear), walk));
  for (const auto& [first, last] : {std::pair{1000, 1001},
                                    {1581, 1583},
                                    {1582, 1582},
                                    {2024, 2031},
                                    {2999, 3000},
                                    {1700, 1600},
                                    {990, 1010},
                                    {2990, 3010}}) {
    EXPECT_TRUE(sameRows(SolarEclipsesOfYears(first, last), ListSolarEclipses(first, last))) << first << "-" << last;
  }
  for (std::size_t i = 0; i < walk.size(); i += 101) {
    const ListDateTime shown = ListDateTimeOf(walk[i].Time);
    const InstantTD listed = InstantTD::FromCalendar(shown.Day, shown.Month, shown.Year, shown.Hours());
    SCOPED_TRACE(std::to_string(shown.Day) + "." + std::to_string(shown.Month) + "." + std::to_string(shown.Year));
    const std::optional<LocalFits> tabulated = TabulatedFits(listed, Ephemeris::Standard);
    ASSERT_TRUE(tabulated.has_value());
    const LocalFits computed = FitsAroundListedInstant(listed, Ephemeris::Standard);
    EXPECT_TRUE(SameBits(tabulated->Moon.RightAscension, computed.Moon.RightAscension));
    EXPECT_TRUE(SameBits(tabulated->Moon.Distance, computed.Moon.Distance));
    EXPECT_TRUE(SameBits(tabulated->Sun.Declination, computed.Sun.Declination));
    EXPECT_FALSE(TabulatedFits(listed, Ephemeris::Precise).has_value());
    EXPECT_FALSE(TabulatedFits(InstantTD{listed.Mjd + 1e-6}, Ephemeris::Standard).has_value());
  }
}

TEST(OnEveryCore, DoesEachIndexOnceAndPassesOnAFailure) {
  std::vector<int> done(1000, 0);
  OnEveryCore(done.size(), [&](std::size_t i) { ++done[i]; });
  EXPECT_EQ(std::count(done.begin(), done.end(), 1), 1000);
  EXPECT_THROW(OnEveryCore(100,
                           [](std::size_t i) {
                             if (i == 57) throw std::runtime_error("failed");
                           }),
               std::runtime_error);
}

}  // namespace
}  // namespace vellmora
