#include "sightings/visible_eclipses.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vellmora {
namespace {

// Places in both hemispheres and on both sides of the date line.
const ObservingPlace kPlaces[] = {{50.83, 12.92, 1}, {-33.87, 151.21, 10}, {64.15, -21.94, 0}, {-54.8, -68.3, -3}};

// Whatever the search finds is what the details at the place say about the
// eclipse of that list row with the same ephemeris: the same kind, magnitude
// and instants.
TEST(FindVisibleEclipses, AgreesWithTheDetailsAtThePlace) {
  for (const auto& [place, ephemeris] : {std::pair{kPlaces[0], Ephemeris::Standard},
                                         {kPlaces[1], Ephemeris::Standard},
                                         {kPlaces[2], Ephemeris::Precise},
                                         {kPlaces[3], Ephemeris::Precise}}) {
    const std::vector<VisibleEclipse> seen = FindVisibleEclipses(2015, 2035, place, ephemeris);
    ASSERT_FALSE(seen.empty());
    for (const VisibleEclipse& eclipse : seen) {
      const CalendarInstant& at = eclipse.ListInstant;
      SCOPED_TRACE(std::to_string(at.Day) + "." + std::to_string(at.Month) + "." + std::to_string(at.Year));
      const LocalDetails details =
          ComputeLocalDetails(InstantTD::FromCalendar(at.Day, at.Month, at.Year, at.Hours), place,
                              EclipseDeltaT(ephemeris, at.Day, at.Month, at.Year), PathLines{}, ephemeris);
      ASSERT_FALSE(details.Events.empty());
      EXPECT_DOUBLE_EQ(details.Events.front().Instant, eclipse.Contacts[0]);
      EXPECT_DOUBLE_EQ(details.Events.back().Instant, eclipse.Contacts[3]);
      bool anyAbove = false;
      for (const LocalEvent& event : details.Events) {
        anyAbove = anyAbove || event.SunAboveHorizon;
        if (event.Kind == LocalEventKind::Maximum) {
          EXPECT_DOUBLE_EQ(event.Instant, eclipse.Maximum);
          if (event.SunAboveHorizon) {
            EXPECT_EQ(details.Kind, eclipse.Kind);
            EXPECT_DOUBLE_EQ(details.Magnitude, eclipse.Magnitude);
          }
        }
      }
      EXPECT_TRUE(anyAbove || !details.HorizonEvents.empty());
      for (const HorizonEvent& event : details.HorizonEvents) EXPECT_LE(event.Magnitude, eclipse.Magnitude + 1e-12);
    }
  }
}

// The cheap test for a night-time eclipse drops nothing: a walk over every
// eclipse at each place finds the eclipses that the local circumstances find
// with the Sun up at some contact or at the maximum.
TEST(FindVisibleEclipses, KeepsEveryEclipseWithTheSunUpAtAContact) {
  for (const ObservingPlace& place : kPlaces) {
    for (const EclipseListRow& row : ListSolarEclipses(1990, 2010)) {
      const CalendarInstant at = [&] {
        const ListDateTime shown = ListDateTimeOf(row.Time);
        return CalendarInstant{shown.Day, shown.Month, shown.Year, shown.Hours()};
      }();
      const LocalDetails details = ComputeLocalDetails(InstantTD::FromCalendar(at.Day, at.Month, at.Year, at.Hours),
                                                       place, DeltaTOfYear(at.Year), PathLines{});
      const bool sunUp = std::any_of(details.Events.begin(), details.Events.end(),
                                     [](const LocalEvent& event) { return event.SunAboveHorizon; });
      EXPECT_EQ(sunUp || !details.HorizonEvents.empty(), SightingOf(row, place).has_value())
          << at.Day << "." << at.Month << "." << at.Year << " at " << place.Latitude << ", " << place.LongitudeEast;
    }
  }
}

}  // namespace
}  // namespace vellmora
